// The DaylightSavingRule table: the recurring daylight-saving rules that the
// atlas's type 6 rules name by number, and their evaluation for a moment.
//
// A rule switches at a local clock time on the n-th (1..3) or last (4)
// weekday (1 Monday .. 7 Sunday) of a month. The correction is |hours| hours;
// its plus flag is 0 for positive hours, so that Universal Time = local time
// - zone correction + daylight-saving correction (a one-hour summer time is
// stored as one hour with the minus sign).
#pragma once

#include <span>

#include "atlas/atlas_stream.h"

namespace orrery {

struct DaylightSavingRule {
  int number;
  int startOccurrence, startWeekday, startMonth, startHour, startMinute;
  int endOccurrence, endWeekday, endMonth, endHour, endMinute;
  int hours;
};

// A local civil moment.
struct AtlasMoment {
  int year, month, day, hour, minute;
};

double MomentKey(const AtlasMoment& m);

// The program's rule table (rows 1 to 3 first).
std::span<const DaylightSavingRule> DaylightSavingRules();
// The row with this number, or the first row when none has it.
const DaylightSavingRule& FindDaylightSavingRule(int number);

// The daylight-saving correction the rule gives at the moment (0:00, plus 1,
// outside its period). Both bounds are inclusive. A rule whose end month
// comes before its start month (southern hemisphere) runs over the new year:
// in year Y it holds from the start in Y onwards and up to the end in Y of
// the period that began in Y - 1.
AtlasCorrection EvaluateDaylightSavingRule(const DaylightSavingRule& rule,
                                          const AtlasMoment& moment);

}  // namespace orrery
