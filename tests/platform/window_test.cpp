// Windows and messages: order of dispatch, painting after invalidation,
// routing of taps and keys, focus and destruction.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/nav_bar.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

TEST(Messages, CreateAndDestroyReachParentsBeforeChildren) {
  Log log;
  Desktop d;
  Recorder& top = d.Add<Recorder>("top", Rect{0, 26, 240, 320}, log);
  top.Add<Recorder>("a", Rect{0, 0, 10, 10}, log).Add<Recorder>("a1", Rect{0, 0, 5, 5}, log);
  top.Add<Recorder>("b", Rect{10, 0, 20, 10}, log);
  top.Destroy();
  EXPECT_EQ(log, (Log{"top:create", "a:create", "a1:create", "b:create", "top:destroy", "a:destroy",
                      "a1:destroy", "b:destroy"}));
  EXPECT_FALSE(top.Alive());
}

TEST(Messages, PostedMessagesArriveInOrderAfterSentOnes) {
  Log log;
  Desktop d;
  Recorder& w = d.Add<Recorder>("w", kWorkArea, log);
  log.clear();
  w.Post(Message::Command(1));
  w.Post(Message::Command(2));
  w.Send(Message::Command(3));
  EXPECT_EQ(log, (Log{"w:command 3"}));
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"w:command 3", "w:command 1", "w:command 2"}));
}

TEST(Messages, MessagesForDestroyedWindowsAreDropped) {
  Log log;
  Desktop d;
  Recorder& w = d.Add<Recorder>("w", kWorkArea, log);
  w.Post(Message::Command(1));
  w.Destroy();
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"w:create", "w:destroy"}));
}

// Destroys itself (and a sibling) from inside its own handler.
class SelfDestroyer : public Window {
 public:
  SelfDestroyer(Window* other) : Window(0, kWorkArea), other_(other) {}
  int OnMessage(const Message& m) override {
    if (m.type == MsgType::Command) {
      Destroy();
      if (other_) other_->Destroy();
      touched = m.id;  // the object is still usable until the handler returns
      return 1;
    }
    return Window::OnMessage(m);
  }
  int touched = 0;

 private:
  Window* other_;
};

TEST(Messages, AWindowMayDestroyItselfInItsHandler) {
  Desktop d;
  Log log;
  Recorder& other = d.Add<Recorder>("o", kWorkArea, log);
  SelfDestroyer& w = d.Add<SelfDestroyer>(&other);
  w.Post(Message::Command(7));
  other.Post(Message::Command(8));
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"o:create", "o:destroy"}));
  EXPECT_EQ(d.Root().Children().size(), 1u);  // only the navigation bar is left
}

TEST(Painting, HappensOnlyWhenTheQueueIsEmptyParentsFirst) {
  Log log;
  Desktop d;
  d.ProcessPending();
  Recorder& back = d.Add<Recorder>("back", kWorkArea, log, true);
  back.Add<Recorder>("child", Rect{10, 10, 50, 50}, log, true);
  Recorder& front = d.Add<Recorder>("front", Rect{0, 100, 240, 200}, log, true);
  log.clear();
  back.Post(Message::Command(1));
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"back:command 1", "back:paint", "child:paint", "front:paint"}));

  // Only windows over the invalid part are painted.
  log.clear();
  back.InvalidateRect({0, 0, 20, 20});
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"back:paint", "child:paint"}));

  log.clear();
  d.ProcessPending();
  EXPECT_TRUE(log.empty());

  // Hidden windows are neither painted nor hit.
  front.Show(false);
  log.clear();
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"back:paint"}));  // the child lies outside the uncovered part
  EXPECT_EQ(d.WindowAt({5, 150}), &back);
}

// Paints a red square; used to see erasing.
class Square : public Window {
 public:
  Square() : Window(0, kWorkArea) {}
  int OnMessage(const Message& m) override {
    if (m.type == MsgType::Paint) m.dc->FillRect({0, 0, 10, 10}, Rgb(255, 0, 0));
    return Window::OnMessage(m);
  }
};

TEST(Painting, EraseFillsTheBackgroundFirstWithoutEraseKeepsPixels) {
  Desktop d;
  Square& w = d.Add<Square>();
  w.SetBackground(Rgb(0, 0, 255));
  d.ProcessPending();
  EXPECT_EQ(d.Screen().Pixel(50, 100), Rgb(0, 0, 255));
  EXPECT_EQ(d.Screen().Pixel(5, 30), Rgb(255, 0, 0));
  d.Screen().SetPixel(50, 100, kBlack);
  w.Invalidate(false);
  d.ProcessPending();
  EXPECT_EQ(d.Screen().Pixel(50, 100), kBlack);
  w.Invalidate(true);
  d.ProcessPending();
  EXPECT_EQ(d.Screen().Pixel(50, 100), Rgb(0, 0, 255));
}

