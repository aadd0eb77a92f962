#include "atlas/atlas_ref.h"

#include "atlas/atlas_browse.h"
#include "atlas/atlas_open.h"

namespace orrery {

namespace {

constexpr std::int32_t CityBit = 0x40000000;
constexpr std::int32_t PositionMask = 0xFFFFFF;

bool IsRegion(int region) { return region >= 1 && region <= AtlasRegions; }

}  // namespace

AtlasRef MakeAtlasRef(int region, int country, int province, std::int32_t position) {
  if (position >= 1) return CityBit | (position & PositionMask);
  AtlasRef ref = 0;
  if (IsRegion(region)) ref = region << 8;
  if (country >= 1 && country <= AtlasCountries) {
    ref |= country;
    if (!IsRegion(region)) {
      int fromEntry = IntegerValue(VectorElement(OpenedAtlas().heap, CountryEntry(country), 0)) & 15;
      if (IsRegion(fromEntry)) ref |= fromEntry << 8;
    }
    if (province > 0) ref |= (province & 127) << 16;
  }
  return ref;
}

bool IsCityRef(AtlasRef ref) { return ref > 0 && (ref & CityBit) != 0; }

int RefRegion(AtlasRef ref) { return IsCityRef(ref) || ref <= 0 ? 0 : (ref >> 8) & 15; }

int RefCountry(AtlasRef ref) { return IsCityRef(ref) || ref <= 0 ? 0 : ref & 0xFF; }

int RefProvince(AtlasRef ref) { return IsCityRef(ref) || ref <= 0 ? 0 : (ref >> 16) & 127; }

std::int32_t RefPosition(AtlasRef ref) { return IsCityRef(ref) ? ref & PositionMask : 0; }

AtlasLevel RefLevel(AtlasRef ref) {
  if (IsCityRef(ref)) return CityLevel;
  if (RefProvince(ref) != 0) return ProvinceLevel;
  if (RefCountry(ref) != 0) return CountryLevel;
  if (RefRegion(ref) != 0) return RegionLevel;
  return NoLevel;
}

}  // namespace orrery
