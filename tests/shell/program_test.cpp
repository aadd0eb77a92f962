// The orrery and orrery-cli programs themselves: scripted headless runs,
// their errors, --lang, one program per home, and orrery-cli render.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "chart/aspects.h"
#include "chart/object_info.h"
#include "foundation/localized_strings.h"
#include "shell/platform/png_io.h"
#include "shell/program.h"
#include "shell/single_instance.h"
#include "shell_test_support.h"
#include "store/settings.h"
#include "store/settings_record.h"
#include "store/store_home.h"

namespace orrery::testing {
namespace {

namespace fs = std::filesystem;

const std::string Bin = ORRERY_BIN_DIR;
const fs::path GoldenDir = fs::path(ORRERY_SOURCE_DIR) / "tests/data/shell";

struct Result {
  int code;
  std::string output;  // standard output and error
};

Result RunCommand(const std::string& command) {
  Result r{-1, ""};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  char buffer[512];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) r.output.append(buffer, n);
  const int status = pclose(pipe);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

class ProgramTest : public ::testing::Test {
 protected:
  TempHome home_;
  fs::path Write(const std::string& name, const std::string& text) {
    const fs::path path = home_.Path() / name;
    std::ofstream(path) << text;
    return path;
  }
  Result RunScript(const std::string& script, const std::string& more = "") {
    const fs::path file = Write("script.txt", script);
    return RunCommand(Bin + "/orrery --headless --home " + (home_.Path() / "home").string() +
               " --clock 2024-03-20T12:00 --script " + file.string() + " --shots " +
               home_.Path().string() + " " + more);
  }
};

bool SamePicture(const fs::path& a, const fs::path& b) {
  const std::optional<platform::Surface> x = platform::ReadPng(a.string());
  const std::optional<platform::Surface> y = platform::ReadPng(b.string());
  return x && y && *x == *y;
}

TEST_F(ProgramTest, AScriptTakesShotsAndTheEndWritesTheFiles) {
  const Result r = RunScript("# the Planets view of a first run\ncommand 40025\nshot planets\nquit\n");
  ASSERT_EQ(r.code, 0) << r.output;
  EXPECT_TRUE(SamePicture(home_.Path() / "planets.png", GoldenDir / "sample0-en-planets-0.png"));
  // Nothing was stored, so no chart file is written; the settings are.
  EXPECT_FALSE(fs::exists(home_.Path() / "home/qastrology.dat"));
  EXPECT_EQ(fs::file_size(home_.Path() / "home/registry/Software/quorvel/Astrology_100"), 356u);
}

TEST_F(ProgramTest, AnUnknownScriptLineIsAnErrorNamingItsLine) {
  const Result r = RunScript("shot first\n\nfrobnicate 3\nshot never\n");
  EXPECT_EQ(r.code, ExitScriptFailed);
  EXPECT_NE(r.output.find("line 3"), std::string::npos) << r.output;
  EXPECT_TRUE(fs::exists(home_.Path() / "first.png"));
  EXPECT_FALSE(fs::exists(home_.Path() / "never.png"));
}

TEST_F(ProgramTest, BadCommandLinesAreRefused) {
  for (const char* args : {"--lang fr", "--bogus 1", "--home", "--scale 0", "--clock 2024-13-01T00:00",
                           "--script x.txt"}) {
    const Result r = RunCommand(Bin + "/orrery " + args);
    EXPECT_EQ(r.code, ExitUsage) << args << ": " << r.output;
  }
}

TEST_F(ProgramTest, LangStoresTheLanguageInTheSettings) {
  ASSERT_EQ(RunScript("quit\n", "--lang de").code, 0);
  SetStoreHome(home_.Path() / "home");
  EXPECT_EQ(LoadSettings(), 0);
  EXPECT_EQ(settingsRecord.language, German);
  // On a new home the stored orbs and points are the defaults, never tables not yet set.
  for (int a = 0; a < AspectRowCount; ++a) {
    for (int b = 0; b < BodyCount; ++b) EXPECT_EQ(settingsRecord.orbs[a][b], aspectInfo[a].defaultOrbs[b]);
  }
  for (int k = 0; k < BodyCount; ++k) EXPECT_EQ(settingsRecord.points[k], objectInfo[k].defaultPoints);
  // A later start without --lang keeps it.
  ASSERT_EQ(RunScript("quit\n").code, 0);
  EXPECT_EQ(LoadSettings(), 0);
  EXPECT_EQ(settingsRecord.language, German);
  SetStoreHome({});
  SetLanguage(English);
}

TEST_F(ProgramTest, ASecondProgramWithTheSameHomeAsksTheFirstAndEnds) {
  fs::create_directories(home_.Path() / "home");
  InstanceGuard first(home_.Path() / "home");
  ASSERT_FALSE(first.OtherInstance());
  const Result r = RunScript("shot second\nquit\n");
  // A script that is not run is a failed run, and says why.
  EXPECT_EQ(r.code, ExitHomeInUse) << r.output;
  EXPECT_NE(r.output.find("another orrery uses"), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(home_.Path() / "second.png"));
  EXPECT_TRUE(first.TakeFrontRequest());
  EXPECT_FALSE(first.TakeFrontRequest());
}

TEST(InstanceGuard, TheHomeIsFreeAgainOnceTheFirstEnds) {
  TempHome home;
  {
    InstanceGuard first(home.Path());
    EXPECT_FALSE(first.OtherInstance());
    InstanceGuard second(home.Path());
    EXPECT_TRUE(second.OtherInstance());
    EXPECT_TRUE(second.AskToComeToFront());
    EXPECT_TRUE(first.TakeFrontRequest());
  }
  InstanceGuard later(home.Path());
  EXPECT_FALSE(later.OtherInstance());
}

TEST(InstanceGuard, ALongHomePathStillReachesTheFirst) {
  TempHome home;
  fs::path deep = home.Path();
  while (deep.string().size() < 150) deep /= "a-rather-long-folder-name";
  fs::create_directories(deep);
  InstanceGuard first(deep);
  InstanceGuard second(deep);
  ASSERT_TRUE(second.OtherInstance());
  EXPECT_TRUE(second.AskToComeToFront());
  EXPECT_TRUE(first.TakeFrontRequest());
}

TEST(ParseClock, ReadsMinutesAndOptionalSeconds) {
  const std::optional<platform::SystemTime> t = ParseClock("2024-03-20T12:05");
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, (platform::SystemTime{2024, 3, 20, 12, 5, 0, 0}));
  EXPECT_EQ(ParseClock("1999-08-11T10:03:07")->second, 7);
  EXPECT_FALSE(ParseClock("2024-03-20 12:05"));
  EXPECT_FALSE(ParseClock("2024-03-20T24:00"));
  EXPECT_FALSE(ParseClock("2024-3-20T12:05"));
}

class RenderCommandTest : public ProgramTest {};

TEST_F(RenderCommandTest, RendersASampleAsTheProgramShowsIt) {
  const fs::path out = home_.Path() / "aspects.png";
  const Result r = RunCommand(Bin + "/orrery-cli render --view aspects --stop 1 --sample 3 --out " + out.string());
  ASSERT_EQ(r.code, 0) << r.output;
  EXPECT_TRUE(SamePicture(out, GoldenDir / "sample3-en-aspects-1.png"));
  const fs::path german = home_.Path() / "cusps.png";
  ASSERT_EQ(RunCommand(Bin + "/orrery-cli render --view cusps --lang de --sample 2 --out " + german.string()).code, 0);
  EXPECT_TRUE(SamePicture(german, GoldenDir / "sample2-de-cusps-0.png"));
}

TEST_F(RenderCommandTest, RendersARecordGivenByItsOptions) {
  // Sample 3 typed in: the Planets view shows neither its name nor its sex.
  const fs::path out = home_.Path() / "planets.png";
  const Result r = RunCommand(Bin +
                       "/orrery-cli render --view planets --name 'T R' --date 1869-10-02 --time 07:08"
                       " --lat 21N38 --lon 69E36 --local-time --out " + out.string());
  ASSERT_EQ(r.code, 0) << r.output;
  EXPECT_TRUE(SamePicture(out, GoldenDir / "sample3-en-planets-0.png"));
}

TEST_F(RenderCommandTest, BadArgumentsAreRefusedWithoutAPicture) {
  const std::string out = (home_.Path() / "x.png").string();
  for (const std::string args :
       {"--view table --sample 0", "--view info --sample 5", "--view info --sample 0 --stop 8",
        "--view info", "--view info --sample 0 --house-system nine", "--sample 0 --view info --frob 1"}) {
    const Result r = RunCommand(Bin + "/orrery-cli render " + args + " --out " + out);
    EXPECT_EQ(r.code, 2) << args << ": " << r.output;
  }
  EXPECT_EQ(RunCommand(Bin + "/orrery-cli render --view info --sample 0").code, 2);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_EQ(RunCommand(Bin + "/orrery-cli render --view info --sample 0 --out /nonexistent/x.png").code, 1);
}

}  // namespace
}  // namespace orrery::testing
