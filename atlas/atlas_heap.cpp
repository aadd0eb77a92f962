#include "atlas/atlas_heap.h"

namespace orrery {

namespace {

constexpr std::uint32_t HeaderBytes = 6;
constexpr std::uint32_t ReferenceBit = 0x800000;
constexpr std::uint32_t OffsetMask = 0x7FFFFF;
constexpr std::uint32_t IntegerTag = 0x400000;
constexpr std::uint32_t NegativeBit = 0x200000;
constexpr std::uint32_t MagnitudeMask = 0x1FFFFF;
constexpr std::uint32_t PairBytes = 7;

enum ObjectKind : std::uint8_t {
  PairObject = 1,
  ShortVector = 8,
  LongVector = 12,
  ShortString = 32,
  LongString = 48,
};

bool IsReference(AtlasValue v) { return (v & ReferenceBit) != 0; }

// Heap offset of the object a reference names, or 0 when it names no byte
// of the heap after the header.
std::uint32_t ObjectOffset(const AtlasHeap& heap, AtlasValue v) {
  if (!IsReference(v)) return 0;
  std::uint32_t offset = v & OffsetMask;
  return offset >= HeaderBytes && offset < heap.length ? offset : 0;
}

bool Fits(const AtlasHeap& heap, std::uint32_t offset, std::uint64_t bytes) {
  return offset + bytes <= heap.length;
}

// A sized object (vector or string): where its items start and how many there
// are, when the whole object lies inside the heap.
struct SizedObject {
  std::uint32_t items = 0;
  std::uint32_t count = 0;
  bool valid = false;
};

SizedObject ReadSized(const AtlasHeap& heap, AtlasValue v, ObjectKind shortKind,
                      ObjectKind longKind, int itemBytes) {
  std::uint32_t offset = ObjectOffset(heap, v);
  if (offset == 0) return {};
  std::uint8_t kind = heap.bytes[offset];
  int countBytes = kind == shortKind ? 1 : kind == longKind ? 3 : 0;
  if (countBytes == 0 || !Fits(heap, offset, 1 + countBytes)) return {};
  std::uint32_t count = ReadHeapNumber(heap, offset + 1, countBytes);
  std::uint32_t items = offset + 1 + countBytes;
  if (!Fits(heap, items, std::uint64_t{count} * itemBytes)) return {};
  return {items, count, true};
}

SizedObject ReadVector(const AtlasHeap& heap, AtlasValue v) {
  return ReadSized(heap, v, ShortVector, LongVector, 3);
}

SizedObject ReadString(const AtlasHeap& heap, AtlasValue v) {
  return ReadSized(heap, v, ShortString, LongString, 2);
}

}  // namespace

AtlasHeap MakeAtlasHeap(std::span<const std::uint8_t> blob) {
  if (blob.size() < HeaderBytes) return {};
  AtlasHeap whole{blob.data(), HeaderBytes};
  std::uint32_t length = ReadHeapNumber(whole, 3, 3);
  if (length < HeaderBytes || length > blob.size()) return {};
  return {blob.data(), length};
}

AtlasValue AtlasRoot(const AtlasHeap& heap) {
  return heap.length > HeaderBytes ? ReferenceBit | HeaderBytes : 0;
}

std::uint32_t ReadHeapNumber(const AtlasHeap& heap, std::uint32_t offset, int bytes) {
  if (bytes < 1 || bytes > 4 || !Fits(heap, offset, bytes)) return 0;
  std::uint32_t n = 0;
  for (int i = 0; i < bytes; ++i) n = (n << 8) | heap.bytes[offset + i];
  return n;
}

bool IsVector(const AtlasHeap& heap, AtlasValue v) {
  return v == AtlasEmptyVector || ReadVector(heap, v).valid;
}

std::uint32_t VectorCount(const AtlasHeap& heap, AtlasValue v) {
  return ReadVector(heap, v).count;
}

AtlasValue VectorElement(const AtlasHeap& heap, AtlasValue v, std::uint32_t index) {
  SizedObject vector = ReadVector(heap, v);
  if (index >= vector.count) return 0;
  return ReadHeapNumber(heap, vector.items + 3 * index, 3);
}

std::uint32_t VectorItems(const AtlasHeap& heap, AtlasValue v) {
  SizedObject vector = ReadVector(heap, v);
  return vector.count > 0 ? vector.items : 0;
}

bool IsString(const AtlasHeap& heap, AtlasValue v) {
  return v == AtlasEmptyString || ReadString(heap, v).valid;
}

std::uint32_t StringLength(const AtlasHeap& heap, AtlasValue v) {
  return ReadString(heap, v).count;
}

std::uint32_t StringData(const AtlasHeap& heap, AtlasValue v) {
  SizedObject s = ReadString(heap, v);
  return s.count > 0 ? s.items : 0;
}

void StringCopy(const AtlasHeap& heap, AtlasValue v, char16_t* buffer, std::size_t capacity) {
  if (capacity == 0) return;
  SizedObject s = ReadString(heap, v);
  std::size_t n = 0;
  for (; n < s.count && n + 1 < capacity; ++n) {
    buffer[n] = static_cast<char16_t>(ReadHeapNumber(heap, s.items + 2 * n, 2));
  }
  buffer[n] = 0;
}

bool IsInteger(AtlasValue v) { return (v & 0xC00000) == IntegerTag; }

std::int32_t IntegerValue(AtlasValue v) {
  if (!IsInteger(v)) return 0;
  std::int32_t magnitude = static_cast<std::int32_t>(v & MagnitudeMask);
  return (v & NegativeBit) != 0 ? -magnitude : magnitude;
}

AtlasValue MakeInteger(std::int64_t value) {
  std::int64_t magnitude = value < 0 ? -value : value;
  if (magnitude > MagnitudeMask) return IntegerTag;
  AtlasValue v = IntegerTag | static_cast<AtlasValue>(magnitude);
  return value < 0 ? v | NegativeBit : v;
}

bool IsPair(const AtlasHeap& heap, AtlasValue v) {
  std::uint32_t offset = ObjectOffset(heap, v);
  return offset != 0 && heap.bytes[offset] == PairObject && Fits(heap, offset, PairBytes);
}

AtlasValue First(const AtlasHeap& heap, AtlasValue v) {
  return IsPair(heap, v) ? ReadHeapNumber(heap, ObjectOffset(heap, v) + 1, 3) : 0;
}

AtlasValue Rest(const AtlasHeap& heap, AtlasValue v) {
  return IsPair(heap, v) ? ReadHeapNumber(heap, ObjectOffset(heap, v) + 4, 3) : 0;
}

std::uint32_t ListLength(const AtlasHeap& heap, AtlasValue list) {
  std::uint32_t limit = heap.length / PairBytes;
  std::uint32_t n = 0;
  for (; n < limit && IsPair(heap, list); ++n) list = Rest(heap, list);
  return n;
}

AtlasValue NthPair(const AtlasHeap& heap, AtlasValue list, std::uint32_t n) {
  // No list in this heap has more distinct pairs than fit into it.
  if (n >= heap.length / PairBytes) return AtlasEmptyList;
  for (std::uint32_t i = 0; i < n && IsPair(heap, list); ++i) list = Rest(heap, list);
  return IsPair(heap, list) ? list : AtlasEmptyList;
}

AtlasValue LastPair(const AtlasHeap& heap, AtlasValue list) {
  std::uint32_t length = ListLength(heap, list);
  return length == 0 ? AtlasEmptyList : NthPair(heap, list, length - 1);
}

bool IsSmall(const AtlasHeap& heap, AtlasValue v) {
  if (v == AtlasEmptySmall) return true;
  std::uint32_t offset = ObjectOffset(heap, v);
  return offset != 0 && heap.bytes[offset] >= 64 && heap.bytes[offset] <= 127 &&
         Fits(heap, offset, 2);
}

int SmallValue(const AtlasHeap& heap, AtlasValue v) {
  if (v == AtlasEmptySmall || !IsSmall(heap, v)) return 0;
  return heap.bytes[ObjectOffset(heap, v) + 1];
}

}  // namespace orrery
