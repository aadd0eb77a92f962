// The aspect tool bar and the vertical scroll bar.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/tool_bar.h"
#include "shell/platform/tool_tip.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

struct Controls : ::testing::Test {
  Log log;
  Desktop desktop;
  Recorder& main = desktop.Add<Recorder>("main", Rect{0, 26, 240, 320}, log);

  void Tap(Point p) {
    desktop.InjectTap(MsgType::TapDown, p);
    desktop.InjectTap(MsgType::TapUp, p);
    desktop.ProcessPending();
  }
  ToolTip* Tip() {
    for (auto& w : desktop.Root().Children())
      if (auto* t = dynamic_cast<ToolTip*>(w.get())) return t;
    return nullptr;
  }
};

ToolBar& AspectBar(Window& parent) {
  Image strip(12 * 13, 12);
  for (int k = 0; k < 12; ++k)
    for (int y = 0; y < 12; ++y) strip.SetPixel(k * 13 + 6, y, Rgb(255, 0, 0));
  ToolBar& bar = parent.Add<ToolBar>(115, Rect{0, -2, 240, 22}, strip, Size{13, 12});
  std::vector<ToolButton> buttons;
  const char16_t* tips[] = {u"Conjunction [0°]", u"Opposition [180°]", u"Square [90°]", u"Trine [120°]",
                            u"Sextile [60°]", u"Semisextile [30°]", u"Quincunx [150°]", u"Semisquare [45°]",
                            u"Sesquiquadrate [135°]", u"Quintile [72°]", u"Biquintile [144°]", u"Tao [165°]"};
  for (int k = 0; k < 12; ++k) buttons.push_back({102 + k, k, true, tips[k]});
  bar.AddButtons(std::move(buttons));
  return bar;
}

TEST_F(Controls, ToolBarButtonsToggleAndReportToTheParent) {
  ToolBar& bar = AspectBar(main);
  EXPECT_EQ(bar.ButtonSize(), (Size{20, 19}));
  EXPECT_EQ(bar.ButtonRect(113).right, 240);  // twelve buttons fill the width
  const Point trine = bar.ToScreen({bar.ButtonRect(105).left + 10, bar.ButtonRect(105).top + 9});
  log.clear();
  Tap(trine);
  EXPECT_TRUE(bar.IsChecked(105));
  EXPECT_EQ(log, (Log{"main:command 105"}));
  Tap(trine);
  EXPECT_FALSE(bar.IsChecked(105));

  // A disabled button ignores taps and keeps its state.
  bar.Check(105, true);
  bar.EnableButton(105, false);
  log.clear();
  Tap(trine);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(bar.IsChecked(105));
  EXPECT_FALSE(bar.IsButtonEnabled(105));
  EXPECT_FALSE(bar.Check(999, true));

  // Lifting the stylus beside the button cancels the press.
  const Point square = bar.ToScreen({bar.ButtonRect(104).left + 10, 10});
  desktop.InjectTap(MsgType::TapDown, square);
  desktop.InjectTap(MsgType::TapUp, {square.x, 200});
  desktop.ProcessPending();
  EXPECT_FALSE(bar.IsChecked(104));
}

TEST_F(Controls, ToolTipShowsWhileTheStylusIsDown) {
  ToolBar& bar = AspectBar(main);
  const Point p = bar.ToScreen({bar.ButtonRect(111).left + 10, 10});
  desktop.InjectTap(MsgType::TapDown, p);
  desktop.ProcessPending();
  ASSERT_NE(Tip(), nullptr);
  EXPECT_EQ(Tip()->Text(), u"Quintile [72°]");
  EXPECT_GE(Tip()->Frame().top, bar.ScreenRect().top + ToolBar::kTopMargin + 19);
  EXPECT_LE(Tip()->Frame().right, 240);
  desktop.InjectTap(MsgType::TapUp, p);
  desktop.ProcessPending();
  EXPECT_EQ(Tip(), nullptr);
}

