#include "atlas/daylight_saving.h"

#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace orrery {

namespace {

double SwitchKey(int year, int occurrence, int weekday, int month, int hour, int minute) {
  return DateKey(year, month, NthWeekdayOfMonth(year, occurrence, weekday, month), hour, minute);
}

}  // namespace

double MomentKey(const AtlasMoment& m) {
  return DateKey(m.year, m.month, m.day, m.hour, m.minute);
}

const DaylightSavingRule& FindDaylightSavingRule(int number) {
  std::span<const DaylightSavingRule> rules = DaylightSavingRules();
  for (const DaylightSavingRule& rule : rules) {
    if (rule.number == number) return rule;
  }
  return rules.front();
}

AtlasCorrection EvaluateDaylightSavingRule(const DaylightSavingRule& rule,
                                          const AtlasMoment& moment) {
  const int y = moment.year;
  const double key = MomentKey(moment);
  const double start = SwitchKey(y, rule.startOccurrence, rule.startWeekday, rule.startMonth,
                                 rule.startHour, rule.startMinute);
  const double end = SwitchKey(y, rule.endOccurrence, rule.endWeekday, rule.endMonth,
                               rule.endHour, rule.endMinute);
  bool inside = rule.endMonth < rule.startMonth ? key >= start || key <= end
                                                : key >= start && key <= end;
  if (!inside) return {0, 0, 1};
  int magnitude = rule.hours < 0 ? -rule.hours : rule.hours;
  return {magnitude, 0, rule.hours <= 0 ? 1 : 0};
}

}  // namespace orrery
