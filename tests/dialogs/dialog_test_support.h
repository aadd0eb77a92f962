// Running dialogs under test: opened directly on a started program while a
// script acts on them (DialogTest), or the whole program run headless on a
// script (ProgramRunTest), with its event log and screenshots.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/platform/headless_host.h"
#include "shell_test_support.h"

namespace orrery::testing {

// The program started in the test's desktop, with the dialogs installed.
class DialogTest : public ShellTest {
 protected:
  void SetUp() override;

  // Queues the script, then calls open, which runs a dialog modally; the
  // script acts on it and must be used up. Besides the platform's and the
  // dialogs' commands, "send ID" posts Command ID to the active window, as
  // the navigation bar and a dialog's buttons send theirs; "look" calls
  // look_ with the desktop, to check what is on show at that point.
  void Drive(const std::string& script, const std::function<void()>& open);

  platform::HeadlessHost host_;
  std::function<void(platform::Desktop&)> look_;
};

// The program itself (RunProgram) on a script, in a home of its own.
class ProgramRunTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the program headless with the script; returns its exit code.
  int Run(const std::string& script);
  // The lines of the last run's event log.
  std::vector<std::string> Events() const;
  // A screenshot the last run took with "shot NAME".
  platform::Surface Shot(const std::string& name) const;
  // Makes the store layer use the program's home, to read what it left.
  void UseProgramHome() const;

  std::filesystem::path Home() const { return dir_.Path() / "home"; }
  std::filesystem::path ShotDir() const { return dir_.Path() / "shots"; }

  TempHome dir_;
};

// From now on the changes of the chart on show are counted (the main
// window is still refreshed after each).
void CountChartChanges();
int ChartChanges();

// Where the dialogs' goldens are, and where mismatches are written.
std::filesystem::path DialogGoldenDir();
std::filesystem::path DialogOutputDir();
// Compares a screenshot with the dialogs' golden NAME.png.
void ExpectDialogGolden(const platform::Surface& shot, const std::string& name);

// The lines of a text file (an event log); none when it cannot be read.
std::vector<std::string> FileLines(const std::filesystem::path& path);

}  // namespace orrery::testing
