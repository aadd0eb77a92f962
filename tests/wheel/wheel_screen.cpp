#include "tests/wheel/wheel_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "chart/chart_record.h"
#include "foundation/localized_strings.h"
#include "shell/platform/png_io.h"
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

namespace {

const fs::path GoldenDir = fs::path(ORRERY_SOURCE_DIR) / "tests/data/wheel";
const fs::path OutputDir = fs::path(ORRERY_BIN_DIR) / "../test-output/wheel";

bool Regenerating() {
  const char* v = std::getenv("ORRERY_REGENERATE_GOLDENS");
  return v && std::string(v) == "1";
}

}  // namespace

void ExpectMatchesGolden(const platform::Surface& shot, const std::string& name) {
  const fs::path golden = GoldenDir / (name + ".png");
  if (Regenerating()) {
    EXPECT_TRUE(platform::WritePng(golden.string(), shot)) << golden;
    return;
  }
  const std::optional<platform::Surface> expected = platform::ReadPng(golden.string());
  ASSERT_TRUE(expected) << "missing golden " << golden;
  ASSERT_EQ(expected->Width(), shot.Width()) << name;
  ASSERT_EQ(expected->Height(), shot.Height()) << name;
  platform::Surface diff(shot.Width(), shot.Height());
  int differing = 0;
  for (int y = 0; y < shot.Height(); ++y) {
    for (int x = 0; x < shot.Width(); ++x) {
      const platform::Colour e = expected->Pixel(x, y);
      const bool same = e == shot.Pixel(x, y);
      differing += !same;
      diff.SetPixel(x, y, same ? platform::Blend(e, platform::kWhite, 190) : platform::Rgb(255, 0, 0));
    }
  }
  if (differing == 0) return;
  fs::create_directories(OutputDir);
  const fs::path actualPath = OutputDir / (name + ".png");
  const fs::path diffPath = OutputDir / (name + ".diff.png");
  platform::WritePng(actualPath.string(), shot);
  platform::WritePng(diffPath.string(), diff);
  ADD_FAILURE() << name << ": " << differing << " pixels differ; screenshot " << actualPath
                << ", diff " << diffPath;
}

}  // namespace orrery::wheel_test
