// The dialog controls, driven by taps and keys as a user would.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/button.h"
#include "shell/platform/clock.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/combo_popup.h"
#include "shell/platform/edit.h"
#include "shell/platform/list_view.h"
#include "shell/platform/month_calendar.h"
#include "shell/platform/multiline_edit.h"
#include "shell/platform/static_control.h"
#include "shell/platform/text_layout.h"
#include "shell/platform/track_bar.h"
#include "shell/platform/tree_view.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

std::string Note(int code, int value) { return "page:notify " + std::to_string(code) + " " + std::to_string(value); }

struct ControlsFixture : ::testing::Test {
  Log log;
  Desktop desktop;
  Recorder& page = desktop.Add<Recorder>("page", kWorkArea, log);
  uint32_t clock = 0;

  void Down(Window& w, Point local) {
    desktop.SetInputTime(clock += 1000);
    desktop.InjectTap(MsgType::TapDown, w.ToScreen(local));
    desktop.ProcessPending();
  }
  void Up(Window& w, Point local) {
    desktop.InjectTap(MsgType::TapUp, w.ToScreen(local));
    desktop.ProcessPending();
  }
  // The screen point is taken before the tap: the tap may destroy w.
  void Tap(Window& w, Point local) {
    const Point screen = w.ToScreen(local);
    desktop.SetInputTime(clock += 1000);
    desktop.InjectTap(MsgType::TapDown, screen);
    desktop.ProcessPending();
    desktop.InjectTap(MsgType::TapUp, screen);
    desktop.ProcessPending();
  }
  void TapMiddle(Window& w) { Tap(w, {w.Frame().Width() / 2, w.Frame().Height() / 2}); }
  void Keys(std::initializer_list<int> keys, int modifiers = 0) {
    for (int k : keys) desktop.InjectKey(k, modifiers);
    desktop.ProcessPending();
  }
  void Type(std::u16string_view text) {
    for (char16_t c : text) desktop.InjectChar(c);
    desktop.ProcessPending();
  }
  void Clear() {
    desktop.ProcessPending();
    log.clear();
  }
};

TEST_F(ControlsFixture, CheckBoxesRadiosAndTogglePairs) {
  Button& box = page.Add<Button>(1051, Rect{5, 5, 120, 20}, u"use Local Time", ButtonKind::CheckBox);
  Button& north = page.Add<Button>(1032, Rect{5, 30, 25, 48}, u"N", ButtonKind::Toggle, 1);
  Button& south = page.Add<Button>(1033, Rect{26, 30, 46, 48}, u"S", ButtonKind::Toggle, 1);
  Button& plus = page.Add<Button>(1040, Rect{60, 30, 80, 48}, u"+", ButtonKind::Radio, 2);
  Button& minus = page.Add<Button>(1041, Rect{90, 30, 110, 48}, u"-", ButtonKind::Radio, 2);
  north.SetChecked(true);
  plus.SetChecked(true);
  Clear();
  TapMiddle(box);
  EXPECT_TRUE(box.Checked());
  TapMiddle(south);
  EXPECT_TRUE(south.Checked());
  EXPECT_FALSE(north.Checked());
  TapMiddle(south);  // pressing the pressed one keeps it pressed
  EXPECT_TRUE(south.Checked());
  TapMiddle(minus);
  EXPECT_FALSE(plus.Checked());
  EXPECT_TRUE(north.Checked() == false && minus.Checked());
  EXPECT_EQ(log, (Log{"page:command 1051", "page:command 1033", "page:command 1033", "page:command 1041"}));
  // Disabled: no change, no command; Space presses the focused one.
  box.Enable(false);
  Clear();
  TapMiddle(box);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(box.Checked());
  north.Focus();
  Keys({kKeySpace});
  EXPECT_TRUE(north.Checked());
  EXPECT_FALSE(south.Checked());
  // Lifting outside the button cancels the press.
  Down(south, {5, 5});
  Up(south, {5, 60});
  EXPECT_FALSE(south.Checked());
}

