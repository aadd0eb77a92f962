// The orrery program in its SDL2 window on a virtual X server (run under
// xvfb-run): it starts on a fresh home, takes "View" > "Planets" from clicks
// made through the X server, shows the Planets view (read back from the X
// server and compared with the Planets screenshot of its start chart), lets
// a second start with the same home end at once, and ends cleanly by
// "Chart" > "Exit" with the chart file and settings written.
//
// Prints the time from the start to the first frame, and the peak memory of
// the program.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "shell/platform/desktop.h"
#include "shell/platform/menu_bar.h"
#include "shell/platform/png_io.h"
#include "shell/platform/popup_menu.h"
#include "shell/platform/surface.h"
#include "shell/shell_state.h"
#include "shell/view_menus.h"

// Xlib last: its macros (None, Bool, Status) would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orrery {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using platform::Surface;

constexpr int Scale = 2;
constexpr char Title[] = "quorvel Astrology";
const std::string Orrery = std::string(ORRERY_BIN_DIR) + "/orrery";
const fs::path GoldenDir = fs::path(ORRERY_SOURCE_DIR) / "tests/data/shell";

platform::Point Centre(const platform::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Where to tap for a drop-down of the Info view's menu bar and one of its
// items, from the menu bar's own layout in a headless desktop.
struct MenuPoints {
  platform::Point button;
  platform::Point item;
};
MenuPoints PointsOf(int dropDown, int item) {
  platform::Desktop desktop;
  platform::Window& owner = desktop.Add<platform::Window>(0, platform::kWorkArea);
  platform::MenuBar& bar = desktop.Add<platform::MenuBar>(owner, BuildViewMenu(InfoView));
  const platform::Point button = Centre(bar.ButtonRect(dropDown));
  desktop.InjectTap(platform::MsgType::TapDown, button);
  desktop.InjectTap(platform::MsgType::TapUp, button);
  desktop.ProcessPending();
  for (const auto& w : desktop.Root().Children()) {
    if (const auto* popup = dynamic_cast<const platform::PopupMenu*>(w.get())) {
      return {button, Centre(popup->ItemRect(item))};
    }
  }
  ADD_FAILURE() << "no drop-down opened";
  return {button, button};
}

// Windows come and go while the program starts (SDL makes and drops some
// of its own): a request on one that is gone is not an error here, its
// result just stays empty.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

::Window FindWindow(Display* display, ::Window window) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name) {
    const bool match = std::string(name) == Title;
    XFree(name);
    if (match) return window;
  }
  ::Window root, parent, *children = nullptr;
  unsigned count = 0;
  ::Window found = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && !found; ++i) found = FindWindow(display, children[i]);
    if (children) XFree(children);
  }
  return found;
}

// The program's screen as the X server shows it, one pixel per screen pixel.
std::optional<Surface> Capture(Display* display) {
  const ::Window window = FindWindow(display, DefaultRootWindow(display));
  if (!window) return std::nullopt;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable ||
      attributes.width != 240 * Scale || attributes.height != 320 * Scale) {
    return std::nullopt;
  }
  XImage* image = XGetImage(display, window, 0, 0, 240 * Scale, 320 * Scale, AllPlanes, ZPixmap);
  if (!image) return std::nullopt;
  Surface s(240, 320);
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 240; ++x) {
      s.SetPixel(x, y, platform::Colour::FromPacked(
                           std::uint32_t(XGetPixel(image, x * Scale, y * Scale)) & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  return s;
}

// Waits until the screen equals expected; the time it took, or nothing.
std::optional<Clock::duration> WaitForScreen(Display* display, const Surface& expected,
                                             Clock::time_point since, Surface* last) {
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  while (Clock::now() < deadline) {
    if (std::optional<Surface> s = Capture(display)) {
      if (*s == expected) return Clock::now() - since;
      *last = *s;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::nullopt;
}

void Click(platform::Point p) {
  const int x = p.x, y = p.y;
  const std::string command = "xdotool search --sync --name '" + std::string(Title) +
                              "' mousemove --window %1 " + std::to_string(x * Scale + 1) + " " +
                              std::to_string(y * Scale + 1) + " click 1 >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
}

pid_t Spawn(const std::vector<std::string>& args) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// The exit status of the child, waiting at most 20 seconds; -1 on timeout.
int WaitExit(pid_t pid, rusage* usage) {
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  while (Clock::now() < deadline) {
    int status = 0;
    if (wait4(pid, &status, WNOHANG, usage) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

Surface Golden(const std::string& name) {
  std::optional<Surface> s = platform::ReadPng((GoldenDir / name).string());
  EXPECT_TRUE(s) << name;
  return s ? *s : Surface(240, 320);
}

TEST(SdlProgram, TakesViewPlanetsByTapsAndExitsWithItsFilesWritten) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr) << "no X display";
  XSetErrorHandler(IgnoreXErrors);
  const fs::path home = fs::temp_directory_path() / ("orrery-sdl-" + std::to_string(getpid()));
  fs::remove_all(home);

  const auto started = Clock::now();
  const pid_t pid = Spawn({Orrery, "--home", home.string(), "--scale", std::to_string(Scale),
                           "--clock", "2024-03-20T12:00"});
  ASSERT_GT(pid, 0);
  Surface last;
  // A first run shows the Info view of the eclipse chart.
  const auto firstFrame = WaitForScreen(display, Golden("sample0-en-info-0.png"), started, &last);
  if (!firstFrame) platform::WritePng((home.string() + "-last.png"), last);
  ASSERT_TRUE(firstFrame) << "the Info view never showed; last screen in " << home << "-last.png";
  std::printf("start-up to first frame: %.1f ms\n",
              std::chrono::duration<double, std::milli>(*firstFrame).count());

  // A second program with the same home ends at once.
  const pid_t second = Spawn({Orrery, "--home", home.string()});
  EXPECT_EQ(WaitExit(second, nullptr), 0);

  const MenuPoints viewPlanets = PointsOf(1, 2);  // "View" > "Planets"
  Click(viewPlanets.button);
  Click(viewPlanets.item);
  const auto planets = WaitForScreen(display, Golden("sample0-en-planets-0.png"), Clock::now(), &last);
  if (!planets) platform::WritePng((home.string() + "-last.png"), last);
  EXPECT_TRUE(planets) << "the Planets view never showed; last screen in " << home << "-last.png";

  const MenuPoints chartExit = PointsOf(0, 4);  // "Chart" > "Exit"
  Click(chartExit.button);
  Click(chartExit.item);
  rusage usage{};
  EXPECT_EQ(WaitExit(pid, &usage), 0);
  std::printf("peak memory (maximum resident set): %ld KiB\n", usage.ru_maxrss);
  EXPECT_FALSE(fs::exists(home / "qastrology.dat"));  // nothing stored, nothing written
  EXPECT_EQ(fs::file_size(home / "registry/Software/quorvel/Astrology_100"), 356u);
  XCloseDisplay(display);
  fs::remove_all(home);
}

}  // namespace
}  // namespace orrery
