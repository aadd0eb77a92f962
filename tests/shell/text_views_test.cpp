// The text views: the Info view's field texts, the scroll stops of Info and
// Aspects, and House cusps without a scroll bar.
#include <gtest/gtest.h>

#include "chart/aspects.h"
#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "shell/info_text.h"
#include "shell/shell_ids.h"
#include "shell/shell_state.h"
#include "shell/text_views.h"
#include "shell_test_support.h"
#include "store/chart_file.h"
#include "tests/store/store_test_support.h"
#include "store/chart_store.h"
#include "store/sample_charts.h"
#include "store/settings.h"
#include "store/settings_record.h"

namespace orrery::testing {
namespace {

TEST(InfoText, UnknownOrEmptyStatesAreNotShown) {
  EXPECT_FALSE(HasState(u""));
  EXPECT_FALSE(HasState(u"unknown"));
  EXPECT_FALSE(HasState(u"UnKnown"));
  EXPECT_TRUE(HasState(u"unknown land"));
  EXPECT_TRUE(HasState(u"Baden-Württemberg"));
}

TEST(InfoText, CoordinatesShowMagnitudesAndHemispheres) {
  EXPECT_EQ(LatitudeText(45, 6, true), u"45\u00b0 06' N");
  EXPECT_EQ(LatitudeText(-5, -9, false), u" 5\u00b0 09' S");
  EXPECT_EQ(LongitudeText(64, 41, false), u" 64\u00b0 41' W");
  EXPECT_EQ(LongitudeText(179, 59, true), u"179\u00b0 59' E");
}

TEST(InfoText, TimeCorrectionsPutTheSignInTheFirstPlace) {
  EXPECT_EQ(SignedHoursText(5, 0, false), u"- 5:00");
  EXPECT_EQ(SignedHoursText(12, 0, true), u"+12:00");
  EXPECT_EQ(SignedHoursText(0, 30, true), u"+ 0:30");
}

TEST(InfoText, TheTimeOfDayIsNotCutShortByRounding) {
  // 10:03 UT a hair before the exact moment, as day-number arithmetic gives it.
  const double mjd = 51401.0 + (10 * 60 + 3) / 1440.0 - 1e-11;
  const HoursMinutes t = TimeOfDay(mjd);
  EXPECT_EQ(t.hours, 10);
  EXPECT_EQ(t.minutes, 3);
  // Seconds still do not round up a minute.
  const HoursMinutes u = TimeOfDay(51401.0 + (2 * 3600 + 29 * 60 + 36) / 86400.0);
  EXPECT_EQ(u.hours, 2);
  EXPECT_EQ(u.minutes, 29);
}

ChartRecord Correction(int distance, int unit, int direction) {
  ChartRecord r{};
  r.corrDistance = std::uint16_t(distance);
  r.corrUnit = std::uint8_t(unit);
  r.corrDirection = std::uint8_t(direction);
  return r;
}

TEST(InfoText, PositionCorrectionsInMetresBelowTenKilometres) {
  EXPECT_EQ(CorrectionText(Correction(7, 0, 13)), u"      7 Kilometers / WSW");
  EXPECT_EQ(CorrectionDistanceText(Correction(7, 0, 13)), u" ~  7000 m / 247\u00b0");
  EXPECT_EQ(CorrectionDistanceText(Correction(12, 0, 0)), u" ~    12 km /   0\u00b0");
  EXPECT_EQ(CorrectionDistanceText(Correction(9, 0, 1)), u" ~  9000 m /  90\u00b0");
  // 10 miles are 16093 m.
  EXPECT_EQ(CorrectionDistanceText(Correction(10, 1, 5)), u" ~    16 km / 135\u00b0");
}

TEST(InfoText, DamagedCorrectionFieldsShowAQuestionMark) {
  EXPECT_EQ(CorrectionText(Correction(3, 11, 16)), u"      3 ? / ?");
  EXPECT_EQ(CorrectionDistanceText(Correction(3, 200, 99)), u" ~     0 m /   0\u00b0");
}

TEST(InfoText, RulershipHeadings) {
  EXPECT_EQ(RulershipHeading(0), u"Modern Rulership");
  EXPECT_EQ(RulershipHeading(1), u"Old Rulership");
  EXPECT_EQ(RulershipHeading(3), u"Rulership 3");
}

class TextViewTest : public ShellTest {
 protected:
  // Starts the program on a stored copy of a sample chart, changed by edit.
  template <class Edit>
  void StartWith(int sample, Edit edit) {
    ResetChartStore(chartStore);
    LoadSampleChart(sample);
    edit(currentRecord);
    currentRecord.id = NewChartId();
    StoreChart(currentRecord.id);
    ASSERT_TRUE(store_test::SaveWholeStore());
    settingsRecord = {};
    ASSERT_EQ(SaveSettings(), 0);
    Start();
  }
};

TEST_F(TextViewTest, InfoHasAStopForThePositionCorrectionOnlyWhenThereIsOne) {
  // Sample 0: state "unknown" (two place lines, base 140) and 7 km WSW.
  StartWith(0, [](ChartRecord&) {});
  const ViewRecord& info = viewRecords[InfoView];
  ASSERT_EQ(info.scrollMax, 3);
  EXPECT_EQ(info.stopOffsets[1], 140 + 95);
  EXPECT_EQ(info.stopOffsets[2], 140 + 190 + 5);
  EXPECT_EQ(info.stopOffsets[3], 140 + 190 + 83 + 128 + 8);
}

TEST_F(TextViewTest, InfoWithoutCorrectionAndWithAStateHasOneStopFewer) {
  StartWith(0, [](ChartRecord& r) {
    r.corrDistance = 0;
    r.state[0] = u'X';
    r.state[1] = 0;
  });
  const ViewRecord& info = viewRecords[InfoView];
  ASSERT_EQ(info.scrollMax, 2);
  EXPECT_EQ(info.stopOffsets[1], 156 + 90 + 5);
  EXPECT_EQ(info.stopOffsets[2], 156 + 90 + 83 + 128 + 8);
}

// Aspects listed: pairs of the 13 bodies in row order with an aspect.
int ListedAspects() {
  int n = 0;
  for (int r = 0; r < RowOrderCount; ++r) {
    for (int s = r + 1; s < RowOrderCount; ++s) n += CurrentChart().aspects[RowOrder[r]][RowOrder[s]] != 0;
  }
  return n;
}

TEST_F(TextViewTest, TheAspectListGetsAStopEveryThirteenEntries) {
  for (int sample = 0; sample < SampleChartCount; ++sample) {
    StartWith(sample, [](ChartRecord&) {});
    Command(CmdAspects);
    const int n = ListedAspects();
    // Rows 16 pixels apart from y 289; a row more than 200 pixels below
    // the last stop (first 264) starts a new one: rows 11, 24, 37, ...
    int expected = 1;
    for (int k = 0, last = 264; k < n; ++k) {
      const int y = 289 + 16 * k;
      if (y - last > 200) ++expected, last = y;
    }
    EXPECT_EQ(viewRecords[AspectsView].scrollMax, expected) << "sample " << sample << ", " << n;
    if (n > 13) {
      EXPECT_GE(viewRecords[AspectsView].scrollMax, 2);
    }
    main_->Destroy();
    Settle();
  }
}

TEST_F(TextViewTest, HouseCuspsNeverShowsTheScrollBar) {
  StartWith(2, [](ChartRecord&) {});
  Command(CmdPlanets);
  ASSERT_TRUE(main_->ViewScrollBar()->Visible());
  Command(CmdHouseCusps);
  EXPECT_FALSE(main_->ViewScrollBar()->Visible());
  EXPECT_EQ(main_->Text(), u"House cusps");
  main_->Invalidate();
  Settle();
  EXPECT_FALSE(main_->ViewScrollBar()->Visible());
}

}  // namespace
}  // namespace orrery::testing
