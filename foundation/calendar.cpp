#include "foundation/calendar.h"

#include <cmath>
#include <cstdlib>

#include "foundation/numbers.h"

namespace orrery {

Mjd CalendarToMjd(int year, int month, int day, double secondsOfDay, int calendar) {
  int y = year;
  int m = month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  int b = 0;
  if (calendar == Gregorian) {
    b = y / 400 - y / 100 + y / 4;
  } else if (calendar == Julian) {
    b = (y + 4716) / 4 - 1181;
  }
  return 365.0 * y - 679004.0 + b + static_cast<int>(30.6001 * (m + 1)) + day +
         secondsOfDay / 86400.0;
}

CalendarDate MjdToCalendar(Mjd mjd) {
  // Day numbers beyond the range of the formula's integers give a zero date.
  if (!(std::fabs(mjd) < 1e9)) return {0, 0, 0};
  long a = static_cast<long>(mjd + 2400001.0);
  long cc;
  if (a < 2299161) {
    cc = a + 1524;
  } else {
    long b = static_cast<long>((a - 1867216.25) * 2.7379070069885075e-5);
    cc = a + b - b / 4 + 1525;
  }
  long dd = static_cast<long>((cc - 122.1) * 0.0027378507871321013);
  long e = 365 * dd + dd / 4;
  long f = static_cast<long>((cc - e) * 0.03267963176590926);
  CalendarDate date;
  date.day = static_cast<int>(cc - e - static_cast<long>(30.6001 * f));
  date.month = static_cast<int>(f - 1 - 12 * (f / 14));
  date.year = static_cast<int>(dd - 4715 - (date.month + 7) / 10);
  return date;
}

double MjdToJd(Mjd mjd) { return mjd + 2400000.5; }

Mjd JdToMjd(double jd) { return jd - 2400000.5; }

double SecondsOfDay(Mjd mjd) { return Frac(mjd) * 86400.0; }

int IsLeapYear(Mjd mjd) {
  // The magnitude keeps the remainders non-negative, so years before 1 get
  // 0 or 1 as well (the rule is symmetric about year 0).
  int y = std::abs(MjdToCalendar(mjd).year);
  return Sgn(y % 100) - Sgn((y % 100) % 4) - Sgn(y % 400) + 1;
}

int DaysInMonth(Mjd mjd) {
  int m = MjdToCalendar(mjd).month;
  return ((m + m / 8) % 2) - (2 - IsLeapYear(mjd)) * (1 - std::abs(Sgn(m - 2))) + 30;
}

int MonthLength(int year, int month, int calendar) {
  static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month != 2) return days[month - 1];
  bool leap = year % 4 == 0 && (calendar == Julian || year % 100 != 0 || year % 400 == 0);
  return leap ? 29 : 28;
}

int Weekday(Mjd mjd) {
  if (!std::isfinite(mjd)) return 0;
  // MJD 0 was a Wednesday (3).
  double w = std::fmod(std::floor(mjd) + 2.0, 7.0);
  if (w < 0.0) w += 7.0;
  return static_cast<int>(w) + 1;
}

int NthWeekdayOfMonth(int year, int n, int weekday, int month) {
  Mjd mjd = CalendarToMjd(year, month, 1, 0.0, Gregorian);
  int length = DaysInMonth(mjd);
  if (length < 1) return 0;
  int last = 0;
  int count = 0;
  for (int day = 1; day <= length; ++day, mjd += 1.0) {
    if (Weekday(mjd) != weekday) continue;
    last = day;
    ++count;
    if ((n == 1 || n == 2 || n == 3) && count == n) return day;
  }
  return n == 4 ? last : 0;
}

double ZoneOffsetSeconds(int hours, int minutes, int plus) {
  double s = hours * 3600.0 + minutes * 60.0;
  return plus != 0 ? s : -s;
}

}  // namespace orrery
