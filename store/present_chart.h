// The chart of the present moment at the natal chart's place (slot 1).
//
// The record holds the place's local civil time of now, so that the chart
// computed from it (Universal Time = local time - zone + daylight saving)
// shows the sky of the present moment. The place, zone and daylight saving
// come from the atlas for that moment when the natal place is an atlas city
// (same name, same position to the minute); otherwise the natal chart's own
// place and corrections are kept.
#pragma once

#include <cstdint>

namespace orrery {

// Builds slot 1 from slot 0 and the clock, then shows it recomputed.
void BuildPresentChart();

// The clock of the present moment: seconds since 1970-01-01 0h UT. nullptr
// (the default) is the system clock; tests set a fixed one.
void SetPresentClock(std::int64_t (*clock)());

}  // namespace orrery
