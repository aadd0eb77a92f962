// Sample charts, committing, the start chart, showing slots and the chart of
// the present moment, with the real chart computation and atlas.
#include "store/chart_list.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/present_chart.h"
#include "store/sample_charts.h"
#include "store/settings.h"
#include "store/store_session.h"
#include "store_test_support.h"

namespace orrery {
namespace {

constexpr double Degree = 3.14159265358979323846 / 180.0;

int refreshes = 0;
void CountRefresh() { ++refreshes; }

std::int64_t clockSeconds = 0;
std::int64_t FixedClock() { return clockSeconds; }

// Seconds since 1970 of a UT date and time (days counted independently of
// the program's calendar code).
std::int64_t UnixSeconds(int year, int month, int day, int hour, int minute) {
  static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  std::int64_t days = (year - 1970) * 365LL + (year - 1969) / 4 + before[month - 1] + day - 1;
  if (month > 2 && year % 4 == 0) ++days;  // 1970..2099
  return days * 86400 + hour * 3600 + minute * 60;
}

class ChartListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetChartStore(chartStore);
    ResetOrbsToDefaults();
    ResetPointsToDefaults();
    std::memset(chartSlots, 0, sizeof chartSlots);
    currentSlotIndex = 0;
    refreshes = 0;
    SetChartChangeHook(CountRefresh);
    SetPresentClock(FixedClock);
  }
  void TearDown() override {
    SetChartChangeHook(nullptr);
    SetPresentClock(nullptr);
  }

  store_test::TempHome home;
};

TEST_F(ChartListTest, SampleChartsAsTabled) {
  LoadSampleChart(0);
  const ChartRecord& r = currentRecord;
  EXPECT_EQ(r.id, 0);
  EXPECT_EQ(std::u16string(r.name), u"Total Solar Eclipse 1999");
  EXPECT_EQ(std::u16string(r.city), u"Rîmnicu-Vîlcea");
  EXPECT_EQ(std::u16string(r.state), u"unknown");
  EXPECT_EQ((std::vector<int>{r.year, r.month, r.day, r.hour, r.minute, r.sex, r.calendar}),
            (std::vector<int>{1999, 8, 11, 13, 3, 0, 0}));
  EXPECT_EQ((std::vector<unsigned>{r.latDegrees, r.latMinutes, r.north, r.lonDegrees, r.lonMinutes,
                                   r.east}),
            (std::vector<unsigned>{45, 6, 1, 24, 22, 1}));
  EXPECT_EQ((std::vector<unsigned>{r.zoneHours, r.zoneMinutes, r.zonePlus, r.dstHours, r.dstMinutes,
                                   r.dstPlus, r.localTime}),
            (std::vector<unsigned>{2, 0, 1, 1, 0, 0, 0}));
  EXPECT_EQ((std::vector<unsigned>{r.corrDistance, r.corrUnit, r.corrDirection}),
            (std::vector<unsigned>{7, 0, 13}));

  LoadSampleChart(4);
  EXPECT_EQ(std::u16string(r.name), u"Nora Pask");
  EXPECT_EQ((std::vector<unsigned>{r.latDegrees, r.latMinutes, r.north, r.lonDegrees, r.lonMinutes,
                                   r.east, r.zoneHours, r.zonePlus, r.dstHours, r.dstPlus}),
            (std::vector<unsigned>{22, 18, 0, 64, 41, 0, 5, 0, 0, 1}));
  EXPECT_EQ(r.corrDistance, 0);

  LoadSampleChart(1);
  EXPECT_EQ(std::u16string(r.state), u"Baden-Württemberg");
  EXPECT_EQ(r.localTime, 1u);

  currentRecord.dateGap = 1;
  for (std::int32_t number : {7, -9, INT_MIN, INT_MAX}) {
    LoadSampleChart(number);
    EXPECT_EQ(r.id, 0) << number;
    EXPECT_EQ(std::u16string(r.name), u"Total Solar Eclipse 1999") << number;
    EXPECT_EQ(r.dateGap, 0u) << number;  // the whole record starts from zero
  }
}

// The first sample is the eclipse of 11 August 1999: Sun and Moon together
// at about 18° 21' Leo.
TEST_F(ChartListTest, TheEclipseSampleShowsSunAndMoonTogether) {
  ChooseStartChart(0);
  const ChartData& c = chartSlots[0].data;
  EXPECT_NEAR(c.bodies[Sun].geocentric.x / Degree, 138.35, 0.1);
  EXPECT_LT(std::fabs(c.bodies[Moon].geocentric.x - c.bodies[Sun].geocentric.x) / Degree, 1.0);
  EXPECT_EQ(c.aspects[Sun][Moon], 1);  // Conjunction
}