TEST_F(ControlsFixture, EditsTypeWithinTheirLimitAndReportChanges) {
  Edit& name = page.Add<Edit>(1018, Rect{5, 5, 200, 23}, 8);
  Edit& year = page.Add<Edit>(1019, Rect{5, 30, 60, 48}, 5, true);
  name.SetText(u"Jo");  // no notification for the program's own change
  Clear();
  TapMiddle(name);
  EXPECT_TRUE(name.HasFocus());
  EXPECT_EQ(name.Caret(), 2);  // tapped beyond the text: at its end
  Type(u"hn Smithers");
  EXPECT_EQ(name.Text(), u"John Smi");  // 8 characters at most
  EXPECT_EQ(log.size(), 6u);  // one change per accepted character
  Keys({kKeyBack, kKeyHome, kKeyDelete});
  EXPECT_EQ(name.Text(), u"ohn Sm");
  Keys({kKeyRight}, 0);
  Keys({kKeyRight, kKeyRight}, kModShift);
  EXPECT_EQ(name.SelectionStart(), 1);
  EXPECT_EQ(name.SelectionEnd(), 3);
  Type(u"X");
  EXPECT_EQ(name.Text(), u"oX Sm");
  Keys({kKeyEnd});
  Keys({kKeyHome}, kModShift);
  Keys({kKeyBack});
  EXPECT_TRUE(name.Text().empty());
  Keys({kKeyBack, kKeyDelete});  // nothing left: no change, no notification
  // Numbers only; Tab-like focus (from the program) selects everything.
  year.SetText(u"19");
  year.Focus();
  desktop.ProcessPending();
  EXPECT_EQ(year.SelectionEnd() - year.SelectionStart(), 2);
  Type(u"1a9x9");
  EXPECT_EQ(year.Text(), u"199");
  year.SetReadOnly(true);
  Type(u"7");
  Keys({kKeyBack});
  EXPECT_EQ(year.Text(), u"199");
}

TEST_F(ControlsFixture, EditCaretGoesWhereTheTextIsTapped) {
  Edit& e = page.Add<Edit>(1, Rect{5, 5, 200, 23});
  e.SetText(u"Greenwich");
  const Font font;
  const int afterGreen = font.Extent(u"Green").width;
  Tap(e, {3 + afterGreen, 9});  // the edit's text starts 3 pixels in
  EXPECT_EQ(e.Caret(), 5);
  // A long text scrolls so that the caret stays visible, and still takes taps.
  e.SetText(u"A very long name of a place somewhere far away");
  Keys({kKeyEnd});
  Tap(e, {190, 9});
  EXPECT_GE(e.Caret(), int(e.Text().size()) - 2);
}

TEST(TextLayout, WrapsAtWordsAndLineBreaks) {
  const Font font;
  const std::u16string text = u"At this specific location this date does not exist\r\nJulian";
  const auto lines = WrapText(font, text, 100);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.back(), u"Julian");
  std::u16string joined;
  for (const auto& l : lines) {
    EXPECT_LE(font.Extent(l).width, 100) << std::string(l.begin(), l.end());
    EXPECT_FALSE(!l.empty() && (l.front() == u' ' || l.back() == u' '));
  }
  for (size_t i = 0; i + 1 < lines.size(); ++i) joined += lines[i] + u" ";
  EXPECT_EQ(joined, u"At this specific location this date does not exist ");
  // A word wider than the room is broken inside.
  const auto parts = WrapText(font, u"Sesquiquadrate", 30);
  EXPECT_GT(parts.size(), 1u);
  std::u16string whole;
  for (const auto& p : parts) whole += p;
  EXPECT_EQ(whole, u"Sesquiquadrate");
  EXPECT_EQ(WrapText(font, u"", 50), (std::vector<std::u16string>{u""}));
}

TEST_F(ControlsFixture, MultiLineEditScrollsLongText) {
  MultiLineEdit& out = page.Add<MultiLineEdit>(1081, Rect{5, 5, 235, 105});
  out.SetLimit(2048);
  std::u16string text = u"Commands:\r\n\r\n  errors\r\n  test";
  out.SetContent(text);
  EXPECT_EQ(out.Lines().size(), 4u);
  EXPECT_EQ(out.Lines()[2], u"  errors");
  std::u16string many;
  for (int i = 0; i < 40; ++i) many += u"line " + std::u16string(1, char16_t(u'A' + i % 26)) + u"\r\n";
  out.SetContent(many);
  EXPECT_EQ(out.TopLine(), 0);
  out.Focus();
  Keys({kKeyDown, kKeyDown});
  EXPECT_EQ(out.TopLine(), 2);
  Keys({kKeyEnd});
  EXPECT_EQ(out.TopLine(), int(out.Lines().size()) - out.VisibleLines());
  out.SetContent(std::u16string(5000, u'x'));
  EXPECT_EQ(out.Text().size(), 2048u);
}

TEST_F(ControlsFixture, ComboBoxesOpenChooseAndClose) {
  ComboBox& combo = page.Add<ComboBox>(1024, Rect{5, 5, 120, 21});
  for (auto s : {u"Neutral", u"Male", u"Female"}) combo.AddItem(s);
  combo.SetSelection(0);
  Clear();
  TapMiddle(combo);
  ASSERT_TRUE(combo.IsOpen());
  ListView& list = combo.Popup()->List();
  EXPECT_GE(list.ScreenRect().top, combo.ScreenRect().bottom);
  const Rect row = list.RowRect(2);
  Tap(list, {row.left + 5, row.top + 5});
  EXPECT_FALSE(combo.IsOpen());
  EXPECT_EQ(combo.Selection(), 2);
  EXPECT_EQ(log, (Log{"page:command 1024"}));
  // A tap beside the open list closes it and changes nothing.
  TapMiddle(combo);
  Tap(page, {200, 200});
  EXPECT_FALSE(combo.IsOpen());
  EXPECT_EQ(combo.Selection(), 2);
  EXPECT_EQ(log.size(), 1u);
  // Keys step through the items.
  Keys({kKeyUp, kKeyUp, kKeyUp});
  EXPECT_EQ(combo.Selection(), 0);
  EXPECT_EQ(log.size(), 3u);
  EXPECT_EQ(combo.ItemData(7), -1);
}

