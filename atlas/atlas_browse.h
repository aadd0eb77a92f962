// Browsing the atlas: regions, the countries of a region and the provinces
// of a country, as the wizard's region tree lists them. Names go into the
// AtlasCursor's name buffers.
#pragma once

#include "atlas/atlas_heap.h"
#include "atlas/atlas_ref.h"

namespace orrery {

// "Nothing selected" (0), "Africa" .. "Russian Federation" (9); "" outside.
const char16_t* RegionName(int region);

// Sets the region name; MakeAtlasRef (region, 0, 0, 0); 0 outside 0..9.
AtlasRef RegionRef(int region);
// Begins enumerating the countries of the ref's region.
void StartCountries(AtlasRef ref);
// The next country of that region (its name in the country-name buffer), 0 at the end.
AtlasRef NextCountry();
// The ref's country name into the country-name buffer ("" when it has none).
void CountryName(AtlasRef ref);
// Provinces of the ref's country, numbered 1 to the count.
int ProvinceCount(AtlasRef ref);
// Sets the province name and returns the province's ref for k = 1..count;
// k = -1 returns the count; any other k returns 0.
AtlasRef ProvinceRef(AtlasRef ref, int k);

// The CountryEntry of country 1..239 (the empty list otherwise).
AtlasValue CountryEntry(int country);
// The ProvinceEntry k (1..count) of a country (the empty list otherwise).
AtlasValue ProvinceEntry(int country, int k);
// Reads the packed name at a stream position into a buffer; a position of 0
// or less leaves the buffer unchanged.
void ReadNameAt(std::int32_t position, char16_t* buffer, int capacity);

}  // namespace orrery
