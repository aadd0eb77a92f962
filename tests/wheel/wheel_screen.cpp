#include "tests/wheel/wheel_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/chart_record.h"
#include "foundation/localized_strings.h"
#include "golden_compare.h"
#include "shell/shell_ids.h"
#include "shell/startup.h"
#include "shell/wheel/wheel_hit_test.h"
#include "store/sample_charts.h"
#include "store/store_home.h"

namespace orrery::wheel_test {

namespace fs = std::filesystem;
using platform::MsgType;
using platform::Point;
using platform::Rect;

WheelScreen::WheelScreen(int sample) {
  SetStoreHome({});
  SetLanguage(English);
  LoadSampleChart(sample);
  main_ = &StartShell(desktop_, StartChart::Current);
  main_->SetSaveAtExit(false);
  Command(CmdNatalChart);
}

WheelScreen::~WheelScreen() {
  if (TheMainWindow() == main_) main_->Destroy();
  desktop_.ProcessPending();
}

void WheelScreen::Command(int id) {
  main_->Send(platform::Message::Command(id));
  desktop_.ProcessPending();
}

void WheelScreen::Tap(Point screen) {
  desktop_.InjectTap(MsgType::TapDown, screen);
  desktop_.InjectTap(MsgType::TapUp, screen);
  desktop_.ProcessPending();
}

void WheelScreen::TapAspectButton(int aspect) {
  platform::ToolBar* bar = main_->AspectToolBar();
  ASSERT_NE(bar, nullptr);
  const Rect r = bar->ButtonRect(AspectButtonCommand(aspect));
  ASSERT_FALSE(r.Empty()) << aspect;
  Tap(bar->ToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
}

void WheelScreen::TapBody(int body) {
  const Rect box = GlyphWindowBox(body);
  Tap(main_->ToScreen({(box.left + box.right) / 2, (box.top + box.bottom) / 2}));
}

void ExpectMatchesWheelGolden(const platform::Surface& shot, const std::string& name) {
  orrery::testing::ExpectMatchesGolden(shot, fs::path(ORRERY_SOURCE_DIR) / "tests/data/wheel", name + ".png",
                               fs::path(ORRERY_BIN_DIR) / "../test-output/wheel");
}

}  // namespace orrery::wheel_test