TEST_F(ControlsFixture, ListViewsSelectScrollAndKnowDoubleTaps) {
  ListView& list = page.Add<ListView>(1001, Rect{5, 5, 200, 105});
  list.AddColumn(u"Name", 150);
  for (int i = 0; i < 20; ++i) list.AddRow({u"Chart " + std::u16string(1, char16_t(u'A' + i))}, 100 + i);
  EXPECT_EQ(list.VisibleRows(), 5);
  Clear();
  const Rect r1 = list.RowRect(1);
  Tap(list, {r1.left + 5, r1.top + 4});
  EXPECT_EQ(list.Selection(), 1);
  EXPECT_EQ(list.RowData(1), 101);
  // Two taps 100 ms apart on the same row: a double tap.
  desktop.SetInputTime(clock += 1000);
  desktop.InjectTap(MsgType::TapDown, list.ToScreen({r1.left + 5, r1.top + 4}));
  desktop.InjectTap(MsgType::TapUp, list.ToScreen({r1.left + 5, r1.top + 4}));
  desktop.ProcessPending();
  EXPECT_EQ(log, (Log{Note(kListSelChanged, 1)}));
  desktop.SetInputTime(clock += 100);
  desktop.InjectTap(MsgType::TapDown, list.ToScreen({r1.left + 5, r1.top + 4}));
  desktop.ProcessPending();
  EXPECT_EQ(log, (Log{Note(kListSelChanged, 1), Note(kListDoubleTap, 1)}));
  // Keys move the selection and scroll it into view.
  list.Focus();
  for (int i = 0; i < 10; ++i) desktop.InjectKey(kKeyDown);
  desktop.ProcessPending();
  EXPECT_EQ(list.Selection(), 11);
  EXPECT_FALSE(list.RowRect(11).Empty());
  EXPECT_TRUE(list.RowRect(0).Empty());
  // Removing rows keeps the selection on the same row.
  list.RemoveRow(0);
  EXPECT_EQ(list.Selection(), 10);
  EXPECT_EQ(list.CellText(10, 0), u"Chart L");
  list.RemoveRow(10);
  EXPECT_EQ(list.Selection(), -1);
  EXPECT_FALSE(list.RemoveRow(99));
}

TEST_F(ControlsFixture, TreeViewsBuildChildrenOnFirstExpansion) {
  int fills = 0;
  // The parent fills a region's countries when it is first expanded.
  struct Filler : Window {
    TreeView* tree = nullptr;
    int* fills = nullptr;
    using Window::Window;
    int OnMessage(const Message& m) override {
      if (m.type == MsgType::Notify && m.code == kTreeExpanding) {
        ++*fills;
        tree->AddItem(m.value, u"Germany", 70, true);
        tree->AddItem(m.value, u"France", 71, false);
      }
      return Window::OnMessage(m);
    }
  };
  Filler& host = desktop.Add<Filler>(0, kWorkArea);
  TreeView& t = host.Add<TreeView>(1026, Rect{5, 5, 200, 200});
  host.tree = &t;
  host.fills = &fills;
  const int region = t.AddItem(kTreeRoot, u"Europe", 7, true);
  EXPECT_TRUE(t.HasBox(region));
  EXPECT_TRUE(t.ChildrenOf(region).empty());
  desktop.ProcessPending();
  Tap(t, {t.BoxRect(0).left + 4, t.BoxRect(0).top + 4});
  EXPECT_EQ(fills, 1);
  EXPECT_TRUE(t.IsExpanded(region));
  ASSERT_EQ(t.VisibleItems().size(), 3u);
  const int germany = t.VisibleItems()[1];
  EXPECT_EQ(t.ItemData(germany), 70);
  // Collapse and expand again: no second request.
  Tap(t, {t.BoxRect(0).left + 4, t.BoxRect(0).top + 4});
  Tap(t, {t.BoxRect(0).left + 4, t.BoxRect(0).top + 4});
  EXPECT_EQ(fills, 1);
  // Expanding Germany asks for its children in turn.
  Tap(t, {t.BoxRect(1).left + 4, t.BoxRect(1).top + 4});
  EXPECT_EQ(fills, 2);
  EXPECT_EQ(t.ChildrenOf(germany).size(), 2u);
  // France was not marked expandable and has no children: no box.
  EXPECT_FALSE(t.HasBox(t.ChildrenOf(region)[1]));
  // Selecting by tap; collapsing moves a hidden selection to the parent.
  const Rect row = t.RowRect(2);
  Tap(t, {row.left + 40, row.top + 4});
  EXPECT_EQ(t.ParentOf(t.Selection()), germany);
  t.Focus();
  desktop.InjectKey(kKeyUp);
  desktop.InjectKey(kKeyLeft);
  desktop.ProcessPending();
  EXPECT_EQ(t.Selection(), germany);
  EXPECT_FALSE(t.IsExpanded(germany));
}

