// AtlasRef: a 32-bit reference to one atlas entry, as the wizard's region
// tree and city list carry it.
//   bit 30 set: a city; bits 0-23 hold the stream position of its record;
//   otherwise:  country in bits 0-7, region in bits 8-11, province in bits
//               16-22; 0 refers to nothing.
#pragma once

#include <cstdint>

namespace orrery {

using AtlasRef = std::int32_t;

enum AtlasLevel : int { NoLevel = 0, RegionLevel = 1, CountryLevel = 2, ProvinceLevel = 3, CityLevel = 4 };

inline constexpr int AtlasRegions = 9;

// A position of 1 or more gives a city reference. Otherwise the region is
// kept when it is 1..9; a country 1..239 is kept, taking its region from its
// CountryEntry when none was given, with a positive province (AND 127).
AtlasRef MakeAtlasRef(int region, int country, int province, std::int32_t position);

int RefRegion(AtlasRef ref);
int RefCountry(AtlasRef ref);
int RefProvince(AtlasRef ref);
// Stream position of a city reference; 0 for any other.
std::int32_t RefPosition(AtlasRef ref);
bool IsCityRef(AtlasRef ref);
AtlasLevel RefLevel(AtlasRef ref);

}  // namespace orrery
