// The wizard in the program itself: the Chart menu's commands open it, the
// event log shows it, and what it stored is in the home the program leaves.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart_record.h"
#include "dialog_test_support.h"
#include "wizard_test_support.h"
#include "shell/text_format.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/settings.h"
#include "store/settings_record.h"

namespace orrery::testing {
namespace {

using ProgramWizardTest = ProgramRunTest;

TEST_F(ProgramWizardTest, NewAndEditFromTheChartMenuStoreTheChartForTheNextStart) {
  const int code = Run(std::string("command 40017\n") + GraceHopperScript + R"(
command 40018
settext 1022 6
ok
quit
)");
  EXPECT_EQ(code, 0);
  const std::vector<std::string> events = Events();
  EXPECT_EQ(std::count(events.begin(), events.end(), "close 110 1"), 2) << ::testing::PrintToString(events);
  UseProgramHome();
  ASSERT_TRUE(LoadChartFile());
  ASSERT_EQ(CountCharts(), 1);
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(FieldText(currentRecord.name), u"Grace Hopper");
  EXPECT_EQ(FieldText(currentRecord.city), u"New York City");
  EXPECT_EQ(currentRecord.hour, 6);
  ASSERT_EQ(LoadSettings(), 0);
  EXPECT_EQ(settingsRecord.currentChartKey, 6);
}

}  // namespace
}  // namespace orrery::testing
