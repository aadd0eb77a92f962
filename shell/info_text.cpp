#include "shell/info_text.h"

#include <cmath>
#include <cstdlib>

#include "chart/position_correction.h"
#include "foundation/localized_strings.h"
#include "foundation/numbers.h"
#include "foundation/wide_string.h"
#include "shell/text_format.h"

namespace orrery {

bool HasState(std::u16string_view state) {
  return !state.empty() && !EqualsIgnoringCase(state, u"unknown");
}

std::u16string LatitudeText(int degrees, int minutes, bool north) {
  return FormatText("%2d\u00b0 %02d' %c", std::abs(degrees), std::abs(minutes), north ? 'N' : 'S');
}

std::u16string LongitudeText(int degrees, int minutes, bool east) {
  return FormatText("%3d\u00b0 %02d' %c", std::abs(degrees), std::abs(minutes), east ? 'E' : 'W');
}

std::u16string SignedHoursText(int hours, int minutes, bool plus) {
  std::u16string text = FormatText("%3d:%02d", hours, minutes);
  text[0] = plus ? u'+' : u'-';
  return text;
}

HoursMinutes TimeOfDay(double mjd) {
  if (!std::isfinite(mjd)) return {0, 0};
  const double milliseconds = std::round(Frac(mjd) * 86400000.0);
  return SecondsToHm(milliseconds / 1000.0);
}

namespace {

bool ValidUnit(int unit) { return unit >= 0 && unit < DistanceUnitCount; }
bool ValidDirection(int direction) { return direction >= 0 && direction < CompassDirectionCount; }

}  // namespace

std::u16string CorrectionText(const ChartRecord& r) {
  std::u16string text = FormatText(" %6d ", r.corrDistance);
  text += ValidUnit(r.corrUnit) ? distanceUnits[r.corrUnit].name : u"?";
  text += u" / ";
  text += ValidDirection(r.corrDirection)
              ? FromUtf8(compassDirections[r.corrDirection].shortLabel)
              : std::u16string(u"?");
  return text;
}

std::u16string CorrectionDistanceText(const ChartRecord& r) {
  const double perUnit = ValidUnit(r.corrUnit) ? distanceUnits[r.corrUnit].metres : 0.0;
  const int metres = static_cast<int>(perUnit * std::abs(static_cast<int>(r.corrDistance)));
  const int degrees =
      ValidDirection(r.corrDirection) ? static_cast<int>(compassDirections[r.corrDirection].bearing) : 0;
  if (metres < 10000) return FormatText(" ~%6d m / %3d\u00b0", metres, degrees);
  return FormatText(" ~%6d km / %3d\u00b0", metres / 1000, degrees);
}

std::u16string RulershipHeading(int rulership) {
  constexpr int ModernRulership = 59, OldRulership = 60;
  if (rulership == 0) return LocalizedString(ModernRulership);
  if (rulership == 1) return LocalizedString(OldRulership);
  return FormatText("Rulership %d", rulership);
}

}  // namespace orrery
