// Loading entries for a moment: rule blocks, daylight-saving rules, local
// mean time, the calendar changeover gap, and copying into the ChartRecord.
#include <gtest/gtest.h>

#include <string>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas/daylight_saving.h"
#include "chart/chart_record.h"
#include "sample_atlas.h"

namespace orrery {
namespace {

class AtlasEntryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(testing::OpenSampleAtlas(), 0); }
  void TearDown() override { UseEmbeddedAtlas(); }

  static AtlasRef City(const char16_t* name) {
    SeekCityName(name);
    return ReadCity(KeepCursor);
  }

  // Loads the city at a local moment; returns local - UT in minutes.
  static int Offset(AtlasRef ref, int year, int month, int day, int hour, int minute) {
    atlasCursor.moment = {year, month, day, hour, minute};
    LoadAtlasEntry(ref);
    int zone = atlasCursor.zoneHours * 60 + atlasCursor.zoneMinutes;
    int dst = atlasCursor.dstHours * 60 + atlasCursor.dstMinutes;
    return (atlasCursor.zonePlus ? zone : -zone) - (atlasCursor.dstPlus ? dst : -dst);
  }

  static int Dst(AtlasRef ref, int year, int month, int day, int hour, int minute) {
    Offset(ref, year, month, day, hour, minute);
    return atlasCursor.dstPlus ? atlasCursor.dstHours : -atlasCursor.dstHours;
  }

  static int Gap(AtlasRef ref, int year, int month, int day, int hour = 0, int minute = 0) {
    Offset(ref, year, month, day, hour, minute);
    return atlasCursor.dateGap;
  }
};

TEST(DaylightSavingRules, TheFirstThreeRowsAreTheBasicRules) {
  auto rules = DaylightSavingRules();
  ASSERT_GE(rules.size(), 3u);
  const int expected[3][12] = {{1, 4, 7, 3, 2, 0, 4, 7, 10, 3, 0, 1},
                               {2, 1, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1},
                               {3, 4, 7, 10, 2, 0, 4, 7, 3, 3, 0, 1}};
  for (int i = 0; i < 3; ++i) {
    const DaylightSavingRule& r = rules[static_cast<std::size_t>(i)];
    const int row[12] = {r.number,        r.startOccurrence, r.startWeekday, r.startMonth,
                         r.startHour,     r.startMinute,     r.endOccurrence, r.endWeekday,
                         r.endMonth,      r.endHour,         r.endMinute,     r.hours};
    for (int j = 0; j < 12; ++j) EXPECT_EQ(row[j], expected[i][j]) << "row " << i << " col " << j;
  }
  EXPECT_EQ(FindDaylightSavingRule(2).number, 2);
  EXPECT_EQ(FindDaylightSavingRule(-7).number, 1);
}

TEST(DaylightSavingRules, BoundsAreInclusiveAndSouthernRulesSpanTheNewYear) {
  const DaylightSavingRule& europe = FindDaylightSavingRule(1);
  // 2003: last Sunday of March is the 30th, of October the 26th.
  EXPECT_EQ(EvaluateDaylightSavingRule(europe, {2003, 3, 30, 1, 59}).hours, 0);
  AtlasCorrection on = EvaluateDaylightSavingRule(europe, {2003, 3, 30, 2, 0});
  EXPECT_EQ(on.hours, 1);
  EXPECT_EQ(on.minutes, 0);
  EXPECT_EQ(on.plus, 0);
  EXPECT_EQ(EvaluateDaylightSavingRule(europe, {2003, 10, 26, 3, 0}).hours, 1);
  AtlasCorrection off = EvaluateDaylightSavingRule(europe, {2003, 10, 26, 3, 1});
  EXPECT_EQ(off.hours, 0);
  EXPECT_EQ(off.plus, 1);

  const DaylightSavingRule& south = FindDaylightSavingRule(2);
  // First Sunday of October 2003: the 5th; last Sunday of March 2004: the 28th.
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2003, 10, 5, 1, 59}).hours, 0);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2003, 10, 5, 2, 0}).hours, 1);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2003, 12, 31, 23, 59}).hours, 1);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2004, 1, 15, 12, 0}).hours, 1);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2004, 3, 28, 3, 0}).hours, 1);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2004, 3, 28, 3, 1}).hours, 0);
  EXPECT_EQ(EvaluateDaylightSavingRule(south, {2004, 7, 1, 12, 0}).hours, 0);

  // Negative hours give a plus correction (winter time below standard time).
  DaylightSavingRule winter = south;
  winter.hours = -1;
  AtlasCorrection w = EvaluateDaylightSavingRule(winter, {2004, 1, 15, 12, 0});
  EXPECT_EQ(w.hours, 1);
  EXPECT_EQ(w.plus, 1);
}

