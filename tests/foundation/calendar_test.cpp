#include <gtest/gtest.h>

#include <chrono>

#include "foundation/calendar.h"

namespace orrery {
namespace {

using namespace std::chrono;

// Independent reference: days since 1858-11-17 from the standard library's
// proleptic Gregorian calendar.
double ReferenceGregorianMjd(int y, int m, int d) {
  sys_days day = year{y} / month{static_cast<unsigned>(m)} / static_cast<unsigned>(d);
  sys_days epoch = year{1858} / November / 17;
  return static_cast<double>((day - epoch).count());
}

// The Julian calendar runs behind the Gregorian by (Y/100 - Y/400 - 2) days,
// Y counted from March.
double ReferenceJulianMjd(int y, int m, int d) {
  int yy = m <= 2 ? y - 1 : y;
  return ReferenceGregorianMjd(y, m, d) + (yy / 100 - yy / 400 - 2);
}

TEST(CalendarToMjd, KnownEpochs) {
  EXPECT_EQ(CalendarToMjd(2000, 1, 1, 43200, Gregorian), 51544.5);
  EXPECT_EQ(CalendarToMjd(1858, 11, 17, 0, Gregorian), 0.0);
  EXPECT_EQ(CalendarToMjd(1582, 10, 4, 0, Julian) + 1, CalendarToMjd(1582, 10, 15, 0, Gregorian));
  // A calendar flag other than 0 or 1 takes no century correction.
  // Gregorian century correction for March 2000: 2000/400 - 2000/100 + 2000/4 = 485 days.
  EXPECT_EQ(CalendarToMjd(2000, 3, 1, 0, 7), CalendarToMjd(2000, 3, 1, 0, Gregorian) - 485);
}

TEST(CalendarToMjd, AgreesWithIndependentCountsInBothCalendars) {
  for (int y = 1; y <= 2200; y += 7) {
    for (int m = 1; m <= 12; ++m) {
      for (int d : {1, 15, 28}) {
        ASSERT_EQ(CalendarToMjd(y, m, d, 0, Gregorian), ReferenceGregorianMjd(y, m, d))
            << y << "-" << m << "-" << d;
        ASSERT_EQ(CalendarToMjd(y, m, d, 0, Julian), ReferenceJulianMjd(y, m, d))
            << y << "-" << m << "-" << d;
      }
    }
  }
}

TEST(MjdToCalendar, SwitchesFromJulianToGregorianAtTheReform) {
  CalendarDate date = MjdToCalendar(51544.5);
  EXPECT_EQ(date.year, 2000);
  EXPECT_EQ(date.month, 1);
  EXPECT_EQ(date.day, 1);
  date = MjdToCalendar(-100841);
  EXPECT_EQ(date.year, 1582);
  EXPECT_EQ(date.month, 10);
  EXPECT_EQ(date.day, 4);
  date = MjdToCalendar(-100840);
  EXPECT_EQ(date.year, 1582);
  EXPECT_EQ(date.month, 10);
  EXPECT_EQ(date.day, 15);
}

TEST(MjdToCalendar, InvertsCalendarToMjdForEveryDayFromYear1To2200) {
  const double reform = CalendarToMjd(1582, 10, 15, 0, Gregorian);
  const double first = CalendarToMjd(1, 1, 1, 0, Julian);
  const double last = CalendarToMjd(2200, 12, 31, 0, Gregorian);
  for (double mjd = first; mjd <= last; mjd += 1.0) {
    CalendarDate date = MjdToCalendar(mjd + 0.75);
    int calendar = mjd < reform ? Julian : Gregorian;
    ASSERT_EQ(CalendarToMjd(date.year, date.month, date.day, 0, calendar), mjd) << mjd;
  }
}

TEST(CalendarHelpers, LeapYearsMonthLengthsAndTimeOfDay) {
  EXPECT_EQ(DaysInMonth(CalendarToMjd(1900, 2, 10, 0, Gregorian)), 28);
  EXPECT_EQ(DaysInMonth(CalendarToMjd(2000, 2, 10, 0, Gregorian)), 29);
  EXPECT_EQ(DaysInMonth(CalendarToMjd(2004, 2, 1, 0, Gregorian)), 29);
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m)
    EXPECT_EQ(DaysInMonth(CalendarToMjd(2001, m, 3, 0, Gregorian)), lengths[m - 1]) << m;
  EXPECT_EQ(IsLeapYear(CalendarToMjd(2100, 6, 1, 0, Gregorian)), 0);
  EXPECT_EQ(IsLeapYear(CalendarToMjd(2400, 6, 1, 0, Gregorian)), 1);
  // Years before 1 follow the same rule (astronomical numbering: 0 = 1 BC);
  // the result is always 0 or 1 and February never reaches 30 days.
  for (int year : {0, -4, -400}) {
    Mjd mjd = CalendarToMjd(year, 2, 10, 0, Julian);
    EXPECT_EQ(IsLeapYear(mjd), 1) << year;
    EXPECT_EQ(DaysInMonth(mjd), 29) << year;
  }
  for (int year : {-1, -3, -100, -1001}) {
    Mjd mjd = CalendarToMjd(year, 2, 10, 0, Julian);
    EXPECT_EQ(IsLeapYear(mjd), 0) << year;
    EXPECT_EQ(DaysInMonth(mjd), 28) << year;
  }
  EXPECT_DOUBLE_EQ(SecondsOfDay(51544.75), 64800.0);
  // Before MJD 0 the time of day still counts from that day's midnight.
  EXPECT_DOUBLE_EQ(SecondsOfDay(-0.25), 64800.0);
  EXPECT_EQ(MjdToJd(51544.5), 2451545.0);
  EXPECT_EQ(JdToMjd(2451545.0), 51544.5);
}

// Month lengths by year and calendar, counted from the independent day
// numbers: the days between the first of the month and the first of the next.
TEST(MonthLength, FollowsEachCalendarsLeapRule) {
  for (int y = 1; y <= 2200; y += 3) {
    for (int m = 1; m <= 12; ++m) {
      const int ny = m == 12 ? y + 1 : y, nm = m == 12 ? 1 : m + 1;
      ASSERT_EQ(MonthLength(y, m, Gregorian),
                ReferenceGregorianMjd(ny, nm, 1) - ReferenceGregorianMjd(y, m, 1))
          << y << "-" << m;
      ASSERT_EQ(MonthLength(y, m, Julian), ReferenceJulianMjd(ny, nm, 1) - ReferenceJulianMjd(y, m, 1))
          << y << "-" << m;
    }
  }
  EXPECT_EQ(MonthLength(1900, 2, Gregorian), 28);
  EXPECT_EQ(MonthLength(1900, 2, Julian), 29);
  EXPECT_EQ(MonthLength(2000, 2, Gregorian), 29);
  EXPECT_EQ(MonthLength(2000, 0, Gregorian), 0);
  EXPECT_EQ(MonthLength(2000, 13, Julian), 0);
}

// A chart record's February: the Julian rule before the reform as well, the
// Gregorian rule for every year of a Gregorian record.
TEST(MonthLength, FebruaryFollowsTheRecordsCalendar) {
  EXPECT_EQ(MonthLength(2000, 2, Gregorian), 29);
  EXPECT_EQ(MonthLength(1900, 2, Gregorian), 28);
  EXPECT_EQ(MonthLength(1900, 2, Julian), 29);
  // Before the calendar reform both rules still hold.
  EXPECT_EQ(MonthLength(1500, 2, Julian), 29);
  EXPECT_EQ(MonthLength(1500, 2, Gregorian), 28);
  EXPECT_EQ(MonthLength(1200, 2, Gregorian), 29);
  EXPECT_EQ(MonthLength(1583, 2, Gregorian), 28);
  EXPECT_EQ(MonthLength(4, 2, Julian), 29);
  EXPECT_EQ(MonthLength(2023, 2, Julian), 28);
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(MonthLength(2023, month, Gregorian), lengths[month - 1]);
  EXPECT_EQ(MonthLength(2023, 0, Gregorian), 0);
  EXPECT_EQ(MonthLength(2023, 13, Gregorian), 0);
}

TEST(Weekday, MatchesTheRealWeekOnBothSidesOfMjdZero) {
  EXPECT_EQ(Weekday(51544), 6);  // Saturday 1 January 2000
  for (int y : {1583, 1700, 1858, 1859, 1900, 2024, 2129}) {
    for (int m = 1; m <= 12; ++m) {
      for (unsigned d = 1; d <= 28; d += 3) {
        sys_days day = year{y} / month{static_cast<unsigned>(m)} / d;
        unsigned expected = weekday{day}.iso_encoding();  // 1 Monday .. 7 Sunday
        ASSERT_EQ(Weekday(CalendarToMjd(y, m, d, 43000, Gregorian)), static_cast<int>(expected))
            << y << "-" << m << "-" << d;
      }
    }
  }
  EXPECT_EQ(Weekday(-0.5), 2);  // Tuesday 16 November 1858, noon
}

TEST(NthWeekdayOfMonth, FirstToThirdAndLastOccurrence) {
  EXPECT_EQ(NthWeekdayOfMonth(2003, 4, 7, 3), 30);
  EXPECT_EQ(NthWeekdayOfMonth(2003, 1, 7, 4), 6);
  EXPECT_EQ(NthWeekdayOfMonth(2024, 2, 7, 3), 10);   // second Sunday of March 2024
  EXPECT_EQ(NthWeekdayOfMonth(2024, 1, 7, 11), 3);   // first Sunday of November 2024
  EXPECT_EQ(NthWeekdayOfMonth(2024, 3, 1, 4), 15);   // third Monday of April 2024
  EXPECT_EQ(NthWeekdayOfMonth(2024, 4, 4, 2), 29);   // last Thursday of February 2024
  EXPECT_EQ(NthWeekdayOfMonth(2024, 0, 7, 3), 0);
  EXPECT_EQ(NthWeekdayOfMonth(2024, 5, 7, 3), 0);
}

TEST(ZoneOffsetSeconds, SignFollowsThePlusFlag) {
  EXPECT_EQ(ZoneOffsetSeconds(5, 30, 0), -19800.0);
  EXPECT_EQ(ZoneOffsetSeconds(1, 0, 1), 3600.0);
  EXPECT_EQ(ZoneOffsetSeconds(0, 0, 0), 0.0);
}

}  // namespace
}  // namespace orrery
