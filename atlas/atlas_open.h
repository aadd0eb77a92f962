// Opening the atlas: the checks of the heap's root and the numbers that
// describe this atlas's city records, derived from the blob itself.
//
// Root: a vector of 243 elements: 0 the AtlasStream string, 1..239 the
// CountryEntries, 242 the CityIndex (element k = stream position of city
// record 10 k, raw 24-bit values; unused trailing entries 0). City records
// are the last thing in the stream, sorted by normalised name. At open time:
//   first city position = CityIndex[0];
//   index length        = entries up to the last nonzero one;
//   last city, count    = walking from the last index entry to the end of
//                         the stream (at most 10 records).
#pragma once

#include <cstdint>
#include <span>

#include "atlas/atlas_heap.h"
#include "atlas/atlas_stream.h"

namespace orrery {

inline constexpr int AtlasRootElements = 243;
inline constexpr int AtlasCountries = 239;
inline constexpr int CityIndexStep = 10;
// A city record's fields before its name: indices, latitude, longitude, 3 units each.
inline constexpr int CityFieldUnits = 9;

// Error codes of OpenAtlas (also pushed onto the ErrorLog).
inline constexpr int AtlasRootInvalid = 5001;
inline constexpr int AtlasRootSizeWrong = 5002;
inline constexpr int AtlasStreamNotString = 5003;
inline constexpr int AtlasStreamEmpty = 5004;
inline constexpr int AtlasIndexInvalid = 5005;

struct AtlasLayout {
  AtlasHeap heap;
  AtlasValue root = 0;
  AtlasStream stream;
  AtlasValue cityIndex = 0;
  std::uint32_t cityIndexItems = 0;  // heap offset of its first element
  std::uint32_t cityIndexCount = 0;
  std::int32_t indexLength = 0;  // CityIndex entries consulted
  std::int32_t firstCity = 0;    // stream position of city record 0
  std::int32_t lastCity = 0;     // stream position of the last city record
  std::int32_t cityCount = 0;
  std::uint32_t blobBytes = 0;
};

// Points the atlas at another blob and character table (tests, fuzzing);
// the next OpenAtlas reads it. The data must outlive its use.
void UseAtlasData(std::span<const std::uint8_t> blob, const char16_t* charTable);
// Back to the atlas held in the program.
void UseEmbeddedAtlas();

// Resets the AtlasCursor, checks the blob and derives its layout. Returns 0,
// or one of the codes 5001..5005 (pushed onto the ErrorLog; the atlas then
// holds nothing and every read yields empty names and no cities).
int OpenAtlas();
// Ends a use of the atlas begun by OpenAtlas; releases nothing.
void CloseAtlas();

// The layout of the atlas last opened (all zero when that failed).
const AtlasLayout& OpenedAtlas();
// Stream position held in CityIndex[k], 0 outside the index.
std::int32_t CityIndexEntry(std::int32_t k);
// The units the city record at position occupies.
std::int32_t CityRecordUnits(std::int32_t position);

}  // namespace orrery
