// The date picker, the terminal and the About screen, opened on a running
// program and driven by scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "dialogs/about_screen.h"
#include "dialogs/pick_date.h"
#include "dialogs/terminal.h"
#include "foundation/error_log.h"
#include "shell/platform/desktop.h"
#include "shell/platform/menu_bar.h"
#include "shell/platform/multiline_edit.h"
#include "shell/platform/nav_bar.h"

namespace orrery::testing {
namespace {

using platform::Date;

// The calendar of the open date picker.
platform::MonthCalendar& Calendar(platform::Desktop& d) {
  return static_cast<platform::MonthCalendar&>(*d.ActiveWindow()->Child(PickDateCalendarId));
}

// Whether an empty menu bar owned by the active window stands at the bottom.
bool HasEmptyMenuBar(platform::Desktop& d) {
  for (const auto& w : d.Root().Children()) {
    auto* bar = dynamic_cast<platform::MenuBar*>(w.get());
    if (bar && bar->Owner() == d.ActiveWindow()) return bar->GetMenu().Items().empty() && bar->IsShown();
  }
  return false;
}

using PickDateTest = DialogTest;

TEST_F(PickDateTest, OkGivesTheChosenDateWithinTheRange) {
  MainWindow& main = Start();
  DatePick pick{{1700, 1, 1}, {2129, 12, 31}, {1, 1, 1}};
  look_ = [](platform::Desktop& d) {
    EXPECT_EQ(d.ActiveWindow()->Text(), u"Pick a date");
    EXPECT_TRUE(d.NavigationBar().OkButtonShown());
    EXPECT_TRUE(HasEmptyMenuBar(d));
    EXPECT_EQ(d.ActiveWindow()->Frame().bottom, platform::kMenuBarArea.top);
    // The earliest date bounds the choice: 1699 cannot be chosen.
    Calendar(d).SetSelection({1699, 12, 31});
    EXPECT_EQ(Calendar(d).Selection(), (Date{2024, 3, 20}));  // today (the fixed clock)
  };
  int code = 0;
  Drive("look\nkey right\nkey down\nok\n", [&] { code = PickDate(main, pick); });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(pick.result, (Date{2024, 3, 28}));
}

TEST_F(PickDateTest, WithoutARangeAnyDateCanBeChosenAndCancelGivesTwo) {
  MainWindow& main = Start();
  DatePick pick;
  look_ = [](platform::Desktop& d) { Calendar(d).SetSelection({1066, 10, 14}); };
  int code = 0;
  Drive("look\nok\n", [&] { code = PickDate(main, pick); });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(pick.result, (Date{1066, 10, 14}));

  Drive("key left\ncancel\n", [&] { code = PickDate(main, pick); });
  EXPECT_EQ(code, 2);
  EXPECT_EQ(pick.result, Date{});
}

TEST(TerminalAnswers, OnlyTheHelpAndTheErrorLogAreKnown) {
  EXPECT_EQ(TerminalAnswer(u"?"), u"Commands:\r\n\r\n  errors\r\n  test");
  // The help lists "test", which is unknown all the same; commands are exact.
  EXPECT_EQ(TerminalAnswer(u"test"), u"Unknown Command !");
  EXPECT_EQ(TerminalAnswer(u"? "), u"Unknown Command !");
  EXPECT_EQ(TerminalAnswer(u"Errors"), u"Unknown Command !");
  EXPECT_EQ(TerminalAnswer(u""), u"Unknown Command !");
  ClearErrorLog();
  const std::u16string empty = TerminalAnswer(u"errors");
  EXPECT_EQ(empty.substr(0, 12), u"\r\nErrors: \r\n");
  EXPECT_NE(empty.find(u"[22]  0"), std::u16string::npos);
  PushError(603);
  EXPECT_NE(TerminalAnswer(u"errors").find(u"[0]  603"), std::u16string::npos);
  // Only the first 512 characters are the command.
  EXPECT_EQ(TerminalAnswer(u"?" + std::u16string(600, u' ')), u"Unknown Command !");
}

using TerminalTest = DialogTest;

TEST_F(TerminalTest, TheButtonAndEnterAnswerOkClosesWithTheInputPanelDown) {
  MainWindow& main = Start();
  ClearErrorLog();
  PushError(5003);
  std::vector<std::u16string> outputs;
  std::u16string input;
  look_ = [&](platform::Desktop& d) {
    EXPECT_EQ(d.ActiveWindow()->Text(), u"qA Terminal");
    EXPECT_TRUE(d.InputPanelUp());
    std::u16string output;
    auto& out = static_cast<platform::MultiLineEdit&>(*d.ActiveWindow()->Child(TerminalOutputId));
    for (const std::u16string& line : out.Lines()) output += line + u"|";
    outputs.push_back(output);
    input = d.ActiveWindow()->Child(TerminalInputId)->Text();
  };
  Drive("settext 1080 errors\nclick 1079\nlook\nsettext 1080 ?\nkey enter\nlook\n"
        "settext 1080 " + std::string(130, 'x') + "\nlook\nok\n",
        [&] { ShowTerminal(main); });
  ASSERT_EQ(outputs.size(), 3u);
  EXPECT_NE(outputs[0].find(u"[0]  5003|"), std::u16string::npos);
  // Enter answered "?" in the same terminal instead of closing it.
  EXPECT_EQ(outputs[1], u"Commands:||  errors|  test|");
  EXPECT_EQ(input, std::u16string(128, u'x'));
  EXPECT_FALSE(desktop_.InputPanelUp());
}

using AboutTest = DialogTest;

TEST_F(AboutTest, FullScreenAboveAnEmptyMenuBarWithTheInputPanelDown) {
  MainWindow& main = Start();
  desktop_.SetInputPanel(true);
  look_ = [](platform::Desktop& d) {
    EXPECT_EQ(d.ActiveWindow()->Text(), u"About...");
    EXPECT_TRUE(d.NavigationBar().OkButtonShown());
    EXPECT_FALSE(d.InputPanelUp());
    EXPECT_TRUE(HasEmptyMenuBar(d));
    EXPECT_EQ(d.ActiveWindow()->Frame(), (platform::Rect{0, 26, 240, 294}));
  };
  Drive("look\nok\n", [&] { ShowAbout(main); });
  EXPECT_EQ(desktop_.ActiveWindow(), &main);
}

}  // namespace
}  // namespace orrery::testing
