// The store's part of the program's start-up and clean-up.
#pragma once

namespace orrery {

// Start-up: the settings are loaded (settings.h; on a first run the
// defaults are stored at once), the chart file is loaded (a notice is
// posted when it cannot be read or was damaged) and the start chart (the
// one remembered in the settings) is chosen, computed and shown.
void StartStore();

// Clean-up: the settings are saved, and changes still waiting from failed
// saves are tried once more. The chart file is not written otherwise: every
// change was saved when it was made.
void CloseStore();

}  // namespace orrery
