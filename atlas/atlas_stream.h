// The AtlasStream: the atlas's names, city records and rule blocks as a
// sequence of 5-bit units packed into the bytes of the root's first string.
//
// Unit u is bits 5u .. 5u+4 of the byte string, counted from the most
// significant bit of byte 0. Positions are unit numbers; an n-unit number is
// the big-endian concatenation of n consecutive units. Units outside the
// stream read as 0, so no reader ever leaves the blob.
//
// Packed string at position p:
//   10-bit 1023, 10-bit distance d  back-reference: the string at p - d, read
//                                   as a literal (4 units)
//   unit L (L < 31), or 31 and a    L units of character codes follow:
//   10-bit n giving L = 30 + n      c < 30 -> table[c]; 30, c2 -> table[30 + c2];
//                                   31, 10-bit c3 -> table[62 + c3] (none from 205)
#pragma once

#include <cstdint>

#include "atlas/atlas_heap.h"

namespace orrery {

// The AtlasCharTable: 30 one-unit, 32 two-unit and 205 three-unit codes.
inline constexpr int AtlasCharTableUnits = 267;

struct AtlasStream {
  const std::uint8_t* bytes = nullptr;
  std::int32_t unitCount = 0;
  const char16_t* charTable = nullptr;  // AtlasCharTableUnits code units
};

// The stream held in a string of the heap (empty for a non-string).
AtlasStream MakeAtlasStream(const AtlasHeap& heap, AtlasValue string, const char16_t* charTable);

int ReadUnit(const AtlasStream& stream, std::int32_t position);
// The number made of units (1 to 6) consecutive units.
std::uint32_t ReadNumber(const AtlasStream& stream, std::int32_t position, int units);
// The units the packed string at position occupies, without decoding it.
int PackedStringUnits(const AtlasStream& stream, std::int32_t position);
// Unpacks the string at position into buffer (capacity units with the NUL;
// longer names are cut) and returns the units it occupies in the stream.
// Decoding stops at the end of the stream; a character code that would run
// past the string's own length is dropped.
int ReadPackedString(const AtlasStream& stream, std::int32_t position, char16_t* buffer,
                     int capacity);

// A latitude or longitude field: bit 14 set = south or west.
struct AtlasCoordinate {
  int degrees;   // 0..255
  int minutes;   // 0..63
  int positive;  // 1 north or east
};
// A time-zone or daylight-saving correction: bit 14 set = "-".
struct AtlasCorrection {
  int hours;    // 0..31
  int minutes;  // 0..63
  int plus;
};
struct AtlasDate {
  int year;   // 0..2047
  int month;  // 0..15
  int day;    // 0..31
};

AtlasCoordinate UnpackCoordinate(std::uint32_t bits15);
AtlasCorrection UnpackCorrection(std::uint32_t bits15);
AtlasDate UnpackDate(std::uint32_t bits20);

}  // namespace orrery
