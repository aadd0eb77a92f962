// The program and orrery-cli on one home at the same time: what either
// stores survives the other, and what the program cannot read or save it
// says, in a notice and in the exit code of a scripted run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "foundation/wide_string.h"
#include "dialogs/chart_select.h"
#include "shell/platform/desktop.h"
#include "shell/platform/list_view.h"
#include "shell/program.h"
#include "shell/shell_ids.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/store_home.h"
#include "wizard_test_support.h"

namespace orrery::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Cli(const std::string& arguments) {
  const std::string command = std::string(ORRERY_BIN_DIR) + "/orrery-cli charts --home '" +
                              StoreHome().string() + "' " + arguments + " >/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The stored charts by id, as the chart file holds them now.
std::map<std::int32_t, std::u16string> FileCharts() {
  LoadChartFile();
  std::map<std::int32_t, std::u16string> charts;
  for (int i = 0; i < StoreSlotCount; ++i) {
    if (ChartIdAt(i) > 0 && FetchChart(ChartIdAt(i))) charts[ChartIdAt(i)] = currentRecord.name;
  }
  return charts;
}

using SharedHomeTest = WizardTest;

TEST_F(SharedHomeTest, TheProgramKeepsWhatTheCliStoredAndDeletedWhileItRan) {
  StoreCharts(2);  // 6 and 7, the first two samples
  Start();
  const std::string chart = " --date 1950-03-01 --time 09:05 --lat 48N08 --lon 11E34";
  ASSERT_EQ(Cli("add --name 'From the CLI'" + chart), 0);  // 8
  ASSERT_EQ(Cli("add --name 'Also from the CLI'" + chart), 0);  // 9
  ASSERT_EQ(Cli("delete 6"), 0);

  // The Chart select list shows the home as it is now: 5 samples, 7, 8, 9.
  std::vector<std::u16string> rows;
  look_ = [&](platform::Desktop& d) {
    auto& list = static_cast<platform::ListView&>(*d.ActiveWindow()->Child(ChartListId));
    for (int row = 0; row < list.RowCount(); ++row) rows.push_back(list.CellText(row, 0));
  };
  Drive("look\ncancel\n", [&] { Command(CmdSelect); });
  // (in slot order: the CLI's deletion compacted the file)
  EXPECT_EQ(std::multiset<std::u16string>(rows.begin() + std::min<std::size_t>(5, rows.size()), rows.end()),
            (std::multiset<std::u16string>{u"Edda Morlan", u"From the CLI", u"Also from the CLI"}));

  RunNew(GraceHopperScript);
  const std::map<std::int32_t, std::u16string> expected = {
      {7, u"Edda Morlan"}, {8, u"From the CLI"}, {9, u"Also from the CLI"}, {10, u"Grace Hopper"}};
  EXPECT_EQ(chartSlots[0].record.id, 10);  // the next id of the file, not of the program's memory
  Command(CmdExit);
  main_ = nullptr;
  EXPECT_EQ(FileCharts(), expected);
}

// Scripted runs on a home whose chart file cannot be read or is damaged: a
// notice at the start (template 253), a notice when a save fails, and an
// exit code that tells a failed save; the file is left as it was.
using SharedHomeRunTest = ProgramRunTest;

TEST_F(SharedHomeRunTest, ProblemsWithTheChartFileAreShownAndFailTheRun) {
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    std::string script;
    int code;
    long notices;
  } cases[] = {
      {"a folder in its place", [](const fs::path& p) { fs::create_directories(p); },
       std::string("ok\ncommand 40017\n") + GraceHopperScript + "ok\nquit\n", ExitChartsNotSaved, 2},
      {"a damaged file", [](const fs::path& p) {
         fs::create_directories(p.parent_path());
         std::ofstream(p, std::ios::binary) << std::string(16 + 452, 'x');
       }, "ok\nquit\n", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Home());
    const fs::path file = Home() / "qastrology.dat";
    c.make(file);
    const fs::file_type before = fs::symlink_status(file).type();
    const std::string bytes = before == fs::file_type::regular ? ReadText(file) : "";
    EXPECT_EQ(Run(c.script), c.code);
    const std::vector<std::string> events = Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "open 253"), c.notices)
        << ::testing::PrintToString(events);
    EXPECT_EQ(fs::symlink_status(file).type(), before);
    if (before == fs::file_type::regular) {
      EXPECT_EQ(ReadText(file), bytes);
    }
  }
}

}  // namespace
}  // namespace orrery::testing
