#include "atlas/city_search.h"

#include <cstdlib>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/name_normalise.h"
#include "atlas/typed_spelling.h"

namespace orrery {

namespace {

constexpr int IndicesUnits = 3;
constexpr int CoordinateUnits = 3;
static_assert(IndicesUnits + 2 * CoordinateUnits == CityFieldUnits);

bool HasCities() { return OpenedAtlas().cityCount > 0; }

bool IsCityPosition(std::int32_t position) {
  const AtlasLayout& atlas = OpenedAtlas();
  return HasCities() && position >= atlas.firstCity && position <= atlas.lastCity;
}

NormalisedName NormalisedCityName(std::int32_t position) {
  char16_t name[AtlasCityNameUnits];
  ReadPackedString(OpenedAtlas().stream, position + CityFieldUnits, name, AtlasCityNameUnits);
  return Normalised(name);
}

// The first CityIndex entry whose city's name is not below q (the index
// length when there is none).
std::int32_t FirstIndexNotBelow(const NormalisedName& q) {
  std::int32_t low = 0;
  std::int32_t high = OpenedAtlas().indexLength;
  while (low < high) {
    std::int32_t middle = low + (high - low) / 2;
    if (NormalisedCityName(CityIndexEntry(middle)).View() < q.View()) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

// The last CityIndex entry at or before position (0 when there is none).
std::int32_t LastIndexNotAbove(std::int32_t position) {
  std::int32_t low = 0;
  std::int32_t high = OpenedAtlas().indexLength;
  while (high - low > 1) {
    std::int32_t middle = low + (high - low) / 2;
    if (CityIndexEntry(middle) <= position) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low;
}

// SeekCityName for a name already in its comparison form.
std::int32_t SeekNormalisedName(const NormalisedName& q) {
  if (!HasCities()) return atlasCursor.position = 0;
  const AtlasLayout& atlas = OpenedAtlas();
  std::int32_t k = FirstIndexNotBelow(q);
  std::int32_t position = CityIndexEntry(k > 0 ? k - 1 : 0);
  while (position < atlas.lastCity && NormalisedCityName(position).View() < q.View()) {
    position += CityRecordUnits(position);
  }
  if (position > atlas.lastCity) position = atlas.lastCity;
  return atlasCursor.position = position;
}

bool StartsWith(std::u16string_view name, std::u16string_view prefix) {
  return name.substr(0, prefix.size()) == prefix;
}

}  // namespace

AtlasRef ReadCity(int flags) {
  const std::int32_t start = atlasCursor.position;
  if (!IsCityPosition(start)) return 0;
  const AtlasStream& stream = OpenedAtlas().stream;
  std::int32_t p = start;
  if ((flags & ReadIndices) != 0) {
    std::uint32_t indices = ReadNumber(stream, p, IndicesUnits);
    atlasCursor.country = static_cast<int>(indices & 0xFF);
    atlasCursor.province = static_cast<int>((indices >> 8) & 127);
    AtlasRef country = MakeAtlasRef(0, atlasCursor.country, 0, 0);
    CountryName(country);
    atlasCursor.provinceName[0] = 0;
    if ((flags & ReadProvinceName) != 0) ProvinceRef(country, atlasCursor.province);
  } else {
    atlasCursor.countryName[0] = 0;
    atlasCursor.provinceName[0] = 0;
  }
  p += IndicesUnits;
  if ((flags & ReadCoordinates) != 0) {
    AtlasCoordinate lat = UnpackCoordinate(ReadNumber(stream, p, CoordinateUnits));
    AtlasCoordinate lon = UnpackCoordinate(ReadNumber(stream, p + CoordinateUnits, CoordinateUnits));
    atlasCursor.latDegrees = lat.degrees;
    atlasCursor.latMinutes = lat.minutes;
    atlasCursor.north = lat.positive;
    atlasCursor.lonDegrees = lon.degrees;
    atlasCursor.lonMinutes = lon.minutes;
    atlasCursor.east = lon.positive;
  } else {
    atlasCursor.latDegrees = atlasCursor.latMinutes = atlasCursor.north = 0;
    atlasCursor.lonDegrees = atlasCursor.lonMinutes = atlasCursor.east = 0;
  }
  p += 2 * CoordinateUnits;
  p += ReadPackedString(stream, p, atlasCursor.cityName, AtlasCityNameUnits);
  atlasCursor.position = (flags & KeepCursor) != 0 ? start : p;
  return MakeAtlasRef(0, 0, 0, start);
}

std::int32_t SeekCityName(const char16_t* text) {
  const TypedReadings readings = ReadingsOf(Normalised(text));
  const std::int32_t asTyped = SeekNormalisedName(readings.names[0]);
  if (!HasCities()) return asTyped;
  for (int i = 0; i < readings.count; ++i) {
    const std::int32_t position = i == 0 ? asTyped : SeekNormalisedName(readings.names[i]);
    if (StartsWith(NormalisedCityName(position).View(), readings.names[i].View())) return position;
  }
  // No reading starts a name: where the name as typed would stand.
  return atlasCursor.position = asTyped;
}

AtlasRef SeekCityNumber(std::int32_t n) {
  const AtlasLayout& atlas = OpenedAtlas();
  if (n < 2) {
    atlasCursor.position = atlas.firstCity;
  } else if (n >= atlas.cityCount) {
    atlasCursor.position = atlas.lastCity;
  } else {
    std::int32_t position = CityIndexEntry(n / CityIndexStep);
    for (int i = 0; i < n % CityIndexStep && position < atlas.lastCity; ++i) {
      position += CityRecordUnits(position);
    }
    atlasCursor.position = position;
  }
  return MakeAtlasRef(0, 0, 0, atlasCursor.position);
}

std::int32_t CityNumberOf(AtlasRef ref) {
  const AtlasLayout& atlas = OpenedAtlas();
  std::int32_t target = RefPosition(ref);
  if (target < atlas.firstCity) return 1;
  if (target > atlas.lastCity) return atlas.cityCount;
  std::int32_t k = LastIndexNotAbove(target);
  std::int32_t n = k * CityIndexStep;
  std::int32_t position = CityIndexEntry(k);
  for (int i = 0; i < CityIndexStep && position < target; ++i) {
    position += CityRecordUnits(position);
    ++n;
  }
  return n;
}

AtlasRef VisitCitiesNamed(const char16_t* name, const std::function<bool(AtlasRef)>& visit) {
  const TypedReadings readings = ReadingsOf(Normalised(name));
  for (int i = 0; i < readings.count; ++i) {
    SeekNormalisedName(readings.names[i]);
    for (AtlasRef ref = ReadCity(ReadCoordinates); ref != 0; ref = ReadCity(ReadCoordinates)) {
      if (Normalised(atlasCursor.cityName).View() != readings.names[i].View()) break;
      if (visit(ref)) return ref;
    }
  }
  return 0;
}

AtlasRef FindAtlasCity(const char16_t* name) {
  const int refLat = SignedMinutes(atlasCursor.refLatDegrees, atlasCursor.refLatMinutes,
                                   atlasCursor.refNorth);
  const int refLon = SignedMinutes(atlasCursor.refLonDegrees, atlasCursor.refLonMinutes,
                                   atlasCursor.refEast);
  return VisitCitiesNamed(name, [refLat, refLon](AtlasRef) {
    return atlasCursor.north == atlasCursor.refNorth && atlasCursor.east == atlasCursor.refEast &&
           SignedMinutes(atlasCursor.latDegrees, atlasCursor.latMinutes, atlasCursor.north) == refLat &&
           SignedMinutes(atlasCursor.lonDegrees, atlasCursor.lonMinutes, atlasCursor.east) == refLon;
  });
}

int SignedMinutes(int degrees, int minutes, int flag) {
  int m = std::abs(degrees) * 60 + std::abs(minutes);
  return flag != 0 ? -m : m;
}

}  // namespace orrery
