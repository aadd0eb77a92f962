#include "shell_test_support.h"

#include <unistd.h>

#include <atomic>

#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "foundation/localized_strings.h"
#include "shell/dialog_hooks.h"
#include "shell/startup.h"
#include "store/chart_file.h"
#include "tests/store/store_test_support.h"
#include "store/chart_store.h"
#include "store/sample_charts.h"
#include "store/settings.h"
#include "store/settings_record.h"
#include "store/store_home.h"

namespace orrery::testing {

TempHome::TempHome() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("orrery-shell-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempHome::~TempHome() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void ShellTest::SetUp() {
  SetStoreHome(home_.Path());
  SetLanguage(English);
  platform::FixClock(FixedNow);
  Dialogs() = DialogHooks{};
}

void ShellTest::TearDown() {
  if (main_ && TheMainWindow() == main_) main_->Destroy();
  desktop_.ProcessPending();
  Dialogs() = DialogHooks{};
  platform::FixClock(std::nullopt);
  SetStoreHome({});
}

MainWindow& ShellTest::Start() {
  main_ = &StartShell(desktop_, StartChart::Stored);
  Settle();
  return *main_;
}

void ShellTest::Command(int id) {
  main_->Send(platform::Message::Command(id));
  Settle();
}

void ShellTest::Tap(platform::Point screen) {
  desktop_.InjectTap(platform::MsgType::TapDown, screen);
  desktop_.InjectTap(platform::MsgType::TapUp, screen);
  Settle();
}

void ShellTest::Tap(const platform::Rect& r) {
  Tap(platform::Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void StoreCharts(int count) {
  ResetChartStore(chartStore);
  std::int32_t id = 0;
  for (int i = 0; i < count; ++i) {
    LoadSampleChart(i % SampleChartCount);
    id = NewChartId();
    currentRecord.id = id;
    StoreChart(id);
  }
  ASSERT_TRUE(store_test::SaveWholeStore());
  settingsRecord = {};
  ASSERT_EQ(SaveSettings(), 0);
}

}  // namespace orrery::testing
