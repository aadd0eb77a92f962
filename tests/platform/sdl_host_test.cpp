// The SDL2 host in a real window (run under Xvfb): a click made through the
// X server arrives as a tap at screen coordinates, scaled down.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <string>
#include <thread>

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

TEST(SdlHost, AReadableDescriptorWakesTheWaitingLoop) {
  SdlHost host(1);
  ASSERT_TRUE(host.Open("orrery sdl wake test " + std::to_string(::getpid()))) << host.Error();
  Log log;
  Desktop desktop;
  desktop.SetHost(&host);
  Recorder& main = desktop.Add<Recorder>("main", kWorkArea, log);
  desktop.SetMainWindow(&main);
  desktop.ProcessPending();
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  host.WakeOnReadable(pipeFds[0]);
  for (int round = 0; round < 3; ++round) {
    std::thread writer([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      ASSERT_EQ(::write(pipeFds[1], "w", 1), 1);
    });
    // Without the wake-up this would wait for a window event that never comes.
    EXPECT_TRUE(host.WaitInput(desktop));
    writer.join();
    char c = 0;
    ASSERT_EQ(::read(pipeFds[0], &c, 1), 1);
    EXPECT_EQ(c, 'w');
    host.BringToFront();
  }
  host.WakeOnReadable(-1);  // ignored: the watcher stays
  ::close(pipeFds[1]);
  ::close(pipeFds[0]);
}

}  // namespace
}  // namespace orrery::platform
