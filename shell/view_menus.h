// The menus of the five views' menu bars ("Chart", "View", "Misc", "Help"),
// registered as menu resources 102 to 106 (the menuId of each ViewRecord).
// Menu texts are English in both languages.
#pragma once

#include "shell/platform/menu.h"

namespace orrery {

// The menu of a view's menu bar as its resource holds it: the view's own
// item under "View" greyed, nothing checked.
platform::Menu BuildViewMenu(int view);
// The "View" menu's command of a view (CmdInfo .. CmdHouseCusps), or 0.
int ViewCommand(int view);
// Registers the five menus under their menu ids.
void RegisterViewMenus();

}  // namespace orrery
