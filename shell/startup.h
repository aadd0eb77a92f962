// Start-up of the handheld program in a desktop: the main window, its
// menu bars, tool bar and scroll bar, the drawing resources, the live chart
// settings and the start chart, in the program's initialisation order.
#pragma once

#include "shell/main_window.h"
#include "shell/platform/desktop.h"

namespace orrery {

// Where the start chart and the settings come from.
enum class StartChart {
  Stored,   // the stored settings and chart file, and the chart last shown
  Current,  // the current ChartRecord, with the language and rulership as set
};

// Registers the program's resources (menus, artwork); idempotent.
void RegisterShellResources();

// Creates and initialises the main window (the desktop's main window, with
// the accelerators) and leaves it to be painted.
MainWindow& StartShell(platform::Desktop& desktop, StartChart start);

// The body display flags of a fresh start: every body drawn in the wheel,
// placed by the layout and shown in aspects, except Earth, both nodes of
// each kind, (not drawn, not shown) and the Ascendant and Midheaven (not
// shown in aspects).
void InitialiseBodyDisplayFlags();

}  // namespace orrery
