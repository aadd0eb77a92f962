#include "shell/platform/clock.h"

#include <chrono>

namespace orrery::platform {

namespace {

std::optional<SystemTime>& FixedTime() {
  static std::optional<SystemTime> fixed;
  return fixed;
}

}  // namespace

SystemTime CurrentUtc() {
  if (FixedTime()) return *FixedTime();
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto day = floor<days>(now);
  const year_month_day ymd{day};
  const hh_mm_ss time{floor<milliseconds>(now - day)};
  return {int(ymd.year()),          int(unsigned(ymd.month())), int(unsigned(ymd.day())),
          int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count()),
          int(time.subseconds().count())};
}

void FixClock(std::optional<SystemTime> t) { FixedTime() = t; }

}  // namespace orrery::platform
