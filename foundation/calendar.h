// Calendar dates and the program's day number, the Modified Julian Date
// (Julian date - 2400000.5; MJD 0 is 17 November 1858 0h, 51544.5 is J2000.0).
#pragma once

namespace orrery {

using Mjd = double;

// 1970-01-01 0h UT, where the system clock's seconds start.
inline constexpr Mjd UnixEpochMjd = 40587.0;

enum Calendar : int { Gregorian = 0, Julian = 1 };

struct CalendarDate {
  int year;
  int month;
  int day;
};

// The date in the given calendar (0 Gregorian, 1 Julian, any other value takes
// no century correction) plus secondsOfDay, as an Mjd. Converts whatever it is
// given: dates that do not exist convert as the formula gives.
Mjd CalendarToMjd(int year, int month, int day, double secondsOfDay, int calendar);
// The civil date of an Mjd: Julian calendar before 15 October 1582, Gregorian from then on.
CalendarDate MjdToCalendar(Mjd mjd);
double MjdToJd(Mjd mjd);
Mjd JdToMjd(double jd);
// Seconds since midnight of the day the Mjd falls on, in [0, 86400).
double SecondsOfDay(Mjd mjd);
// 1 or 0 for the year of the Mjd, by the Gregorian rule for every year.
int IsLeapYear(Mjd mjd);
// 28..31 for the month of the Mjd.
int DaysInMonth(Mjd mjd);
// Days of a month (1..12) of a civil year in the given calendar: in the Julian
// calendar every fourth year leaps, otherwise the Gregorian rule holds. 0 for
// a month outside 1..12.
int MonthLength(int year, int month, int calendar);
// 1 Monday .. 7 Sunday.
int Weekday(Mjd mjd);
// Day of the month of the n-th (1..3) or last (4) given weekday of a Gregorian
// month; 0 for any other n.
int NthWeekdayOfMonth(int year, int n, int weekday, int month);
// hours:minutes as signed seconds, negative when plus is 0.
double ZoneOffsetSeconds(int hours, int minutes, int plus);

}  // namespace orrery
