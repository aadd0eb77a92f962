// The caution notices and the Yes/No question: their templates, how they
// open and how every way of closing them answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "dialogs/caution_notices.h"
#include "shell/platform/desktop.h"
#include "shell/platform/dialog_template.h"
#include "shell/platform/month_calendar.h"
#include "shell/platform/nav_bar.h"
#include "shell/platform/theme.h"

namespace orrery::testing {
namespace {

using platform::ControlKind;
using platform::DialogTemplate;

std::vector<int> AllTemplates() {
  std::vector<int> ids;
  for (int id = NoticeNameMissing; id <= QuestionDeleteChart; ++id) ids.push_back(id);
  ids.push_back(NoticeChartsFull);
  return ids;
}

std::vector<std::u16string> Lines(const DialogTemplate& t) {
  std::vector<std::u16string> lines;
  for (const platform::ControlTemplate& c : t.controls) {
    if (c.kind == ControlKind::Text) lines.push_back(c.text);
  }
  return lines;
}

const DialogTemplate& Template(int id) {
  RegisterCautionTemplates();
  const DialogTemplate* t = platform::FindDialog(id);
  EXPECT_NE(t, nullptr) << "template " << id;
  static const DialogTemplate none;
  return t ? *t : none;
}

TEST(CautionTemplates, EveryOneIsACautionWithTheIconAndLinesThatFitOnOneLine) {
  const platform::Font font = platform::theme::ControlFont();
  for (int id : AllTemplates()) {
    SCOPED_TRACE(id);
    const DialogTemplate& t = Template(id);
    EXPECT_EQ(t.title, u"Caution !");
    // Only the question hides the navigation bar's OK.
    EXPECT_EQ((t.style & platform::kDialogOkButton) != 0, id != QuestionDeleteChart);
    ASSERT_FALSE(t.controls.empty());
    EXPECT_EQ(t.controls[0].kind, ControlKind::Icon);
    EXPECT_EQ(t.controls[0].image, CautionIconId);
    EXPECT_LE(t.frame.Width(), platform::kScreenWidth);
    EXPECT_LE(t.frame.Height(), platform::kWorkArea.Height() - platform::kMenuBarHeight);
    for (const platform::ControlTemplate& c : t.controls) {
      EXPECT_TRUE(t.frame.Intersect(c.rect) == c.rect) << "control outside the notice";
      // A line wider than its static would wrap and lose its second half.
      if (c.kind == ControlKind::Text) {
        EXPECT_LE(font.Extent(c.text).width, c.rect.Width());
      }
    }
  }
}

TEST(CautionTemplates, DayNoticesGiveEachMonthItsLength) {
  const char16_t* months[] = {u"January", u"March",     u"April",   u"May",      u"June",     u"July",
                              u"August",  u"September", u"October", u"November", u"December", u"February"};
  const int monthNumbers[] = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2};
  for (int i = 0; i < 12; ++i) {
    const int id = NoticeDayJanuary + i;
    const int days = platform::DaysInMonth(2001, monthNumbers[i]);  // a common year
    const std::string count = std::to_string(days);
    const std::u16string line =
        u"1 and " + std::u16string(count.begin(), count.end()) + u" for " + months[i] + u".";
    EXPECT_EQ(Lines(Template(id)),
              (std::vector<std::u16string>{u"Invalid day !", u"Please enter a value between", line}))
        << id;
  }
  EXPECT_EQ(Lines(Template(NoticeDayLeapFebruary)),
            (std::vector<std::u16string>{u"Invalid day !", u"Please enter a value between",
                                         u"1 and 29 for February.", u"The year you\u00b4ve entered is",
                                         u"a leap year !"}));
}

TEST(CautionTemplates, TheStoreFullNoticeNamesTheStoresRealLimitAndHasAnOkButton) {
  const DialogTemplate& t = Template(NoticeChartsFull);
  EXPECT_EQ(Lines(t), (std::vector<std::u16string>{u"No more charts possible !", u"There is a maximum of",
                                                    u"200 charts in this version.", u"Please delete another chart",
                                                    u"before you create a new one."}));
  const platform::ControlTemplate& button = t.controls.back();
  EXPECT_EQ(button.kind, ControlKind::Button);
  EXPECT_EQ(button.id, platform::kIdOk);
  EXPECT_EQ(button.text, u"OK");
  EXPECT_EQ(Lines(Template(NoticePlaceMissing)).back(), u"page \"Place\".");
  EXPECT_EQ(Lines(Template(NoticePosition)).size(), 7u);
  EXPECT_EQ(Lines(Template(QuestionDeleteChart)), (std::vector<std::u16string>{u"Delete this chart ?"}));
}

using CautionNoticeTest = DialogTest;

TEST_F(CautionNoticeTest, ANoticeIsCentredInItsOwnerAndEveryWayOfClosingItEndsIt) {
  MainWindow& main = Start();
  platform::Rect frame;
  look_ = [&](platform::Desktop& d) {
    ASSERT_NE(d.ActiveWindow(), nullptr);
    EXPECT_EQ(d.ActiveWindow()->Text(), u"Caution !");
    EXPECT_TRUE(d.NavigationBar().OkButtonShown());
    frame = d.ActiveWindow()->Frame();
  };
  Drive("look\nok\n", [&] { ShowCautionNotice(main, NoticeYear); });
  const platform::Rect owner = main.ScreenRect();
  EXPECT_EQ(frame.left - owner.left, owner.right - frame.right);
  EXPECT_LE(std::abs((frame.top - owner.top) - (owner.bottom - frame.bottom)), 1);
  EXPECT_EQ(desktop_.ActiveWindow(), &main);

  Drive("cancel\n", [&] { ShowCautionNotice(main, NoticeHour); });
  Drive("click 1\n", [&] { ShowCautionNotice(main, NoticeChartsFull); });
  EXPECT_EQ(desktop_.ActiveWindow(), &main);
  // A template that does not exist opens nothing.
  Drive("", [&] { ShowCautionNotice(main, 140); });
}

struct Answer {
  const char* script;
  bool defaultYes;
  int expected;
};

void PrintTo(const Answer& a, std::ostream* out) {
  *out << (a.defaultYes ? "Yes" : "No") << " first, script: " << a.script;
}

class YesNoTest : public DialogTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(YesNoTest, ButtonsAndCommandsOneAndTwoAnswerOtherCommandsLeaveItOpen) {
  const Answer a = GetParam();
  MainWindow& main = Start();
  look_ = [&](platform::Desktop& d) {
    ASSERT_NE(d.ActiveWindow(), &main);
    EXPECT_FALSE(d.NavigationBar().OkButtonShown());
    ASSERT_NE(d.Focus(), nullptr);
    EXPECT_EQ(d.Focus()->Id(), a.defaultYes ? YesButtonId : NoButtonId);
  };
  int answer = -1;
  Drive(a.script, [&] { answer = AskYesNo(main, QuestionDeleteChart, a.defaultYes); });
  EXPECT_EQ(answer, a.expected);
  EXPECT_EQ(desktop_.ActiveWindow(), &main);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, YesNoTest,
    ::testing::Values(Answer{"look\nclick 1041\n", false, 1}, Answer{"look\nclick 1042\n", true, 0},
                      Answer{"send 1\n", false, 1}, Answer{"send 2\n", true, 0},
                      // Enter presses the focused button; Escape is command 2.
                      Answer{"key enter\n", true, 1}, Answer{"key enter\n", false, 0},
                      Answer{"cancel\n", true, 0},
                      // Another command changes nothing: the question stays.
                      Answer{"send 1050\nlook\nsend 1041\n", true, 1}));

}  // namespace
}  // namespace orrery::testing
