// The headless host: scripted input, screenshots and script errors.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "recorder.h"
#include "shell/platform/clock.h"
#include "shell/platform/headless_host.h"
#include "shell/platform/png_io.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

struct Scripted : ::testing::Test {
  Log log;
  Desktop desktop;
  HeadlessHost host;
  Recorder& main = desktop.Add<Recorder>("main", kWorkArea, log);
  // One folder per process: ctest runs these tests side by side.
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("orrery_headless_test_" + std::to_string(::getpid()));
  Scripted() {
    desktop.SetHost(&host);
    desktop.SetMainWindow(&main);
    std::filesystem::create_directories(dir);
    host.SetShotDirectory(dir.string());
  }
  ~Scripted() override { std::filesystem::remove_all(dir); }
  int Run(std::string_view script) {
    host.SetScript(script);
    log.clear();
    return desktop.Run();
  }
};

TEST_F(Scripted, InputCommandsBecomeTheMessagesAUserWouldCause) {
  main.Focus();
  Run("tap 10 40\n"
      "\n"
      "drag 10 40 19 44\n"
      "key ctrl+shift+A\n"
      "key Enter\n"
      "text Zü\n"
      "command 40025\n");
  EXPECT_EQ(log, (Log{"main:down 10,14", "main:up 10,14", "main:down 10,14", "main:move 14,16",
                      "main:move 19,18", "main:up 19,18", "main:key 65/3", "main:key 258/0",
                      "main:char 90", "main:char 252", "main:command 40025", "main:close",
                      "main:destroy"}));
  EXPECT_TRUE(host.Error().empty());
  EXPECT_TRUE(host.Finished());
}

TEST_F(Scripted, ShotsAreTakenOnceTheScreenIsPainted) {
  main.SetBackground(Rgb(0, 128, 0));
  Run("shot first\nquit\ntap 1 1\n");
  const auto shot = ReadPng((dir / "first.png").string());
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->Width(), 240);
  EXPECT_EQ(shot->Height(), 320);
  EXPECT_EQ(shot->Pixel(100, 200), Rgb(0, 128, 0));
  EXPECT_EQ(log, (Log{"main:close", "main:destroy"}));  // nothing after quit
}

TEST_F(Scripted, BadLinesStopTheScriptWithTheirLineNumber) {
  const struct { const char* script; const char* error; } cases[] = {
      {"tap 1 1\nfly 3\n", "script line 2: unknown command 'fly'"},
      {"tap 1\n", "script line 1: tap needs X Y"},
      {"# note\ntap 1 x\n", "script line 2: tap needs X Y"},
      {"drag 1 2 3\n", "script line 1: drag needs X1 Y1 X2 Y2"},
      {"key hyper\n", "script line 1: unknown key 'hyper'"},
      {"shot ../escape\n", "script line 1: shot needs a file name"},
      {"command\n", "script line 1: command needs ID"},
  };
  for (const auto& c : cases) {
    Desktop d;
    HeadlessHost h;
    d.SetHost(&h);
    h.SetScript(c.script);
    d.Run();
    EXPECT_EQ(h.Error(), c.error);
  }
}

TEST_F(Scripted, ProgramsAddCommandsOfTheirOwn) {
  host.AddCommand("poke", [](Desktop& d, std::string_view args) -> std::string {
    if (args != "twice") return "poke wants 'twice'";
    d.MainWindow()->Post(Message::Command(1));
    d.MainWindow()->Post(Message::Command(2));
    return "";
  });
  Run("poke twice\npoke once\n");
  EXPECT_EQ(host.Error(), "script line 2: poke wants 'twice'");
  EXPECT_EQ(log, (Log{"main:command 1", "main:command 2", "main:close", "main:destroy"}));
}

TEST(Clock, RunsUnlessFixed) {
  const SystemTime now = CurrentUtc();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);
  const SystemTime eclipse{1999, 8, 11, 11, 3, 0, 0};
  FixClock(eclipse);
  EXPECT_EQ(CurrentUtc(), eclipse);
  FixClock(std::nullopt);
  EXPECT_NE(CurrentUtc(), eclipse);
}

}  // namespace
}  // namespace orrery::platform
