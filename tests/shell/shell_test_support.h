// A temporary home, a fixed clock and the real program started in a
// headless desktop, for the shell's tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/main_window.h"
#include "shell/platform/clock.h"
#include "shell/platform/desktop.h"

namespace orrery::testing {

// 2024-03-20 12:00 UT, the present moment of every test.
inline constexpr platform::SystemTime FixedNow{2024, 3, 20, 12, 0, 0, 0};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program with the stored settings and chart file of the home
  // and paints its first frame.
  MainWindow& Start();
  // Sends a command as the menus do and lets the program handle it.
  void Command(int id);
  // Taps at a screen point and lets the program handle it.
  void Tap(platform::Point screen);
  void Tap(const platform::Rect& screenRect);
  // Paints what is pending.
  void Settle() { desktop_.ProcessPending(); }

  TempHome home_;
  platform::Desktop desktop_;
  MainWindow* main_ = nullptr;
};

// Stores charts in the home's chart file before a start: the first sample
// charts, under new ids, count times; the settings then name the last one.
void StoreCharts(int count);

}  // namespace orrery::testing
