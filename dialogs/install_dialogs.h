// Connects the dialogs to the shell's commands (shell/dialog_hooks.h).
#pragma once

namespace orrery {

// Installs About, the caution notices and the terminal into the shell's
// dialog hooks; the program calls it before the shell starts.
void InstallDialogs();

}  // namespace orrery
