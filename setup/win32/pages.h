// The launcher's pages as modal dialogs: the language and welcome page, then the
// licence page in the chosen language, then the launch of the Application Manager.
#pragma once

#include <windows.h>

namespace orrery {

// Runs the pages owned by `owner` until one of them is closed.
void RunSetupPages(HINSTANCE instance, HWND owner);

}  // namespace orrery
