// The dialogs the main window's commands open. The dialogs live above the
// shell, so the program installs them here at start-up; a command whose
// dialog is not installed does nothing.
#pragma once

#include <functional>
#include <string>

#include "shell/platform/window.h"

namespace orrery {

struct DialogHooks {
  // The New Chart wizard, mode 1 new or 2 edit ("Chart" > "New", "Edit").
  std::function<void(platform::Window& owner, int mode)> runChartWizard;
  // The Chart select dialog ("Chart" > "Select").
  std::function<void(platform::Window& owner)> runChartSelect;
  // The wheel's View dialog ("Misc" > "View Planets" of the Natal Chart view).
  std::function<void(platform::Window& owner)> runViewBodies;
  // The Options sheet ("Misc" > "Options...").
  std::function<void(platform::Window& owner)> runOptions;
  // The About screen ("Help" > "About", Ctrl+Shift+A).
  std::function<void(platform::Window& owner)> runAbout;
  // A caution notice by its template (252: the chart store is full).
  std::function<void(platform::Window& owner, int notice)> showCautionNotice;
  // The store's notice: the chart file not read, damaged, or a change not saved.
  std::function<void(platform::Window& owner, const std::string& text)> showStoreNotice;
  // The diagnostic terminal ("Misc" > "Terminal" of the Info view).
  std::function<void(platform::Window& owner)> showTerminal;
};

// The installed dialogs; all empty until the program installs them.
DialogHooks& Dialogs();

// Notice shown by "New" when every chart slot is taken.
inline constexpr int NoticeStoreFull = 252;

}  // namespace orrery