TEST_F(ChartListTest, LoadChartTakesSamplesForEveryIdBelowFive) {
  currentRecord = store_test::MakeRecord(u"stored");
  currentRecord.id = NewChartId();
  ASSERT_TRUE(StoreChart(currentRecord.id));
  for (int stored = 1; stored >= 0; --stored) {
    EXPECT_EQ(CountCharts(), stored);
    ASSERT_TRUE(LoadChart(3));
    EXPECT_EQ(std::u16string(currentRecord.name), u"Tomas Relvind");
    EXPECT_EQ(currentRecord.localTime, 1u);
    ASSERT_TRUE(LoadChart(-2));
    EXPECT_EQ(currentRecord.id, 2);
    EXPECT_EQ(std::u16string(currentRecord.name), u"Ines Kavarro");
    DeleteChart(6);
  }
  EXPECT_FALSE(LoadChart(5));
  EXPECT_EQ(LastErrorCode(), 605);
}

TEST_F(ChartListTest, CommittingANewChartStoresAndWritesIt) {
  currentRecord = store_test::MakeRecord(u"Ada");
  CommitChart(CommitNew);
  EXPECT_EQ(currentRecord.id, 6);
  EXPECT_EQ(chartSlots[0].record.id, 6);
  EXPECT_EQ(currentSlotIndex, 0);
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(std::memcmp(BodyTable, chartSlots[0].data.bodies, sizeof BodyTable), 0);
  EXPECT_EQ(store_test::ReadBytes(ChartFilePath()).size(), 468u);  // written at once

  currentRecord = ChartRecord{};
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(std::u16string(currentRecord.name), u"Ada");
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(CountCharts(), 1);

  CopyText(currentRecord.name, RecordNameUnits, u"Ada King");
  CommitChart(CommitEdit);
  ASSERT_TRUE(LoadChartFile());
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(std::u16string(currentRecord.name), u"Ada King");
  EXPECT_EQ(CountCharts(), 1);
}

TEST_F(ChartListTest, EditingASampleOnlyChangesWhatIsShown) {
  LoadSampleChart(2);
  CopyText(currentRecord.name, RecordNameUnits, u"Ines, edited");
  currentRecord.hour = 5;
  CommitChart(CommitEdit);
  EXPECT_EQ(CountCharts(), 0);
  EXPECT_FALSE(std::filesystem::exists(ChartFilePath()));
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Ines, edited");
  EXPECT_EQ(chartSlots[0].record.hour, 5);
}

TEST_F(ChartListTest, ACommitWhileThePresentIsShownShowsTheCommittedChart) {
  ChooseStartChart(1);
  BuildPresentChart();
  ASSERT_EQ(currentSlotIndex, 1);
  currentRecord = store_test::MakeRecord(u"Committed from the present");
  CommitChart(CommitNew);
  EXPECT_EQ(currentSlotIndex, 0);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Committed from the present");
  EXPECT_EQ(chartSlots[1].presentMoment, 1u);
  EXPECT_EQ(std::u16string(chartSlots[1].record.name), u"Edda Morlan");
}

TEST_F(ChartListTest, TheStartChartFallsBackToTheEclipse) {
  currentRecord = store_test::MakeRecord(u"kept");
  CommitChart(CommitNew);
  ChooseStartChart(6);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"kept");
  ChooseStartChart(42);
  EXPECT_EQ(LastErrorCode(), 605);
  EXPECT_EQ(chartSlots[0].record.id, 0);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Total Solar Eclipse 1999");
  ChooseStartChart(-3);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Tomas Relvind");
}

TEST_F(ChartListTest, ShowingASlotWithoutRecomputingRestoresItsBodies) {
  ChooseStartChart(1);
  BodyPosition natal[BodyCount];
  std::memcpy(natal, BodyTable, sizeof natal);
  clockSeconds = UnixSeconds(2024, 7, 1, 10, 30);
  BuildPresentChart();
  EXPECT_NE(std::memcmp(natal, BodyTable, sizeof natal), 0);
  int before = refreshes;
  ShowSlot(0, false);
  EXPECT_EQ(currentSlotIndex, 0);
  EXPECT_EQ(std::memcmp(natal, BodyTable, sizeof natal), 0);
  EXPECT_EQ(refreshes, before + 1);
  ShowSlot(9, false);
  EXPECT_EQ(currentSlotIndex, 0);
}

