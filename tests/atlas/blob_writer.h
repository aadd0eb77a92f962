// Builds small atlas blobs in the packed format, for tests and fuzzing:
// a 5-bit unit writer for the AtlasStream and a heap writer that lays out
// the root, the country and province entries, the stream and the CityIndex.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orrery::testing {

// A character table for test blobs: codes 0..25 "a".."z", 26 " ", 27 "-",
// 28 ".", 29 "'", then "A".."Z" and a few more as two-unit codes, then
// accented letters as three-unit codes (see blob_writer.cpp).
const char16_t* TestCharTable();

class StreamWriter {
 public:
  std::int32_t Position() const { return static_cast<std::int32_t>(units_.size()); }
  void Unit(int u);
  void Number(std::uint32_t value, int units);
  // A literal packed string of the characters of TestCharTable; returns its position.
  std::int32_t String(std::u16string_view text);
  // A back-reference to the string at target; returns its position.
  std::int32_t BackReference(std::int32_t target);
  // Date rules (types 1, 2, 5) and period rules (types 3, 4, 6).
  void DateRule(int type, int year, int month, int day);
  void PeriodRule(int type, int fromYear, int fromMonth, int fromDay, int fromHour, int fromMinute,
                  int toYear, int toMonth, int toDay, int toHour, int toMinute,
                  std::uint32_t value);
  void Append(const StreamWriter& other);
  bool Empty() const { return units_.empty(); }
  // The units packed into bytes, padded with zero bits to whole UTF-16 units.
  std::vector<std::uint8_t> Bytes() const;

 private:
  std::vector<std::uint8_t> units_;
};

// 15-bit fields: degrees/hours in bits 6.., minutes in bits 0-5, bit 14 the sign.
std::uint32_t PackCoordinate(int degrees, int minutes, bool positive);
std::uint32_t PackCorrection(int hours, int minutes, bool plus);
std::uint32_t PackDate(int year, int month, int day);

struct ProvincePlan {
  std::u16string name;
  StreamWriter rules;  // the rules of its block; none: no block
};

struct CountryPlan {
  int number = 0;  // 1..239
  int region = 0;
  std::u16string name;
  std::vector<ProvincePlan> provinces;  // numbered from 1
  StreamWriter rules;
};

struct CityPlan {
  int country = 0, province = 0;
  int latDegrees = 0, latMinutes = 0;
  bool north = true;
  int lonDegrees = 0, lonMinutes = 0;
  bool east = true;
  std::u16string name;
};

struct AtlasPlan {
  std::vector<CountryPlan> countries;
  std::vector<CityPlan> cities;  // written in this order
  bool sortCities = true;        // sort by normalised name first
};

// Where things landed in the stream of a built blob.
struct BuiltAtlas {
  std::vector<std::uint8_t> blob;
  std::vector<CityPlan> cities;  // in stream order
  std::vector<std::int32_t> cityPositions;
};

BuiltAtlas BuildAtlas(AtlasPlan plan);

// Writes the heap header and objects: root vector of rootCount elements
// whose element 0 is a string of stream bytes; for damaged-heap tests.
class HeapWriter {
 public:
  HeapWriter();
  std::uint32_t Offset() const { return static_cast<std::uint32_t>(bytes_.size()); }
  void Byte(std::uint8_t b) { bytes_.push_back(b); }
  void Number(std::uint32_t value, int bytes);
  // Returns the reference value of the object written.
  std::uint32_t Vector(const std::vector<std::uint32_t>& elements);
  std::uint32_t String(const std::vector<std::uint8_t>& utf16BigEndianBytes);
  // Overwrites a 3-byte value at offset.
  void Patch(std::uint32_t offset, std::uint32_t value);
  // Sets the header's length to the current size and returns the blob.
  std::vector<std::uint8_t> Finish();

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace orrery::testing
