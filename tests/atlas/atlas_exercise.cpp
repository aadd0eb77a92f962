#include "atlas_exercise.h"

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "foundation/wide_string.h"

namespace orrery::testing {

namespace {

bool Terminated(const char16_t* buffer, std::size_t capacity) {
  return BoundedLength(buffer, capacity) < capacity;
}

std::string CheckNames() {
  if (!Terminated(atlasCursor.regionName, AtlasRegionNameUnits) ||
      !Terminated(atlasCursor.countryName, AtlasCountryNameUnits) ||
      !Terminated(atlasCursor.provinceName, AtlasProvinceNameUnits) ||
      !Terminated(atlasCursor.cityName, AtlasCityNameUnits)) {
    return "a name buffer is not terminated";
  }
  return {};
}

std::string CheckCityRef(AtlasRef ref) {
  const AtlasLayout& atlas = OpenedAtlas();
  if (ref == 0) return {};
  std::int32_t p = RefPosition(ref);
  if (p < atlas.firstCity || p > atlas.lastCity) return "a city ref outside the city records";
  return CheckNames();
}

std::string CheckEntry() {
  const AtlasCursor& c = atlasCursor;
  if (c.zoneHours > 31 || c.zoneMinutes > 63 || c.dstHours > 31 || c.dstMinutes > 63 ||
      c.latDegrees > 255 || c.latMinutes > 63 || c.lonDegrees > 255 || c.lonMinutes > 63) {
    return "a field outside its bits";
  }
  if ((c.zonePlus | c.dstPlus | c.north | c.east | c.localMeanTime | c.dateGap) > 1) {
    return "a flag other than 0 or 1";
  }
  if (c.localMeanTime == 1 && (c.zoneHours != 0 || c.zoneMinutes != 0)) {
    return "a zone correction with local mean time";
  }
  return CheckNames();
}

std::string ExerciseCities() {
  const AtlasLayout& atlas = OpenedAtlas();
  for (const char16_t* text : {u"", u"a", u"ber", u"Sankt Gallen", u"zz", u"\uFFFF"}) {
    std::int32_t p = SeekCityName(text);
    if (atlas.cityCount > 0 && (p < atlas.firstCity || p > atlas.lastCity)) {
      return "SeekCityName outside the city records";
    }
    for (int i = 0; i < 8; ++i) {
      if (std::string e = CheckCityRef(ReadCity(ReadEverything)); !e.empty()) return e;
    }
  }
  for (std::int32_t n : {-1, 0, 1, 2, 9, 10, 11, atlas.cityCount - 1, atlas.cityCount, 1 << 22}) {
    AtlasRef ref = SeekCityNumber(n);
    if (atlas.cityCount > 0 && ref == 0) return "SeekCityNumber gave no city";
    std::int32_t number = CityNumberOf(ref);
    if (number < 0 || number > atlas.cityCount + 1) return "CityNumberOf outside the count";
  }
  atlasCursor.position = atlas.firstCity;
  for (int i = 0; i < 64; ++i) {
    AtlasRef ref = ReadCity(ReadEverything | KeepCursor);
    if (ref == 0) break;
    atlasCursor.moment = {1850 + 40 * (i % 5), 1 + i % 12, 1 + i % 28, i % 24, i % 60};
    LoadAtlasEntry(ref);
    if (std::string e = CheckEntry(); !e.empty()) return e;
    atlasCursor.refNorth = atlasCursor.north;
    atlasCursor.refEast = atlasCursor.east;
    atlasCursor.refLatDegrees = atlasCursor.latDegrees;
    atlasCursor.refLatMinutes = atlasCursor.latMinutes;
    atlasCursor.refLonDegrees = atlasCursor.lonDegrees;
    atlasCursor.refLonMinutes = atlasCursor.lonMinutes;
    char16_t name[AtlasCityNameUnits];
    CopyText(name, AtlasCityNameUnits, atlasCursor.cityName);
    if (std::string e = CheckCityRef(FindAtlasCity(name)); !e.empty()) return e;
    atlasCursor.position = RefPosition(ref);
    ReadCity(0);
  }
  return {};
}

std::string ExerciseCountries() {
  for (int region = 0; region <= 10; ++region) {
    StartCountries(RegionRef(region));
    for (AtlasRef country = NextCountry(); country != 0; country = NextCountry()) {
      if (RefCountry(country) < 1 || RefCountry(country) > AtlasCountries) {
        return "NextCountry gave no country";
      }
      int count = ProvinceCount(country);
      if (count < 0 || count > 127 || ProvinceRef(country, -1) != count) {
        return "a province count outside 0..127";
      }
      for (int k = 0; k <= count; ++k) {
        AtlasRef province = ProvinceRef(country, k);
        atlasCursor.moment = {1950, 6, 1, 12, 0};
        LoadAtlasEntry(province == 0 ? country : province);
        if (std::string e = CheckEntry(); !e.empty()) return e;
      }
    }
  }
  return CheckNames();
}

}  // namespace

std::string ExerciseAtlas() {
  int code = OpenAtlas();
  if (code != 0 && (code < 5001 || code > 5005)) return "OpenAtlas gave an unknown code";
  const AtlasLayout& atlas = OpenedAtlas();
  if (code != 0 && atlas.cityCount != 0) return "a failed open left cities";
  if (atlas.cityCount > 0 && (atlas.firstCity > atlas.lastCity || atlas.indexLength < 1)) {
    return "an inconsistent city layout";
  }
  if (std::string e = ExerciseCountries(); !e.empty()) return e;
  if (std::string e = ExerciseCities(); !e.empty()) return e;
  if (code != 0 && ReadCity(ReadEverything) != 0) return "a city read from a failed atlas";
  return {};
}

}  // namespace orrery::testing
