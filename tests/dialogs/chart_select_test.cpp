// The Chart select dialog driven by scripts: the list, the details, and
// what Select, Delete and both Cancel paths leave on show and in the store.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "dialog_test_support.h"
#include "dialogs/chart_select.h"
#include "shell/platform/desktop.h"
#include "shell/platform/list_view.h"
#include "shell/shell_ids.h"
#include "store/chart_file.h"
#include "store/chart_store.h"

namespace orrery::testing {
namespace {

using platform::Desktop;

TEST(ChartDetails, DateAndTimeArePaddedAndTextsEndAtTheirField) {
  ChartRecord r{};
  r.year = 1950;
  r.month = 3;
  r.day = 1;
  r.hour = 9;
  r.minute = 5;
  std::memcpy(r.city, u"Graz", sizeof u"Graz");
  // A country filling its whole field, without an end mark.
  for (char16_t& c : r.country) c = u'A';
  const ChartDetails d = DetailsOf(r);
  EXPECT_EQ(d.date, u"Date: 1950.03.01 ");
  EXPECT_EQ(d.time, u"Time:  9:05 ");
  EXPECT_EQ(d.country, u"Country: " + std::u16string(RecordCountryUnits, u'A'));
  EXPECT_EQ(d.city, u"City: Graz");
  r.year = 7;
  EXPECT_EQ(DetailsOf(r).date, u"Date:    7.03.01 ");
}

// What the open dialog shows.
struct Seen {
  std::vector<std::u16string> rows;
  int selected = -2;
  bool deleteEnabled = true;
  std::u16string date;
};

class ChartSelectTest : public DialogTest {
 protected:
  MainWindow& StartCounting() {
    MainWindow& main = Start();
    CountChartChanges();
    look_ = [this](Desktop& d) {
      Seen s;
      auto& list = static_cast<platform::ListView&>(*d.ActiveWindow()->Child(ChartListId));
      for (int row = 0; row < list.RowCount(); ++row) s.rows.push_back(list.CellText(row, 0));
      s.selected = list.Selection();
      s.deleteEnabled = d.ActiveWindow()->Child(DeleteButtonId)->Enabled();
      s.date = d.ActiveWindow()->Child(DateLineId)->Text();
      seen_.push_back(s);
    };
    return main;
  }
  void Select(const std::string& script) {
    seen_.clear();
    Drive(script, [&] { Command(CmdSelect); });
  }
  static std::int32_t ShownId() { return CurrentSlot().record.id; }

  std::vector<Seen> seen_;
};

const std::vector<std::u16string> SampleNames = {u"Total Solar Eclipse 1999", u"Edda Morlan", u"Ines Kavarro",
                                                 u"Tomas Relvind", u"Nora Pask"};

TEST_F(ChartSelectTest, AnEmptyStoreListsTheSamplesAndNothingCanBeDeleted) {
  StartCounting();
  Select("look\nselect 1001 3\nlook\nclick 1003\nlook\ncancel\n");
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_EQ(seen_[0].rows, SampleNames);
  EXPECT_EQ(seen_[0].selected, 0);
  EXPECT_EQ(seen_[0].date, u"Date: 1999.08.11 ");
  EXPECT_EQ(seen_[1].selected, 3);
  EXPECT_EQ(seen_[1].date, u"Date: 1869.10.02 ");
  for (const Seen& s : seen_) EXPECT_FALSE(s.deleteEnabled);
  // Cancel takes back the chart on show without computing it again.
  EXPECT_EQ(ShownId(), 0);
  EXPECT_EQ(currentRecord.id, 0);
  EXPECT_EQ(ChartChanges(), 0);
}

TEST_F(ChartSelectTest, DeleteAsksFirstAndRemovesTheChartFromStoreAndFile) {
  StoreCharts(3);  // ids 6, 7, 8 named after samples 0 to 2; 8 is on show
  StartCounting();
  ASSERT_EQ(ShownId(), 8);
  Select("select 1001 6\nlook\nclick 1003\nclick 1042\nlook\nclick 1003\nclick 1041\nlook\ncancel\n");
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_EQ(seen_[0].rows.size(), 8u);
  EXPECT_EQ(seen_[0].rows[6], u"Edda Morlan");
  EXPECT_TRUE(seen_[0].deleteEnabled);
  // "No" kept it.
  EXPECT_EQ(seen_[1].rows, seen_[0].rows);
  // "Yes" removed it; the first row is selected again.
  EXPECT_EQ(seen_[2].rows.size(), 7u);
  EXPECT_EQ(seen_[2].rows[6], u"Ines Kavarro");
  EXPECT_EQ(seen_[2].selected, 0);
  EXPECT_FALSE(seen_[2].deleteEnabled);
  EXPECT_EQ(seen_[2].date, u"Date: 1999.08.11 ");
  EXPECT_EQ(FindSlot(7), -1);
  EXPECT_EQ(ShownId(), 8);
  EXPECT_EQ(currentRecord.id, 8);
  EXPECT_EQ(ChartChanges(), 0);
  // The chart file already lost it.
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(CountCharts(), 2);
  EXPECT_EQ(FindSlot(7), -1);
  EXPECT_GE(FindSlot(8), 0);
}

TEST_F(ChartSelectTest, CancelAfterDeletingTheChartOnShowShowsSampleZero) {
  StoreCharts(2);  // 7 is on show
  StartCounting();
  Select("select 1001 6\nclick 1003\nclick 1041\ncancel\n");
  EXPECT_EQ(FindSlot(7), -1);
  EXPECT_EQ(ShownId(), 0);
  EXPECT_EQ(std::u16string(CurrentSlot().record.name), u"Total Solar Eclipse 1999");
  EXPECT_EQ(ChartChanges(), 1);
}

TEST_F(ChartSelectTest, SelectAndOkShowTheChosenChartComputed) {
  StoreCharts(2);
  StartCounting();
  Select("select 1001 2\nclick 1002\n");
  EXPECT_EQ(ShownId(), 2);
  EXPECT_EQ(std::u16string(CurrentSlot().record.name), u"Ines Kavarro");
  EXPECT_EQ(ChartChanges(), 1);
  Select("select 1001 5\nok\n");
  EXPECT_EQ(ShownId(), 6);
  EXPECT_EQ(ChartChanges(), 2);
  // The Cancel button behaves as the dialog's own Cancel.
  Select("select 1001 1\nclick 1004\n");
  EXPECT_EQ(ShownId(), 6);
  EXPECT_EQ(currentRecord.id, 6);
  EXPECT_EQ(ChartChanges(), 2);
}

using ChartSelectProgramTest = ProgramRunTest;

TEST_F(ChartSelectProgramTest, DeletingAsAUserWouldWithTheQuestionInTheEventLog) {
  UseProgramHome();
  StoreCharts(3);
  ASSERT_EQ(Run("command 40019\nselect 1001 5\nshot chart-select\nclick 1003\nshot question-139\n"
                "click 1041\ncancel\n"),
            0);
  EXPECT_EQ(Events(), (std::vector<std::string>{"open 105", "open 139", "close 139 1", "close 105 2"}));
  ExpectDialogGolden(Shot("chart-select"), "chart-select");
  ExpectDialogGolden(Shot("question-139"), "question-139");
  UseProgramHome();
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(CountCharts(), 2);
  EXPECT_EQ(FindSlot(6), -1);
}

}  // namespace
}  // namespace orrery::testing
