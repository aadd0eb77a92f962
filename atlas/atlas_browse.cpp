#include "atlas/atlas_browse.h"

#include <algorithm>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "foundation/wide_string.h"

namespace orrery {

namespace {

constexpr const char16_t* RegionNames[AtlasRegions + 1] = {
    u"Nothing selected", u"Africa",    u"America / USA", u"Asia",          u"Atlantic Ocean",
    u"Australia",        u"Europe",    u"Indian Ocean",  u"Pacific Ocean", u"Russian Federation",
};

// CountryEntry elements.
constexpr std::uint32_t RegionElement = 0;
constexpr std::uint32_t NameElement = 1;
constexpr std::uint32_t ProvincesElement = 2;
// Province numbers fit in 7 bits.
constexpr std::uint32_t MaxProvinces = 127;

std::int32_t EntryInteger(AtlasValue entry, std::uint32_t element) {
  return IntegerValue(VectorElement(OpenedAtlas().heap, entry, element));
}

int CountryRegion(int country) { return EntryInteger(CountryEntry(country), RegionElement) & 15; }

}  // namespace

const char16_t* RegionName(int region) {
  return region >= 0 && region <= AtlasRegions ? RegionNames[region] : u"";
}

AtlasValue CountryEntry(int country) {
  if (country < 1 || country > AtlasCountries) return AtlasEmptyList;
  return VectorElement(OpenedAtlas().heap, OpenedAtlas().root, static_cast<std::uint32_t>(country));
}

AtlasValue ProvinceEntry(int country, int k) {
  const AtlasHeap& heap = OpenedAtlas().heap;
  AtlasValue provinces = VectorElement(heap, CountryEntry(country), ProvincesElement);
  if (k < 1) return AtlasEmptyList;
  return VectorElement(heap, provinces, static_cast<std::uint32_t>(k));
}

void ReadNameAt(std::int32_t position, char16_t* buffer, int capacity) {
  if (position > 0) ReadPackedString(OpenedAtlas().stream, position, buffer, capacity);
}

AtlasRef RegionRef(int region) {
  if (region < 0 || region > AtlasRegions) return 0;
  CopyText(atlasCursor.regionName, AtlasRegionNameUnits, RegionName(region));
  return MakeAtlasRef(region, 0, 0, 0);
}

void StartCountries(AtlasRef ref) {
  int region = RefRegion(ref);
  atlasCursor.region = region > 10 ? 0 : region;
  atlasCursor.lastCountry = 0;
}

AtlasRef NextCountry() {
  if (atlasCursor.region < 1 || atlasCursor.region > AtlasRegions) {
    atlasCursor.countryName[0] = 0;
    return 0;
  }
  while (atlasCursor.lastCountry < AtlasCountries) {
    int country = ++atlasCursor.lastCountry;
    if (CountryRegion(country) != atlasCursor.region) continue;
    ReadNameAt(EntryInteger(CountryEntry(country), NameElement), atlasCursor.countryName,
               AtlasCountryNameUnits);
    return MakeAtlasRef(atlasCursor.region, country, 0, 0);
  }
  atlasCursor.countryName[0] = 0;
  return 0;
}

void CountryName(AtlasRef ref) {
  atlasCursor.countryName[0] = 0;
  ReadNameAt(EntryInteger(CountryEntry(RefCountry(ref)), NameElement), atlasCursor.countryName,
             AtlasCountryNameUnits);
}

int ProvinceCount(AtlasRef ref) {
  const AtlasHeap& heap = OpenedAtlas().heap;
  AtlasValue provinces = VectorElement(heap, CountryEntry(RefCountry(ref)), ProvincesElement);
  std::uint32_t count = VectorCount(heap, provinces);
  if (count == 0) return 0;
  return static_cast<int>(std::min<std::uint32_t>(count - 1, MaxProvinces));
}

AtlasRef ProvinceRef(AtlasRef ref, int k) {
  atlasCursor.provinceName[0] = 0;
  int count = ProvinceCount(ref);
  if (k == -1) return count;
  if (k < 1 || k > count) return 0;
  int country = RefCountry(ref);
  ReadNameAt(IntegerValue(VectorElement(OpenedAtlas().heap, ProvinceEntry(country, k), 0)),
             atlasCursor.provinceName, AtlasProvinceNameUnits);
  return MakeAtlasRef(0, country, k, 0);
}

}  // namespace orrery
