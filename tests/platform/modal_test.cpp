// Modal loops nest on one queue; scripted input reaches the innermost one.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/headless_host.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

// A dialog that ends its modal loop with the command it gets (OK, Cancel,
// ...) and opens a nested dialog on command 50.
class Dialog : public Window {
 public:
  Dialog(std::string name, const Rect& frame, Log& log) : Window(0, frame), name_(std::move(name)), log_(log) {
    SetStyle(kStyleTitled | kStyleOkButton);
  }
  int OnMessage(const Message& m) override {
    if (m.type == MsgType::TapDown) log_.push_back(name_ + ":tap");
    if (m.type != MsgType::Command) return Window::OnMessage(m);
    if (m.id == 50) {
      Dialog& inner = GetDesktop()->Add<Dialog>(name_ + "+", Rect{20, 100, 220, 200}, log_);
      inner.SetOwner(this);
      const int code = GetDesktop()->RunModal(inner);
      log_.push_back(name_ + ":inner ended " + std::to_string(code));
      inner.Destroy();
    } else {
      GetDesktop()->EndModal(*this, m.id);
    }
    return 1;
  }

 private:
  std::string name_;
  Log& log_;
};

struct ModalFixture : ::testing::Test {
  Log log;
  Desktop desktop;
  HeadlessHost host;
  ModalFixture() { desktop.SetHost(&host); }
};

TEST_F(ModalFixture, NestedDialogsEndInnermostFirst) {
  Dialog& outer = desktop.Add<Dialog>("outer", kWorkArea, log);
  host.SetScript(
      "# the inner dialog comes from a command of the outer one\n"
      "tap 120 150\n"        // inner dialog
      "tap 220 13\n"         // navigation bar OK: closes the inner dialog (code 1)
      "tap 120 150\n"        // now the outer dialog gets the tap
      "tap 220 13\n");       // and OK ends it
  outer.Post(Message::Command(50));
  const int code = desktop.RunModal(outer);
  EXPECT_EQ(code, kIdOk);
  EXPECT_EQ(log, (Log{"outer+:tap", "outer:inner ended 1", "outer:tap"}));
  EXPECT_TRUE(host.Error().empty());
}

TEST_F(ModalFixture, WindowsBelowTheModalOneGetNoTaps) {
  Recorder& main = desktop.Add<Recorder>("main", kWorkArea, log);
  Dialog& dialog = desktop.Add<Dialog>("dialog", Rect{20, 100, 220, 200}, log);
  host.SetScript("tap 5 50\ntap 100 150\ncommand 2\n");
  desktop.SetMainWindow(&dialog);  // "command" goes to the main window
  log.clear();
  EXPECT_EQ(desktop.RunModal(dialog), kIdCancel);
  EXPECT_EQ(log, (Log{"dialog:tap"}));
  dialog.Destroy();
  desktop.SetMainWindow(&main);
  desktop.InjectTap(MsgType::TapDown, {5, 50});
  desktop.ProcessPending();
  EXPECT_EQ(log.back(), "main:down 5,24");
}

TEST_F(ModalFixture, DestroyingTheWindowOrAQuitEndsTheLoop) {
  Dialog& a = desktop.Add<Dialog>("a", kWorkArea, log);
  a.Post(Message::Of(MsgType::Close));  // default Close destroys
  EXPECT_EQ(desktop.RunModal(a), kIdCancel);

  // Input running out closes the main window; a quit ends every loop.
  Recorder& main = desktop.Add<Recorder>("main", kWorkArea, log);
  desktop.SetMainWindow(&main);
  Dialog& b = desktop.Add<Dialog>("b", kWorkArea, log);
  b.SetOwner(&main);
  host.SetScript("");
  log.clear();
  EXPECT_EQ(desktop.RunModal(b), kIdCancel);  // b went with its owner
  EXPECT_EQ(log, (Log{"main:close", "main:destroy"}));
  EXPECT_FALSE(main.Alive());

  Dialog& c = desktop.Add<Dialog>("c", kWorkArea, log);
  desktop.PostQuit(3);
  EXPECT_EQ(desktop.RunModal(c), -1);
  EXPECT_EQ(desktop.Run(), 3);
}

}  // namespace
}  // namespace orrery::platform
