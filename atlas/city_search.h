// The sorted city list: reading records at the AtlasCursor, finding cities by
// typed name, and stepping between running numbers and stream positions.
//
// A CityRecord: 3 units country (bits 0-7) and province (bits 8-14); 3 units
// latitude and 3 units longitude (minutes bits 0-5, degrees bits 6-13, bit 14
// south or west); a packed name. Records are stored back to back, sorted by
// normalised name; city number n is the n-th record from 0. A search costs
// about 16 CityIndex probes and at most 11 record reads.
#pragma once

#include <cstdint>
#include <functional>

#include "atlas/atlas_ref.h"

namespace orrery {

enum ReadCityFlags : int {
  ReadIndices = 2,      // country and province numbers and the country name
  ReadProvinceName = 4,
  ReadCoordinates = 8,
  KeepCursor = 64,      // leave the cursor at the record
  ReadEverything = 15,
};

// Reads the city record at the cursor into the AtlasCursor and moves the
// cursor past it; returns its city ref, or 0 outside the city records.
AtlasRef ReadCity(int flags);
// Position of the first city whose normalised name is not below the
// normalised text (the last city when none is); the cursor moves there too.
// When no name starts with the text but one starts with another of its
// readings ("hoett" -> "hott", typed_spelling.h), the first city of that
// reading.
std::int32_t SeekCityName(const char16_t* text);
// Moves the cursor to city number n (0 and 1 both give the first city; n
// past the end gives the last) and returns its ref.
AtlasRef SeekCityNumber(std::int32_t n);
// The running number of a city ref (1 below the first record, the city
// count above the last).
std::int32_t CityNumberOf(AtlasRef ref);
// Reads, with ReadCoordinates, every city whose normalised name equals the
// normalised name or one of its other readings, in order, and passes its ref
// to visit until visit returns true; returns that ref, or 0 when it never does.
AtlasRef VisitCitiesNamed(const char16_t* name, const std::function<bool(AtlasRef)>& visit);
// A city with this normalised name (or another reading of it) at the
// cursor's reference position (degrees and minutes with their hemisphere
// flags), or 0.
AtlasRef FindAtlasCity(const char16_t* name);

// |degrees| x 60 + |minutes|, negated when the flag is set; compares positions.
int SignedMinutes(int degrees, int minutes, int flag);

}  // namespace orrery
