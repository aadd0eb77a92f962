#include "dialogs/install_dialogs.h"

#include "dialogs/about_screen.h"
#include "dialogs/caution_notices.h"
#include "dialogs/chart_select.h"
#include "dialogs/options_sheet.h"
#include "dialogs/terminal.h"
#include "dialogs/wizard/chart_wizard.h"
#include "shell/dialog_hooks.h"
#include "shell/wheel/view_bodies_dialog.h"

namespace orrery {

void InstallDialogs() {
  DialogHooks& hooks = Dialogs();
  hooks.runChartSelect = RunChartSelect;
  hooks.runOptions = RunOptions;
  hooks.runAbout = ShowAbout;
  hooks.showCautionNotice = ShowCautionNotice;
  hooks.showStoreNotice = ShowStoreNotice;
  hooks.showTerminal = ShowTerminal;
  hooks.runViewBodies = RunViewBodiesDialog;
  hooks.runChartWizard = RunChartWizard;
}

}  // namespace orrery