TEST_F(AtlasEntryTest, RecurringRulesAndDaylightPeriods) {
  AtlasRef berlin = City(u"Berlin");
  EXPECT_EQ(Offset(berlin, 2003, 7, 1, 12, 0), 120);
  EXPECT_EQ(atlasCursor.zoneHours, 1);
  EXPECT_EQ(atlasCursor.zonePlus, 1);
  EXPECT_EQ(atlasCursor.dstHours, 1);
  EXPECT_EQ(atlasCursor.dstPlus, 0);
  EXPECT_EQ(Offset(berlin, 2003, 10, 26, 3, 0), 120);  // end bound inclusive
  EXPECT_EQ(Offset(berlin, 2003, 10, 26, 3, 1), 60);
  EXPECT_EQ(Offset(berlin, 1979, 7, 1, 12, 0), 60);    // before the rule's period
  // Periods that end at the last minute of 2047 run on to the charts' last year.
  EXPECT_EQ(Offset(berlin, 2047, 12, 31, 23, 59), 60);
  EXPECT_EQ(Offset(berlin, 2129, 7, 1, 12, 0), 120);
  // The 1945 period of double summer time, both bounds inclusive.
  EXPECT_EQ(Offset(berlin, 1945, 5, 24, 1, 59), 60);
  EXPECT_EQ(Offset(berlin, 1945, 5, 24, 2, 0), 180);
  EXPECT_EQ(Offset(berlin, 1945, 9, 24, 3, 0), 180);
  EXPECT_EQ(Offset(berlin, 1945, 9, 24, 3, 1), 60);
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"Berlin");
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"Germany");
  EXPECT_EQ(atlasCursor.latDegrees, 52);
  EXPECT_EQ(atlasCursor.lonMinutes, 24);

  AtlasRef sydney = City(u"Sydney");
  EXPECT_EQ(Offset(sydney, 2004, 1, 15, 12, 0), 660);
  EXPECT_EQ(Offset(sydney, 2004, 7, 1, 12, 0), 600);
  EXPECT_EQ(Offset(sydney, 1970, 1, 15, 12, 0), 600);
  EXPECT_EQ(atlasCursor.north, 0);

  // A rule number the table lacks evaluates rule 1; west of Greenwich.
  AtlasRef newYork = City(u"New York");
  EXPECT_EQ(Offset(newYork, 2003, 7, 1, 12, 0), -240);
  EXPECT_EQ(atlasCursor.zonePlus, 0);
  EXPECT_EQ(Offset(newYork, 2003, 12, 1, 12, 0), -300);
  EXPECT_EQ(atlasCursor.east, 0);
}

TEST_F(AtlasEntryTest, ProvinceRulesOverrideTheCountry) {
  EXPECT_EQ(Offset(City(u"Saarbrücken"), 1942, 6, 1, 12, 0), 120);
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"Saarland");
  EXPECT_EQ(Offset(City(u"Saarbrücken"), 1946, 6, 1, 12, 0), 60);
  EXPECT_EQ(Offset(City(u"München"), 1942, 6, 1, 12, 0), 60);
  // Country and province refs: their names and corrections, position 0/0 N E.
  AtlasRef saarland = MakeAtlasRef(0, 1, 2, 0);
  EXPECT_EQ(Offset(saarland, 1942, 6, 1, 12, 0), 120);
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"Germany");
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"Saarland");
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"");
  EXPECT_EQ(atlasCursor.latDegrees, 0);
  EXPECT_EQ(atlasCursor.north, 1);
  EXPECT_EQ(atlasCursor.east, 1);
  EXPECT_EQ(Offset(MakeAtlasRef(0, 1, 0, 0), 1942, 6, 1, 12, 0), 60);
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"");
  // A region ref loads nothing.
  EXPECT_EQ(Offset(RegionRef(6), 1942, 6, 1, 12, 0), 0);
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"");
}

TEST_F(AtlasEntryTest, LocalMeanTimeBeforeTheFirstZone) {
  AtlasRef berlin = City(u"Berlin");
  Offset(berlin, 1893, 3, 31, 23, 59);
  EXPECT_EQ(atlasCursor.localMeanTime, 1);
  EXPECT_EQ(atlasCursor.zoneHours, 0);
  EXPECT_EQ(atlasCursor.zonePlus, 1);
  EXPECT_EQ(Offset(berlin, 1893, 4, 1, 0, 0), 60);
  EXPECT_EQ(atlasCursor.localMeanTime, 0);
}

