#include "dialogs/wizard/wizard_checks.h"

#include <algorithm>
#include <climits>

#include "chart/position_correction.h"
#include "dialogs/caution_notices.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_record.h"
#include "foundation/calendar.h"
#include "foundation/wide_string.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

ValidationResult Problem(int page, int control, int notice) { return {false, page, control, notice}; }

// A number field within [low, high].
bool InRange(std::u16string_view text, int low, int high) {
  const std::optional<int> v = ParseNumber(text);
  return v && *v >= low && *v <= high;
}

// The day notice of each month: January, then March to December in order;
// February's by leap year.
int DayNotice(int month, bool leap) {
  if (month == 1) return NoticeDayJanuary;
  if (month == 2) return leap ? NoticeDayLeapFebruary : NoticeDayFebruary;
  return NoticeDayMarch + month - 3;
}

// The place typed on "Place", moved by the correction typed on
// "Corrections" (both as they would be stored), within the latitude limit.
ValidationResult CheckPosition(const WizardInput& in) {
  ChartRecord r{};
  WriteCoordinates(in, r);
  WritePositionCorrection(in, r);
  if (r.corrDistance == 0) return {};
  const CorrectedPlace place = CorrectPosition(r);
  if (!LatitudeWithinLimit(place.latDegrees, place.latMinutes)) {
    return Problem(CorrectionsPageTemplate, IdDistance, NoticePosition);
  }
  return {};
}

}  // namespace

WizardInput InputFromRecord(const ChartRecord& r) {
  WizardInput in;
  in.name = FieldText(r.name);
  in.year = DecimalText(r.year);
  in.month = DecimalText(r.month);
  in.day = DecimalText(r.day);
  in.hour = DecimalText(r.hour);
  in.minute = DecimalText(r.minute);
  in.sex = r.sex;
  in.calendar = r.calendar;
  in.country = FieldText(r.country);
  in.state = FieldText(r.state);
  in.city = FieldText(r.city);
  in.latDegrees = DecimalText(r.latDegrees);
  in.latMinutes = DecimalText(r.latMinutes);
  in.north = r.north != 0;
  in.lonDegrees = DecimalText(r.lonDegrees);
  in.lonMinutes = DecimalText(r.lonMinutes);
  in.east = r.east != 0;
  in.zoneHours = DecimalText(r.zoneHours);
  in.zoneMinutes = DecimalText(r.zoneMinutes);
  in.dstHours = DecimalText(r.dstHours);
  in.dstMinutes = DecimalText(r.dstMinutes);
  in.zonePlus = r.zonePlus != 0;
  in.dstPlus = r.dstPlus != 0;
  in.localTime = r.localTime != 0;
  in.distance = DecimalText(r.corrDistance);
  in.unit = r.corrUnit;
  in.direction = r.corrDirection;
  in.dateGap = r.dateGap != 0;
  return in;
}

std::u16string NormalisedText(std::u16string_view text, int maxChars) {
  std::u16string s(text);
  s.push_back(0);
  CollapseSpaces(s.data());
  s.resize(std::min<size_t>(BoundedLength(s.data(), s.size()), size_t(std::max(0, maxChars))));
  while (!s.empty() && s.back() == u' ') s.pop_back();
  return s;
}

std::u16string DecimalText(int value) { return FromUtf8(std::to_string(value)); }

std::optional<int> ParseNumber(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

ValidationResult CheckNamePage(const WizardInput& in) {
  if (NormalisedText(in.name, RecordNameUnits).empty()) return Problem(NamePageTemplate, IdName, NoticeNameMissing);
  if (!InRange(in.year, 1, 2129)) return Problem(NamePageTemplate, IdYear, NoticeYear);
  if (!InRange(in.month, 1, 12)) return Problem(NamePageTemplate, IdMonth, NoticeMonth);
  const int year = *ParseNumber(in.year), month = *ParseNumber(in.month);
  const int length = MonthLength(year, month, in.calendar);
  if (!InRange(in.day, 1, length)) return Problem(NamePageTemplate, IdDay, DayNotice(month, length == 29));
  if (!InRange(in.hour, 0, 23)) return Problem(NamePageTemplate, IdHour, NoticeHour);
  if (!InRange(in.minute, 0, 59)) return Problem(NamePageTemplate, IdMinute, NoticeMinute);
  return {};
}

ValidationResult CheckPlacePage(const WizardInput& in) {
  const std::optional<int> latMinutes = ParseNumber(in.latMinutes);
  if (!InRange(in.latDegrees, 0, 77) || (*ParseNumber(in.latDegrees) == 77 && latMinutes != 0)) {
    return Problem(PlacePageTemplate, IdLatDegrees, NoticeLatitudeDegrees);
  }
  if (!InRange(in.latMinutes, 0, 59)) return Problem(PlacePageTemplate, IdLatMinutes, NoticeLatitudeMinutes);
  if (!InRange(in.lonDegrees, 0, 179)) return Problem(PlacePageTemplate, IdLonDegrees, NoticeLongitudeDegrees);
  if (!InRange(in.lonMinutes, 0, 59)) return Problem(PlacePageTemplate, IdLonMinutes, NoticeLongitudeMinutes);
  return {};
}

ValidationResult CheckCorrectionsPage(const WizardInput& in) {
  if (!in.localTime) {
    if (!InRange(in.zoneHours, 0, 23)) return Problem(CorrectionsPageTemplate, IdZoneHours, NoticeHour);
    if (!InRange(in.zoneMinutes, 0, 59)) return Problem(CorrectionsPageTemplate, IdZoneMinutes, NoticeMinute);
  }
  if (!InRange(in.dstHours, 0, 23)) return Problem(CorrectionsPageTemplate, IdDstHours, NoticeHour);
  if (!InRange(in.dstMinutes, 0, 59)) return Problem(CorrectionsPageTemplate, IdDstMinutes, NoticeMinute);
  return {};
}

ValidationResult ValidateAll(const WizardInput& in) {
  for (auto check : {CheckNamePage, CheckPlacePage, CheckCorrectionsPage, CheckPosition}) {
    const ValidationResult r = check(in);
    if (!r.valid) return r;
  }
  if (in.dateGap) return Problem(NamePageTemplate, IdDay, NoticeDateGap);
  return {};
}

}  // namespace orrery::wizard
