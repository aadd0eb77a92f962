#include "dialog_test_support.h"

#include <charconv>
#include <fstream>

#include "dialogs/install_dialogs.h"
#include "foundation/localized_strings.h"
#include "golden_compare.h"
#include "shell/dialog_hooks.h"
#include "shell/platform/desktop.h"
#include "shell/platform/dialog_script.h"
#include "shell/platform/png_io.h"
#include "shell/program.h"
#include "store/chart_list.h"
#include "store/store_home.h"

namespace orrery::testing {

namespace fs = std::filesystem;

void DialogTest::SetUp() {
  ShellTest::SetUp();
  InstallDialogs();
  platform::AddDialogCommands(host_);
  host_.AddCommand("send", [](platform::Desktop& d, std::string_view args) -> std::string {
    int id = 0;
    const auto [end, ec] = std::from_chars(args.data(), args.data() + args.size(), id);
    if (ec != std::errc() || end != args.data() + args.size()) return "send needs ID";
    if (!d.ActiveWindow()) return "no active window";
    d.ActiveWindow()->Post(platform::Message::Command(id));
    return "";
  });
  host_.AddCommand("look", [this](platform::Desktop& d, std::string_view) -> std::string {
    if (!look_) return "nothing to look at";
    look_(d);
    return "";
  });
  desktop_.SetHost(&host_);
}

void DialogTest::Drive(const std::string& script, const std::function<void()>& open) {
  host_.SetScript(script);
  open();
  EXPECT_EQ(host_.Error(), "");
  EXPECT_TRUE(host_.Finished()) << "the dialog closed before the script ended";
  Settle();
}

void ProgramRunTest::SetUp() {
  SetLanguage(English);
  InstallDialogs();
  fs::create_directories(ShotDir());
}

void ProgramRunTest::TearDown() {
  Dialogs() = DialogHooks{};
  platform::FixClock(std::nullopt);
  SetStoreHome({});
}

int ProgramRunTest::Run(const std::string& script) {
  const fs::path file = dir_.Path() / "script.txt";
  std::ofstream(file) << script;
  ProgramOptions options;
  options.headless = true;
  options.home = Home().string();
  options.script = file.string();
  options.shots = ShotDir().string();
  options.events = (dir_.Path() / "events.txt").string();
  options.clock = FixedNow;
  return RunProgram(options);
}

std::vector<std::string> ProgramRunTest::Events() const { return FileLines(dir_.Path() / "events.txt"); }

platform::Surface ProgramRunTest::Shot(const std::string& name) const {
  const std::optional<platform::Surface> shot = platform::ReadPng((ShotDir() / (name + ".png")).string());
  EXPECT_TRUE(shot) << "no screenshot " << name;
  return shot ? *shot : platform::Surface(1, 1);
}

void ProgramRunTest::UseProgramHome() const { SetStoreHome(Home()); }

namespace {

int chartChanges = 0;

void CountedChartChange() {
  ++chartChanges;
  RefreshAfterChartChange();
}

}  // namespace

void CountChartChanges() {
  chartChanges = 0;
  SetChartChangeHook(&CountedChartChange);
}

int ChartChanges() { return chartChanges; }

fs::path DialogGoldenDir() { return fs::path(ORRERY_SOURCE_DIR) / "tests/data/dialogs"; }
fs::path DialogOutputDir() { return fs::path(ORRERY_BIN_DIR) / "../test-output/dialogs"; }

void ExpectDialogGolden(const platform::Surface& shot, const std::string& name) {
  ExpectMatchesGolden(shot, DialogGoldenDir(), name + ".png", DialogOutputDir());
}

std::vector<std::string> FileLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace orrery::testing
