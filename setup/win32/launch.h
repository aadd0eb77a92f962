// Starting the Windows CE Application Manager registered on this PC.
#pragma once

namespace orrery {

// Starts the manager with the installation description below the current directory
// and returns at once; when it cannot be found or started, tells the user so in a
// message box.
void LaunchApplicationManager();

}  // namespace orrery