TEST(Taps, GoToTheTopmostWindowWhichKeepsTheStylus) {
  Log log;
  Desktop d;
  Recorder& back = d.Add<Recorder>("back", kWorkArea, log);
  back.Add<Recorder>("child", Rect{10, 10, 50, 50}, log);
  d.Add<Recorder>("front", Rect{0, 200, 240, 260}, log);
  log.clear();
  d.InjectTap(MsgType::TapDown, {20, 40});
  d.InjectTap(MsgType::TapMove, {100, 220});  // over "front", still to "child"
  d.InjectTap(MsgType::TapUp, {100, 220});
  d.InjectTap(MsgType::TapDown, {100, 220});
  d.InjectTap(MsgType::TapUp, {100, 221});
  d.InjectTap(MsgType::TapMove, {1, 1});  // no stylus down: nobody
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"child:down 10,4", "child:move 90,184", "child:up 90,184", "front:down 100,20",
                      "front:up 100,21"}));
}

TEST(Taps, DisabledWindowsAndTheirChildrenGetNone) {
  Log log;
  Desktop d;
  Recorder& back = d.Add<Recorder>("back", kWorkArea, log);
  Recorder& child = back.Add<Recorder>("child", Rect{10, 10, 50, 50}, log);
  log.clear();
  back.Enable(false);
  d.InjectTap(MsgType::TapDown, {20, 40});
  d.InjectTap(MsgType::TapUp, {20, 40});
  d.ProcessPending();
  EXPECT_TRUE(log.empty());
  back.Enable(true);
  child.Enable(false);
  d.InjectTap(MsgType::TapDown, {100, 100});
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"back:down 100,74"}));
}

TEST(Keys, GoToTheFocusAndUpItsParentsUntilHandled) {
  Log log;
  Desktop d;
  Recorder& top = d.Add<Recorder>("top", kWorkArea, log);
  Recorder& mid = top.Add<Recorder>("mid", Rect{0, 0, 100, 100}, log);
  Recorder& leaf = mid.Add<Recorder>("leaf", Rect{0, 0, 10, 10}, log);
  log.clear();
  leaf.Focus();
  EXPECT_EQ(log, (Log{"leaf:setfocus"}));
  mid.handleKeys = true;
  d.InjectKey(kKeyDown);
  d.InjectChar(u'x');
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"leaf:setfocus", "leaf:key 268/0", "mid:key 268/0", "leaf:char 120", "mid:char 120",
                      "top:char 120"}));
  log.clear();
  mid.Focus();
  EXPECT_EQ(log, (Log{"leaf:killfocus", "mid:setfocus"}));
  mid.Destroy();
  EXPECT_EQ(d.Focus(), nullptr);
}

TEST(Keys, AcceleratorsBecomeCommandsOfTheirWindow) {
  Log log;
  Desktop d;
  Recorder& main = d.Add<Recorder>("main", kWorkArea, log);
  main.SetStyle(kStyleTitled);
  d.SetAccelerators(main, {{'A', kModCtrl | kModShift, 40003}, {'Q', kModCtrl | kModShift, 1}});
  log.clear();
  d.InjectKey('A', kModCtrl | kModShift);
  d.InjectKey('A', kModCtrl);
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"main:command 40003", "main:key 65/2"}));
  // Not while another titled window (a dialog) is active.
  d.Add<Recorder>("dialog", kWorkArea, log).SetStyle(kStyleTitled);
  log.clear();
  d.InjectKey('A', kModCtrl | kModShift);
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"dialog:key 65/3"}));
}

TEST(NavigationBar, ShowsTheActiveTitleAndSendsOk) {
  Log log;
  Desktop d;
  Recorder& main = d.Add<Recorder>("main", kWorkArea, log);
  main.SetStyle(kStyleTitled);
  main.SetText(u"quorvel Astrology");
  d.ProcessPending();
  EXPECT_EQ(d.NavigationBar().Text(), u"quorvel Astrology");
  EXPECT_FALSE(d.NavigationBar().OkButtonShown());
  const Surface before = d.Screen();

  Recorder& dialog = d.Add<Recorder>("dialog", kWorkArea, log);
  dialog.SetStyle(kStyleTitled | kStyleOkButton);
  dialog.SetText(u"Caution !");
  d.ProcessPending();
  EXPECT_EQ(d.NavigationBar().Text(), u"Caution !");
  EXPECT_TRUE(d.NavigationBar().OkButtonShown());
  EXPECT_NE(d.Screen(), before);
  log.clear();
  const Rect ok = NavBar::kOkButton;
  d.InjectTap(MsgType::TapDown, {ok.left + 10, ok.top + 10});
  d.InjectTap(MsgType::TapUp, {ok.left + 10, ok.top + 10});
  d.ProcessPending();
  EXPECT_EQ(log, (Log{"dialog:command 1"}));
  dialog.Destroy();
  d.ProcessPending();
  EXPECT_EQ(d.NavigationBar().Text(), u"quorvel Astrology");
  EXPECT_EQ(d.Screen(), before);
}

}  // namespace
}  // namespace orrery::platform