// A place typed by hand keeps its own place and corrections; the time fields
// hold its local time, so the chart is computed for the present moment.
TEST_F(ChartListTest, PresentMomentAtATypedPlace) {
  currentRecord = store_test::MakeRecord(u"Typed");
  CopyText(currentRecord.city, RecordCityUnits, u"Nowhere Special");
  currentRecord.zoneHours = 5;
  currentRecord.zonePlus = 0;
  currentRecord.corrDistance = 3;
  currentRecord.corrDirection = 4;
  currentRecord.id = 77;
  CommitChart(CommitShow);
  clockSeconds = UnixSeconds(2024, 1, 1, 2, 15);
  BuildPresentChart();

  const ChartSlot& present = chartSlots[1];
  EXPECT_EQ(currentSlotIndex, 1);
  EXPECT_EQ(present.presentMoment, 1u);
  EXPECT_EQ(present.record.id, 77);
  EXPECT_EQ(std::u16string(present.record.name), u"Typed");
  EXPECT_EQ(present.record.sex, 2);
  EXPECT_EQ(std::u16string(present.record.city), u"Nowhere Special");
  EXPECT_EQ((std::vector<int>{present.record.year, present.record.month, present.record.day,
                              present.record.hour, present.record.minute}),
            (std::vector<int>{2023, 12, 31, 21, 15}));
  EXPECT_EQ(present.record.zoneHours, 5);
  EXPECT_EQ(present.record.zonePlus, 0u);
  EXPECT_EQ(present.record.localTime, 0u);
  EXPECT_EQ(present.record.corrDistance, 3);
  EXPECT_EQ(present.record.corrDirection, 4);
  EXPECT_NEAR(present.data.mjdUt, 60310.0 + 2.25 / 24, 1e-9);  // 2024-01-01 02:15 UT
}

// Ulm is an atlas city at 48° 24' N, 9° 59' E; Europe/Berlin (IANA tzdata
// via zoneinfo) gives the local times expected here.
TEST_F(ChartListTest, PresentMomentAtAnAtlasCityUsesItsCorrectionsForNow) {
  currentRecord = store_test::MakeRecord(u"Ulm chart");
  CopyText(currentRecord.city, RecordCityUnits, u"Ulm");
  CopyText(currentRecord.country, RecordCountryUnits, u"");
  currentRecord.latDegrees = 48;
  currentRecord.latMinutes = 24;
  currentRecord.lonDegrees = 9;
  currentRecord.lonMinutes = 59;
  currentRecord.year = 1950;
  CommitChart(CommitShow);

  struct Case {
    int ut[5];
    int local[5];
    unsigned dstHours;
  } cases[] = {
      {{2024, 7, 1, 10, 30}, {2024, 7, 1, 12, 30}, 1},
      {{2024, 1, 15, 23, 30}, {2024, 1, 16, 0, 30}, 0},
      {{2024, 3, 31, 1, 30}, {2024, 3, 31, 3, 30}, 1},
      {{2024, 10, 27, 0, 30}, {2024, 10, 27, 2, 30}, 1},
      {{2024, 10, 27, 1, 30}, {2024, 10, 27, 2, 30}, 0},
  };
  for (const Case& c : cases) {
    clockSeconds = UnixSeconds(c.ut[0], c.ut[1], c.ut[2], c.ut[3], c.ut[4]);
    BuildPresentChart();
    const ChartRecord& r = chartSlots[1].record;
    EXPECT_EQ((std::vector<int>{r.year, r.month, r.day, r.hour, r.minute}),
              (std::vector<int>(c.local, c.local + 5)))
        << c.ut[1] << "-" << c.ut[2] << " " << c.ut[3];
    EXPECT_EQ(std::u16string(r.country), u"Germany");
    EXPECT_EQ((std::vector<unsigned>{r.zoneHours, r.zoneMinutes, r.zonePlus}),
              (std::vector<unsigned>{1, 0, 1}));
    EXPECT_EQ(r.dstHours, c.dstHours);
    if (c.dstHours > 0) {
      EXPECT_EQ(r.dstPlus, 0u);  // summer time: one hour, minus sign
    }
    EXPECT_NEAR(chartSlots[1].data.mjdUt, 40587.0 + clockSeconds / 86400.0, 1e-9);
  }
}

TEST_F(ChartListTest, StartAndCloseKeepTheChartOnShowAcrossRuns) {
  StartStore();
  EXPECT_EQ(store_test::ReadBytes(SettingsValuePath()).size(), 356u);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Total Solar Eclipse 1999");
  currentRecord = store_test::MakeRecord(u"Remembered");
  CommitChart(CommitNew);
  currentRecord.latDegrees = 50;  // a change after the commit is not stored
  CloseStore();

  std::memset(chartSlots, 0, sizeof chartSlots);
  ResetChartStore(chartStore);
  ClearErrorLog();
  StartStore();
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(chartSlots[0].record.id, 6);
  EXPECT_EQ(std::u16string(chartSlots[0].record.name), u"Remembered");
  EXPECT_EQ(chartSlots[0].record.latDegrees, 48);
}

}  // namespace
}  // namespace orrery
