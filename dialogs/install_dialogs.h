// Connects the dialogs to the shell's commands (shell/dialog_hooks.h).
#pragma once

namespace orrery {

// Installs the New Chart wizard, Chart select, Options, About, the caution
// notices, the terminal and the wheel's View dialog into the shell's dialog
// hooks; the program calls it before the shell starts.
void InstallDialogs();

}  // namespace orrery
