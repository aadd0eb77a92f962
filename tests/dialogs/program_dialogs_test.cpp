// The dialogs opened from the program's menus, run as a user would by the
// headless program on scripts: what opens (the event log), what it looks
// like (golden screenshots) and what it leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "store/chart_store.h"

namespace orrery::testing {
namespace {

using Lines = std::vector<std::string>;

using MenuDialogTest = ProgramRunTest;

TEST_F(MenuDialogTest, NewWithAFullStoreShowsNotice252AndOpensNoWizard) {
  UseProgramHome();
  StoreCharts(StoreSlotCount);
  ASSERT_EQ(Run("command 40017\nshot notice-252\nok\ncommand 40025\n"), 0);
  EXPECT_EQ(Events(), (Lines{"open 252", "close 252 1", "view 2"}));
  ExpectDialogGolden(Shot("notice-252"), "notice-252");
}

TEST_F(MenuDialogTest, AboutFromTheHelpMenuAndItsAccelerator) {
  ASSERT_EQ(Run("command 40003\nshot about\nok\nkey ctrl+shift+a\ncancel\n"), 0);
  EXPECT_EQ(Events(), (Lines{"open 103", "close 103 1", "open 103", "close 103 2"}));
  ExpectDialogGolden(Shot("about"), "about");
}

TEST_F(MenuDialogTest, TheInfoViewsTerminalItemOpensTheTerminal) {
  ASSERT_EQ(Run("command 40059\nsettext 1080 ?\nclick 1079\nshot terminal\nok\n"
                "command 40041\ncommand 40023\n"),
            0);
  EXPECT_EQ(Events(), (Lines{"open 257", "close 257 1", "view 1", "view 0"}));
  ExpectDialogGolden(Shot("terminal"), "terminal");
}

}  // namespace
}  // namespace orrery::testing
