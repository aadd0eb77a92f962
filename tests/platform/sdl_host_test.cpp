// The SDL2 host in a real window (run under Xvfb): a click made through the
// X server arrives as a tap at screen coordinates, scaled down.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "recorder.h"
#include "shell/platform/sdl_host.h"

#include <sys/types.h>
#include <unistd.h>

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

TEST(SdlHost, AClickInTheWindowBecomesATap) {
  SdlHost host(2);
  const std::string title = "orrery sdl host test " + std::to_string(::getpid());
  ASSERT_TRUE(host.Open(title)) << host.Error();
  Log log;
  Desktop desktop;
  desktop.SetHost(&host);
  Recorder& main = desktop.Add<Recorder>("main", kWorkArea, log);
  desktop.SetMainWindow(&main);
  desktop.ProcessPending();  // first frame
  log.clear();
  // Window pixel (200, 300) is screen pixel (100, 150), window point (100, 124).
  // The click is repeated until the window takes it: the first may come
  // before the X server shows the window.
  const std::string click = "for i in $(seq 40); do xdotool search --sync --name '" + title +
                            "' mousemove --window %1 200 300 click 1 >/dev/null 2>&1; sleep 0.25; done";
  FILE* clicker = ::popen(("(" + click + ") & echo $!").c_str(), "r");
  ASSERT_NE(clicker, nullptr);
  int pid = 0;
  ASSERT_EQ(std::fscanf(clicker, "%d", &pid), 1);
  ::pclose(clicker);
  while (log.size() < 2 && host.WaitInput(desktop)) desktop.ProcessPending();
  ::kill(pid, SIGTERM);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "main:down 100,124");
  EXPECT_EQ(log.back(), "main:up 100,124");
}

}  // namespace
}  // namespace orrery::platform
