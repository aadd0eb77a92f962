#include "atlas/atlas_stream.h"

namespace orrery {

namespace {

constexpr std::uint32_t BackReference = 1023;
constexpr int LongLength = 31;
constexpr int TwoUnitCode = 30;
constexpr int ThreeUnitCode = 31;
constexpr std::uint32_t ThreeUnitCodes = 205;

struct LiteralHeader {
  int headerUnits;
  int codeUnits;
};

LiteralHeader ReadLiteralHeader(const AtlasStream& stream, std::int32_t position) {
  int length = ReadUnit(stream, position);
  if (length != LongLength) return {1, length};
  return {3, 30 + static_cast<int>(ReadNumber(stream, position + 1, 2))};
}

// Decodes the literal string at position; returns the units it occupies.
int ReadLiteralString(const AtlasStream& stream, std::int32_t position, char16_t* buffer,
                      int capacity) {
  int written = 0;
  auto append = [&](int index) {
    char16_t ch = stream.charTable != nullptr ? stream.charTable[index] : 0;
    if (ch != 0 && written + 1 < capacity) buffer[written++] = ch;
  };
  auto [header, length] = ReadLiteralHeader(stream, position);
  std::int64_t q = std::int64_t{position} + header;
  const std::int64_t end = q + length;
  while (q < end && q < stream.unitCount) {
    int c = ReadUnit(stream, static_cast<std::int32_t>(q));
    if (c < TwoUnitCode) {
      append(c);
      q += 1;
    } else if (c == TwoUnitCode) {
      if (q + 2 > end) break;
      append(TwoUnitCode + ReadUnit(stream, static_cast<std::int32_t>(q + 1)));
      q += 2;
    } else {
      if (q + 3 > end) break;
      std::uint32_t code = ReadNumber(stream, static_cast<std::int32_t>(q + 1), 2);
      if (code < ThreeUnitCodes) append(62 + static_cast<int>(code));
      q += 3;
    }
  }
  if (capacity > 0) buffer[written] = 0;
  return header + length;
}

}  // namespace

AtlasStream MakeAtlasStream(const AtlasHeap& heap, AtlasValue string, const char16_t* charTable) {
  std::uint32_t data = StringData(heap, string);
  if (data == 0) return {};
  std::int64_t units = std::int64_t{StringLength(heap, string)} * 16 / 5;
  if (units > INT32_MAX) units = INT32_MAX;
  return {heap.bytes + data, static_cast<std::int32_t>(units), charTable};
}

int ReadUnit(const AtlasStream& stream, std::int32_t position) {
  if (position < 0 || position >= stream.unitCount) return 0;
  std::int64_t bit = std::int64_t{position} * 5;
  std::int64_t b = bit / 8;
  int r = static_cast<int>(bit % 8);
  if (r <= 3) return (stream.bytes[b] >> (3 - r)) & 31;
  return ((stream.bytes[b] * 256 + stream.bytes[b + 1]) >> (11 - r)) & 31;
}

std::uint32_t ReadNumber(const AtlasStream& stream, std::int32_t position, int units) {
  std::uint32_t n = 0;
  for (int i = 0; i < units; ++i) {
    n = (n << 5) | static_cast<std::uint32_t>(ReadUnit(stream, position + i));
  }
  return n;
}

int PackedStringUnits(const AtlasStream& stream, std::int32_t position) {
  if (ReadNumber(stream, position, 2) == BackReference) return 4;
  LiteralHeader h = ReadLiteralHeader(stream, position);
  return h.headerUnits + h.codeUnits;
}

int ReadPackedString(const AtlasStream& stream, std::int32_t position, char16_t* buffer,
                     int capacity) {
  if (ReadNumber(stream, position, 2) != BackReference) {
    return ReadLiteralString(stream, position, buffer, capacity);
  }
  std::int32_t distance = static_cast<std::int32_t>(ReadNumber(stream, position + 2, 2));
  ReadLiteralString(stream, position - distance, buffer, capacity);
  return 4;
}

AtlasCoordinate UnpackCoordinate(std::uint32_t bits15) {
  return {static_cast<int>((bits15 >> 6) & 255), static_cast<int>(bits15 & 63),
          (bits15 & 0x4000) == 0 ? 1 : 0};
}

AtlasCorrection UnpackCorrection(std::uint32_t bits15) {
  return {static_cast<int>((bits15 >> 6) & 31), static_cast<int>(bits15 & 63),
          (bits15 & 0x4000) == 0 ? 1 : 0};
}

AtlasDate UnpackDate(std::uint32_t bits20) {
  return {static_cast<int>((bits20 >> 9) & 2047), static_cast<int>((bits20 >> 5) & 15),
          static_cast<int>(bits20 & 31)};
}

}  // namespace orrery
