// The date picker: a full-screen month calendar titled "Pick a date", with
// an empty menu bar.
#pragma once

#include "shell/platform/month_calendar.h"
#include "shell/platform/window.h"

namespace orrery {

inline constexpr int PickDateTemplate = 250;
inline constexpr int PickDateCalendarId = 1049;

struct DatePick {
  // The selectable range; a year of 0 means no limit on that side.
  platform::Date earliest;
  platform::Date latest;
  // Set by PickDate: the chosen date after OK, else all zero.
  platform::Date result;
};

// Shows the calendar: 1 after OK with pick.result set, 2 after Cancel (or
// any other end).
int PickDate(platform::Window& owner, DatePick& pick);

}  // namespace orrery
