// The program started headless on a sample chart with the Natal Chart view
// on show, driven by taps and commands; its screenshots compared with
// committed PNGs.
#pragma once

#include <string>

#include "shell/main_window.h"
#include "shell/platform/desktop.h"
#include "shell/platform/surface.h"

namespace orrery::wheel_test {

class WheelScreen {
 public:
  // English, Placidus, zodiac angles; nothing is stored.
  explicit WheelScreen(int sample);
  ~WheelScreen();
  WheelScreen(const WheelScreen&) = delete;
  WheelScreen& operator=(const WheelScreen&) = delete;

  MainWindow& Main() { return *main_; }
  platform::Desktop& Desktop() { return desktop_; }
  const platform::Surface& Screen() { return desktop_.Screen(); }

  // Sends a command as the menus do and paints.
  void Command(int id);
  // A tap at a screen point, then painting.
  void Tap(platform::Point screen);
  // A tap on the aspect tool bar's button of an AspectId.
  void TapAspectButton(int aspect);
  // A tap in the middle of a body's glyph, as drawn now.
  void TapBody(int body);

 private:
  platform::Desktop desktop_;
  MainWindow* main_ = nullptr;
};

// Compares a screenshot with tests/data/wheel/NAME.png (golden_compare.h);
// a mismatch leaves the screenshot and a diff in <build>/test-output/wheel/.
// tests/data/wheel/regenerate-goldens.sh rewrites the PNGs on purpose.
void ExpectMatchesWheelGolden(const platform::Surface& shot, const std::string& name);

}  // namespace orrery::wheel_test
