// The SDL2 host in a real window (run under Xvfb): a click made through the
// X server arrives as a tap at screen coordinates, scaled down.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "recorder.h"
#include "shell/platform/sdl_host.h"

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
  const std::string click = "xdotool search --sync --name '" + title +
                            "' mousemove --window %1 200 300 click 1 >/dev/null 2>&1 &";
  ASSERT_EQ(std::system(click.c_str()), 0);
  while (log.size() < 2 && host.WaitInput(desktop)) desktop.ProcessPending();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "main:down 100,124");
  EXPECT_EQ(log.back(), "main:up 100,124");
}

}  // namespace
}  // namespace orrery::platform
