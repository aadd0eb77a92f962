// The City page's view of the sorted atlas: a window of eight consecutive
// cities, moved by a typed name, by the scroll arrows, or to the city of a
// record being edited. Every move reads through the one AtlasCursor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "atlas/atlas_ref.h"
#include "chart/chart_record.h"

namespace orrery::wizard {

inline constexpr int CityWindowRows = 8;
// Windows tried, one after the other, to find the city of an edited record.
inline constexpr int CityWindowsSearched = 6;

struct CityRow {
  AtlasRef ref = 0;
  std::u16string text;  // as the list shows it
  std::u16string country, province;
  int latDegrees = 0, latMinutes = 0, north = 1;
  int lonDegrees = 0, lonMinutes = 0, east = 1;
};

// "City,  Country"; a city of "United States of America, USA" shows
// "City,  USA".
std::u16string CityRowText(std::u16string_view city, std::u16string_view country);
// "%3d°%2d' N" or "... S"; "%3d°%2d' E" or "... W".
std::u16string LatitudeText(int degrees, int minutes, int north);
std::u16string LongitudeText(int degrees, int minutes, int east);

// Stream position of the first city of the last full window (the first
// city when the atlas holds eight or fewer).
std::int32_t LastWindowStart();
// Up to eight cities from position, clamped between the first city and
// LastWindowStart(); none when the atlas holds no cities.
std::vector<CityRow> ReadCityWindow(std::int32_t position);
// The window's first city for the up arrow (seven cities before the first
// row) and for the down arrow (the eighth row).
std::int32_t WindowAbove(const std::vector<CityRow>& rows);
std::int32_t WindowBelow(const std::vector<CityRow>& rows);

// The window found for an edited record: the rows from the record's city
// name on, up to six windows, down to the first row at the record's
// latitude and longitude; else the first window of the atlas with row 0.
struct CityWindow {
  std::vector<CityRow> rows;
  int selected = -1;
};
CityWindow FindRecordCity(const ChartRecord& record);

}  // namespace orrery::wizard
