// The system clock: the current Universal Time, which tests and scripted
// runs can fix.
#pragma once

#include <optional>

namespace orrery::platform {

struct SystemTime {
  int year = 0;
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// The current UTC date and time (GetSystemTime), or the fixed time when one
// is set.
SystemTime CurrentUtc();
// Fixes the clock at t; nullopt lets it run again.
void FixClock(std::optional<SystemTime> t);

}  // namespace orrery::platform
