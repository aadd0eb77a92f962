// The AtlasCursor: the one atlas state of the program, reset by OpenAtlas.
// Every read fills it: the position of the next city record, the country
// enumeration, the names, coordinates and corrections of the entry last
// read, and the moment and reference position that the caller sets before
// LoadAtlasEntry and FindAtlasCity.
#pragma once

#include <cstdint>

#include "atlas/atlas_stream.h"
#include "atlas/daylight_saving.h"

namespace orrery {

inline constexpr int AtlasRegionNameUnits = 27;
inline constexpr int AtlasCountryNameUnits = 31;
inline constexpr int AtlasProvinceNameUnits = 45;
inline constexpr int AtlasCityNameUnits = 49;

struct AtlasCursor {
  std::int32_t position;  // stream position of the next city record to read

  int region;       // region being enumerated, 1..9
  int lastCountry;  // last country number handed out by the enumeration

  char16_t regionName[AtlasRegionNameUnits];
  char16_t countryName[AtlasCountryNameUnits];
  char16_t provinceName[AtlasProvinceNameUnits];
  char16_t cityName[AtlasCityNameUnits];

  int country;   // 0..255, of the city last read with its indices
  int province;  // 0..127

  int latDegrees, latMinutes, north;
  int lonDegrees, lonMinutes, east;
  int zoneHours, zoneMinutes, zonePlus;
  int dstHours, dstMinutes, dstPlus;
  int localMeanTime;  // the place kept local mean time at the moment asked for
  int dateGap;        // the moment falls into the place's calendar changeover gap

  AtlasDate firstSkipped;    // first date the changeover skipped; year 0 = missing
  AtlasDate firstGregorian;  // first Gregorian date; year 0 = missing

  AtlasMoment moment;  // set by the caller before LoadAtlasEntry

  // Reference position for FindAtlasCity, set by the caller.
  int refLatDegrees, refLatMinutes, refNorth;
  int refLonDegrees, refLonMinutes, refEast;
};

extern AtlasCursor atlasCursor;

}  // namespace orrery