TEST_F(AtlasEntryTest, CalendarChangeoverGap) {
  AtlasRef moskva = City(u"Moskva");
  EXPECT_EQ(Gap(moskva, 1918, 1, 31, 23, 59), 0);
  EXPECT_EQ(Gap(moskva, 1918, 2, 1), 1);
  EXPECT_EQ(atlasCursor.firstSkipped.day, 1);
  EXPECT_EQ(atlasCursor.firstGregorian.day, 14);
  EXPECT_EQ(Gap(moskva, 1918, 2, 13, 23, 59), 1);
  EXPECT_EQ(Gap(moskva, 1918, 2, 14), 0);
  // Only the first Gregorian date: the gap is 11 days in 1752.
  AtlasRef london = City(u"London");
  EXPECT_EQ(Gap(london, 1752, 9, 2, 23, 59), 0);
  EXPECT_EQ(Gap(london, 1752, 9, 3), 1);
  EXPECT_EQ(Gap(london, 1752, 9, 13), 1);
  EXPECT_EQ(Gap(london, 1752, 9, 14), 0);
  AtlasRef roma = City(u"Roma");
  EXPECT_EQ(Gap(roma, 1582, 10, 4), 0);
  EXPECT_EQ(Gap(roma, 1582, 10, 5), 1);
  EXPECT_EQ(Gap(roma, 1582, 10, 14, 23, 59), 1);
  EXPECT_EQ(Gap(roma, 1582, 10, 15), 0);
  // No changeover rules: no real date falls into a gap.
  AtlasRef tokyo = City(u"Tokyo");
  for (int day = 18; day <= 31; ++day) EXPECT_EQ(Gap(tokyo, 1899, 12, day), 0);
  EXPECT_EQ(Gap(tokyo, 1900, 1, 1), 0);
  EXPECT_EQ(Offset(tokyo, 1900, 1, 1, 0, 0), 0);
  EXPECT_EQ(atlasCursor.localMeanTime, 0);
}

TEST_F(AtlasEntryTest, ApplyAtlasEntryFillsTheCurrentRecord) {
  currentRecord = ChartRecord{};
  currentRecord.year = 2003;
  currentRecord.month = 7;
  currentRecord.day = 1;
  currentRecord.hour = 12;
  ApplyAtlasEntry(City(u"New York"));
  EXPECT_EQ(std::u16string(currentRecord.city), u"New York");
  EXPECT_EQ(std::u16string(currentRecord.country), u"USA");
  EXPECT_EQ(std::u16string(currentRecord.state), u"");
  EXPECT_EQ(currentRecord.latDegrees, 40);
  EXPECT_EQ(currentRecord.latMinutes, 42);
  EXPECT_EQ(currentRecord.north, 1u);
  EXPECT_EQ(currentRecord.lonDegrees, 74);
  EXPECT_EQ(currentRecord.east, 0u);
  EXPECT_EQ(currentRecord.zoneHours, 5);
  EXPECT_EQ(currentRecord.zonePlus, 0u);
  EXPECT_EQ(currentRecord.dstHours, 1);
  EXPECT_EQ(currentRecord.dstPlus, 0u);
  EXPECT_EQ(currentRecord.localTime, 0u);
  EXPECT_EQ(currentRecord.dateGap, 0u);

  // Nothing happens for 0 or the first city record (the list's "no choice").
  ChartRecord before = currentRecord;
  ApplyAtlasEntry(0);
  ApplyAtlasEntry(City(u"Aachen"));
  EXPECT_EQ(std::u16string(currentRecord.city), u"New York");
  EXPECT_EQ(currentRecord.zoneHours, before.zoneHours);

  currentRecord.year = 1918;
  currentRecord.month = 2;
  currentRecord.day = 5;
  ApplyAtlasEntry(City(u"Moskva"));
  EXPECT_EQ(currentRecord.dateGap, 1u);
  currentRecord.year = 1890;
  ApplyAtlasEntry(City(u"Augsburg"));
  EXPECT_EQ(currentRecord.localTime, 1u);
  EXPECT_EQ(currentRecord.dateGap, 0u);
  EXPECT_EQ(std::u16string(currentRecord.state), u"Bayern");
  // A region item empties the names.
  ApplyAtlasEntry(RegionRef(6));
  EXPECT_EQ(std::u16string(currentRecord.country), u"");
  EXPECT_EQ(std::u16string(currentRecord.city), u"");
  EXPECT_EQ(currentRecord.latDegrees, 0);
}

}  // namespace
}  // namespace orrery
