// The store's part of the program's start-up and clean-up.
#pragma once

namespace orrery {

// Start-up: the live orbs and factor points take their defaults, the
// settings record is zeroed and loaded (on a first run the defaults are
// stored at once), the chart file is loaded and the start chart (the one
// remembered in the settings) is chosen, computed and shown.
void StartStore();

// Clean-up: the settings are saved, then the chart file.
void CloseStore();

}  // namespace orrery