TEST_F(Controls, DisabledToolButtonsAreDrawnFaded) {
  ToolBar& bar = AspectBar(main);
  desktop.ProcessPending();
  const Rect r = bar.ButtonRect(102);
  const Point stroke = bar.ToScreen({r.left + (r.Width() - 13) / 2 + 6, r.top + 9});
  EXPECT_EQ(desktop.Screen().Pixel(stroke.x, stroke.y), Rgb(255, 0, 0));
  bar.EnableButton(102, false);
  desktop.ProcessPending();
  EXPECT_EQ(desktop.Screen().Pixel(stroke.x, stroke.y), Rgb(192, 192, 192));
}

struct ScrollFixture : Controls {
  ScrollBar& bar = main.Add<ScrollBar>(7, Rect{226, 0, 240, 268});
  ScrollFixture() {
    bar.SetInfo(0, 4, 1, 0);
    desktop.ProcessPending();
    log.clear();
  }
  Point At(int y) { return bar.ToScreen({7, y}); }
};

TEST_F(ScrollFixture, ArrowsTrackAndKeysSendTheirActions) {
  Tap(At(bar.UpArrow().top + 3));
  Tap(At(bar.DownArrow().top + 3));
  bar.SetPosition(2);
  const Rect thumb = bar.Thumb();
  Tap(At(thumb.top - 5));
  Tap(At(thumb.bottom + 5));
  EXPECT_EQ(log, (Log{"main:scroll 0 0", "main:scroll 8 0", "main:scroll 1 0", "main:scroll 8 0",
                      "main:scroll 2 0", "main:scroll 8 0", "main:scroll 3 0", "main:scroll 8 0"}));
  log.clear();
  bar.Focus();
  for (int key : {kKeyUp, kKeyDown, kKeyPageUp, kKeyPageDown, kKeyHome, kKeyEnd}) desktop.InjectKey(key);
  desktop.ProcessPending();
  std::vector<std::string> actions;
  for (auto& e : log)
    if (e != "main:scroll 8 0") actions.push_back(e);
  EXPECT_EQ(actions, (std::vector<std::string>{"main:scroll 0 0", "main:scroll 1 0", "main:scroll 2 0",
                                               "main:scroll 3 0", "main:scroll 6 0", "main:scroll 7 0"}));
  // The bar reports; the position is the parent's to set.
  EXPECT_EQ(bar.Position(), 2);
}

TEST_F(ScrollFixture, DraggingTheThumbTracksAndEndsWithItsPosition) {
  const Rect thumb = bar.Thumb();
  const int start = (thumb.top + thumb.bottom) / 2;
  desktop.InjectTap(MsgType::TapDown, At(start));
  desktop.InjectTap(MsgType::TapMove, At(start + 400));  // far below the end
  desktop.InjectTap(MsgType::TapUp, At(start + 400));
  desktop.ProcessPending();
  EXPECT_EQ(log, (Log{"main:scroll 5 4", "main:scroll 4 4", "main:scroll 8 0"}));
  bar.SetPosition(4);
  log.clear();
  const Rect end = bar.Thumb();
  EXPECT_EQ(end.bottom, bar.DownArrow().top);
  desktop.InjectTap(MsgType::TapDown, At(end.top + 2));
  desktop.InjectTap(MsgType::TapMove, At(end.top + 2 - end.Height()));
  desktop.InjectTap(MsgType::TapUp, At(end.top + 2 - end.Height()));
  desktop.ProcessPending();
  EXPECT_EQ(log, (Log{"main:scroll 5 3", "main:scroll 4 3", "main:scroll 8 0"}));
}

TEST_F(ScrollFixture, RangeAndPageLimitThePosition) {
  bar.SetInfo(0, 9, 3, 50);
  EXPECT_EQ(bar.MaxPosition(), 7);
  EXPECT_EQ(bar.Position(), 7);
  EXPECT_EQ(bar.SetPosition(-4), 0);
  bar.SetInfo(0, 0, 1, 0);  // one page: no thumb, the arrows still report
  EXPECT_TRUE(bar.Thumb().Empty());
  Tap(At(100));
  Tap(At(bar.DownArrow().top + 2));
  EXPECT_EQ(log, (Log{"main:scroll 1 0", "main:scroll 8 0"}));
}

}  // namespace
}  // namespace orrery::platform
