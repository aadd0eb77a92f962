// The texts of the Info view's fields, apart from their placement.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_record.h"
#include "foundation/angles.h"

namespace orrery {

// Whether the place has a state to show: not empty and not "unknown" (in
// any case).
bool HasState(std::u16string_view state);
// "%2d° %02d' N" (or S) and "%3d° %02d' E" (or W), of magnitudes.
std::u16string LatitudeText(int degrees, int minutes, bool north);
std::u16string LongitudeText(int degrees, int minutes, bool east);
// A time correction: "%3d:%02d" with its first character replaced by the
// sign, so 5 hours minus read "- 5:00" and 12 hours plus "+12:00".
std::u16string SignedHoursText(int hours, int minutes, bool plus);
// Hours and whole minutes of the time of day of a day number, taken from
// the moment rounded to the millisecond (so 10:03 never reads 10:02).
HoursMinutes TimeOfDay(double mjd);
// " %6d " distance, unit name, " / ", direction: "      7 Kilometers / WSW".
std::u16string CorrectionText(const ChartRecord& r);
// The correction in metres (below 10000 m) or kilometres, and its bearing
// in whole degrees: " ~  7000 m / 247°", " ~    12 km /   0°".
std::u16string CorrectionDistanceText(const ChartRecord& r);
// Heading of the dignity rows: "Modern Rulership", "Old Rulership", or for
// the systems the Options pages do not offer "Rulership 2" and "Rulership 3".
std::u16string RulershipHeading(int rulership);

}  // namespace orrery
