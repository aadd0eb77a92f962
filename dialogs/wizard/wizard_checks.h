// The checks of the New Chart wizard: what the user typed, checked field by
// field in one fixed order, reporting the first problem with the page to
// show, the control to focus and the caution notice to open.
//
// A "number" is a field of decimal digits only (blanks around them allowed),
// as an unsigned value; an empty field is no number.
#pragma once

#include <optional>
#include <string>

#include "chart/chart_record.h"

namespace orrery::wizard {

// The wizard's fields as text, as the pages hold them.
struct WizardInput {
  // "Name"
  std::u16string name, year, month, day, hour, minute;
  int sex = 0;       // 0 neutral, 1 male, 2 female
  int calendar = 0;  // 0 Gregorian, 1 Julian
  // "Place"
  std::u16string country, state, city;
  std::u16string latDegrees, latMinutes, lonDegrees, lonMinutes;
  bool north = true, east = true;
  // "Corrections"
  std::u16string zoneHours, zoneMinutes, dstHours, dstMinutes;
  bool zonePlus = true, dstPlus = true;
  bool localTime = false;
  std::u16string distance;
  int unit = 0, direction = 0;
  // The changeover flag of the last atlas entry applied.
  bool dateGap = false;
};

// The first problem found, or valid.
struct ValidationResult {
  bool valid = true;
  int page = 0;     // page template: 110 Name, 112 Place, 113 Corrections
  int control = 0;  // control to focus
  int notice = 0;   // caution notice to open
};

// The fields as the record holds them (numbers written out in decimal).
WizardInput InputFromRecord(const ChartRecord& record);

// text with its spaces normalised (leading and trailing ones removed, runs
// reduced to one), cut to at most maxChars characters.
std::u16string NormalisedText(std::u16string_view text, int maxChars);

// value written out in decimal.
std::u16string DecimalText(int value);

// The value of a number field; nothing when it holds no number (or one
// too large for an int).
std::optional<int> ParseNumber(std::u16string_view text);

// The checks of one page, in order: "Name" the name, date and time;
// "Place" latitude and longitude; "Corrections" the zone (unless local
// time is used) and daylight-saving fields.
ValidationResult CheckNamePage(const WizardInput& in);
ValidationResult CheckPlacePage(const WizardInput& in);
ValidationResult CheckCorrectionsPage(const WizardInput& in);
// Every check in order: the three pages' checks, then the position
// correction (the corrected place must stay within 77 degrees 00 minutes of
// latitude) and the calendar changeover.
ValidationResult ValidateAll(const WizardInput& in);

}  // namespace orrery::wizard