TEST_F(ControlsFixture, TrackBarsMoveByPageDragAndKeys) {
  TrackBar& bar = page.Add<TrackBar>(1012, Rect{10, 10, 210, 40});
  bar.SetRange(0, 30);
  bar.SetPageSize(5);
  bar.SetPosition(15);
  bar.SetTick(14);
  bar.SetTick(99);  // outside the range: ignored
  EXPECT_EQ(bar.Ticks(), std::vector<int>{14});
  Clear();
  Tap(bar, {bar.XOf(30), 10});
  EXPECT_EQ(bar.Position(), 20);
  Tap(bar, {bar.XOf(0), 10});
  EXPECT_EQ(bar.Position(), 15);
  // Dragging the thumb to where 27 sits.
  const Rect thumb = bar.Thumb();
  Down(bar, {(thumb.left + thumb.right) / 2, 8});
  desktop.InjectTap(MsgType::TapMove, bar.ToScreen({bar.XOf(27), 8}));
  Up(bar, {bar.XOf(27), 8});
  EXPECT_EQ(bar.Position(), 27);
  Keys({kKeyRight, kKeyRight, kKeyRight, kKeyRight});  // stops at the end
  Keys({kKeyHome});
  EXPECT_EQ(log, (Log{Note(kTrackPosition, 20), Note(kTrackPosition, 15), Note(kTrackPosition, 27),
                      Note(kTrackPosition, 28), Note(kTrackPosition, 29), Note(kTrackPosition, 30),
                      Note(kTrackPosition, 0)}));
  bar.SetRange(0, 9);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_TRUE(bar.Ticks().empty());
}

TEST(Calendar, MonthLengthsFollowTheGregorianRule) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(1999, 9), 30);
  EXPECT_EQ(DaysInMonth(1999, 13), 0);
  EXPECT_EQ(AddDays({1999, 12, 31}, 1), (Date{2000, 1, 1}));
  EXPECT_EQ(AddDays({2000, 3, 1}, -1), (Date{2000, 2, 29}));
}

TEST_F(ControlsFixture, MonthCalendarsSelectWithinTheirRange) {
  FixClock(SystemTime{1999, 8, 11, 11, 3, 0, 0});
  MonthCalendar& cal = page.Add<MonthCalendar>(1049, Rect{5, 5, 229, 130});
  FixClock(std::nullopt);
  EXPECT_EQ(cal.Selection(), (Date{1999, 8, 11}));
  // 1 August 1999 was a Sunday: the first column.
  EXPECT_EQ(cal.DayRect(1).left, cal.DayRect(8).left);
  EXPECT_LT(cal.DayRect(1).left, cal.DayRect(2).left);
  Clear();
  const Rect d20 = cal.DayRect(20);
  Tap(cal, {d20.left + 3, d20.top + 3});
  EXPECT_EQ(cal.Selection(), (Date{1999, 8, 20}));
  EXPECT_EQ(log, (Log{Note(kCalendarSelChanged, 19990820)}));
  cal.SetRange(Date{1700, 1, 1}, Date{1999, 8, 25});
  Tap(cal, {cal.NextArrow().left + 5, 5});
  EXPECT_EQ(cal.ShownMonth(), 8);  // September lies beyond the range
  const Rect d28 = cal.DayRect(28);
  Tap(cal, {d28.left + 3, d28.top + 3});
  EXPECT_EQ(cal.Selection(), (Date{1999, 8, 20}));
  Tap(cal, {cal.PreviousArrow().left + 5, 5});
  EXPECT_EQ(cal.ShownMonth(), 7);
  // Keys move by days and weeks and turn the month.
  cal.Focus();
  Keys({kKeyDown, kKeyRight});  // a week on lies beyond the range
  EXPECT_EQ(cal.Selection(), (Date{1999, 8, 21}));
  EXPECT_EQ(cal.ShownMonth(), 8);
  Keys({kKeyUp, kKeyUp, kKeyUp});
  EXPECT_EQ(cal.Selection(), (Date{1999, 7, 31}));
  EXPECT_EQ(cal.ShownMonth(), 7);
}

}  // namespace
}  // namespace orrery::platform
