// The Chart select dialog (template 105, "Chart select"): the five sample
// charts and every stored chart in a list, the details of the chart under
// the selection, and "Select", "Delete" and "Cancel".
//
// Every selection loads its chart into the current ChartRecord, so each way
// out sets it again: "Select" (and OK) shows the chosen chart recomputed;
// "Cancel" (and Escape) takes back the chart on show without recomputing
// it, or shows sample 0 when that chart was deleted here. "Delete" asks
// first and removes a stored chart from the store and the chart file.
#pragma once

#include <string>

#include "chart/chart_record.h"
#include "shell/platform/window.h"

namespace orrery {

inline constexpr int ChartSelectTemplate = 105;
inline constexpr int ChartListId = 1001;
inline constexpr int SelectButtonId = 1002;
inline constexpr int DeleteButtonId = 1003;
inline constexpr int CancelButtonId = 1004;
inline constexpr int DateLineId = 1053;
inline constexpr int TimeLineId = 1054;
inline constexpr int CountryLineId = 1055;
inline constexpr int CityLineId = 1056;

void RunChartSelect(platform::Window& owner);

// The detail lines of a record: "Date: 1950.03.01 ", "Time:  9:05 ",
// "Country: ...", "City: ...".
struct ChartDetails {
  std::u16string date, time, country, city;
};
ChartDetails DetailsOf(const ChartRecord& record);

}  // namespace orrery
