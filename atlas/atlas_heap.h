// The atlas container: a typed object heap read in place from a byte blob.
//
// All numbers in the heap are big-endian. A 6-byte header (3 bytes not used
// by the reader, 3 bytes heap length) is followed by the objects; the first
// one, at offset 6, is the root. Objects are named by 24-bit AtlasValues:
//   bits 23-22 = 1x  reference to the object at offset (value AND 0x7FFFFF)
//   bits 23-22 = 01  immediate integer, magnitude in bits 0-20, bit 21 = negative
//   bits 23-22 = 00  special constants (empty list, small object, string, vector)
// Object kinds by first byte: 1 pair, 8 short vector, 12 long vector,
// 32 short string, 48 long string (UTF-16 code units), 64..127 small object.
//
// Every reader is bounds-checked: an object counts only when it lies wholly
// inside the heap, and any unsuitable value yields 0, false or "".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orrery {

using AtlasValue = std::uint32_t;

inline constexpr AtlasValue AtlasEmptyList = 0;
inline constexpr AtlasValue AtlasEmptySmall = 0x10000;
inline constexpr AtlasValue AtlasEmptyString = 0x20000;
inline constexpr AtlasValue AtlasEmptyVector = 0x40000;

// The readable heap: the blob up to the length its header states. A blob
// shorter than that length (truncated) or than the header gives an empty heap.
struct AtlasHeap {
  const std::uint8_t* bytes = nullptr;
  std::uint32_t length = 0;
};

AtlasHeap MakeAtlasHeap(std::span<const std::uint8_t> blob);
// The value that names the root object at offset 6 (0 for an empty heap).
AtlasValue AtlasRoot(const AtlasHeap& heap);

// Big-endian number of 1 to 4 bytes at offset; 0 when it does not fit.
std::uint32_t ReadHeapNumber(const AtlasHeap& heap, std::uint32_t offset, int bytes);

bool IsVector(const AtlasHeap& heap, AtlasValue v);
std::uint32_t VectorCount(const AtlasHeap& heap, AtlasValue v);
AtlasValue VectorElement(const AtlasHeap& heap, AtlasValue v, std::uint32_t index);
// Heap offset of element 0 (0 for the empty vector or a non-vector), for a
// caller that reads many elements of one vector it has checked.
std::uint32_t VectorItems(const AtlasHeap& heap, AtlasValue v);

bool IsString(const AtlasHeap& heap, AtlasValue v);
// Length in UTF-16 code units.
std::uint32_t StringLength(const AtlasHeap& heap, AtlasValue v);
// Heap offset of the first code unit (0 for the empty string or a non-string).
std::uint32_t StringData(const AtlasHeap& heap, AtlasValue v);
// Copies the string into buffer (capacity units with the NUL), truncating.
void StringCopy(const AtlasHeap& heap, AtlasValue v, char16_t* buffer, std::size_t capacity);

bool IsInteger(AtlasValue v);
// Bit 21 as the sign, bits 0-20 as the magnitude; 0 for a non-integer.
std::int32_t IntegerValue(AtlasValue v);
// The immediate integer for value; magnitudes above 0x1FFFFF give the integer 0.
AtlasValue MakeInteger(std::int64_t value);

bool IsPair(const AtlasHeap& heap, AtlasValue v);
AtlasValue First(const AtlasHeap& heap, AtlasValue v);
AtlasValue Rest(const AtlasHeap& heap, AtlasValue v);
// Pairs chained through Rest; a cyclic chain is cut after as many pairs as
// the heap could hold.
std::uint32_t ListLength(const AtlasHeap& heap, AtlasValue list);
// The n-th pair (from 0) of a list, or the empty list past its end.
AtlasValue NthPair(const AtlasHeap& heap, AtlasValue list, std::uint32_t n);
AtlasValue LastPair(const AtlasHeap& heap, AtlasValue list);

bool IsSmall(const AtlasHeap& heap, AtlasValue v);
int SmallValue(const AtlasHeap& heap, AtlasValue v);

}  // namespace orrery
