#include "dialogs/wizard/city_window.h"

#include <algorithm>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

constexpr std::u16string_view UsaCountry = u"United States of America, USA";

CityRow RowAtCursor() {
  CityRow row;
  row.ref = ReadCity(ReadEverything);
  if (row.ref == 0) return row;
  const AtlasCursor& c = atlasCursor;
  row.text = CityRowText(FieldText(c.cityName), FieldText(c.countryName));
  row.country = FieldText(c.countryName);
  row.province = FieldText(c.provinceName);
  row.latDegrees = c.latDegrees;
  row.latMinutes = c.latMinutes;
  row.north = c.north;
  row.lonDegrees = c.lonDegrees;
  row.lonMinutes = c.lonMinutes;
  row.east = c.east;
  return row;
}

bool AtPlaceOf(const CityRow& row, const ChartRecord& r) {
  return SignedMinutes(row.latDegrees, row.latMinutes, row.north) ==
             SignedMinutes(r.latDegrees, r.latMinutes, static_cast<int>(r.north)) &&
         SignedMinutes(row.lonDegrees, row.lonMinutes, row.east) ==
             SignedMinutes(r.lonDegrees, r.lonMinutes, static_cast<int>(r.east));
}

}  // namespace

std::u16string CityRowText(std::u16string_view city, std::u16string_view country) {
  std::u16string text(city);
  text += u",  ";
  text += country == UsaCountry ? u"USA" : country;
  return text;
}

std::u16string LatitudeText(int degrees, int minutes, int north) {
  return FormatText("%3d°%2d' %s", degrees, minutes, north ? "N" : "S");
}

std::u16string LongitudeText(int degrees, int minutes, int east) {
  return FormatText("%3d°%2d' %s", degrees, minutes, east ? "E" : "W");
}

std::int32_t LastWindowStart() {
  const AtlasLayout& atlas = OpenedAtlas();
  if (atlas.cityCount <= CityWindowRows) return atlas.firstCity;
  // City numbers count from 0 (SeekCityNumber takes 0 and 1 alike).
  const std::int32_t n = atlas.cityCount - CityWindowRows;
  return n == 1 ? atlas.firstCity + CityRecordUnits(atlas.firstCity) : RefPosition(SeekCityNumber(n));
}

std::vector<CityRow> ReadCityWindow(std::int32_t position) {
  std::vector<CityRow> rows;
  const AtlasLayout& atlas = OpenedAtlas();
  if (atlas.cityCount <= 0) return rows;
  atlasCursor.position = std::clamp(position, atlas.firstCity, LastWindowStart());
  while (int(rows.size()) < CityWindowRows) {
    CityRow row = RowAtCursor();
    if (row.ref == 0) break;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::int32_t WindowAbove(const std::vector<CityRow>& rows) {
  if (rows.empty()) return OpenedAtlas().firstCity;
  return RefPosition(SeekCityNumber(CityNumberOf(rows.front().ref) - (CityWindowRows - 1)));
}

std::int32_t WindowBelow(const std::vector<CityRow>& rows) {
  if (rows.empty()) return OpenedAtlas().firstCity;
  return RefPosition(rows.back().ref);
}

CityWindow FindRecordCity(const ChartRecord& record) {
  std::int32_t position = SeekCityName(FieldText(record.city).c_str());
  for (int w = 0; w < CityWindowsSearched; ++w) {
    CityWindow window{ReadCityWindow(position), -1};
    for (int i = 0; i < int(window.rows.size()); ++i) {
      if (AtPlaceOf(window.rows[i], record)) {
        window.selected = i;
        return window;
      }
    }
    // The next window begins after this one's last row.
    if (window.rows.empty()) break;
    position = atlasCursor.position;
  }
  CityWindow first{ReadCityWindow(OpenedAtlas().firstCity), 0};
  if (first.rows.empty()) first.selected = -1;
  return first;
}

}  // namespace orrery::wizard
