#include "dialogs/dialog_run.h"

#include "shell/platform/desktop.h"
#include "shell/platform/menu_bar.h"
#include "shell/program_events.h"

namespace orrery {

void LogDialogOpen(int templateId) { LogEvent("open " + std::to_string(templateId)); }

void LogDialogClose(int templateId, int code) {
  LogEvent("close " + std::to_string(templateId) + " " + std::to_string(code));
}

int RunLoggedSheet(int firstPageTemplate, platform::Window& owner, std::u16string title,
                   std::vector<platform::PropertyPage> pages) {
  LogDialogOpen(firstPageTemplate);
  const int code = platform::RunPropertySheet(owner, std::move(title), std::move(pages));
  LogDialogClose(firstPageTemplate, code);
  return code;
}

void AddEmptyMenuBar(platform::Dialog& dialog) {
  platform::Desktop* desktop = dialog.GetDesktop();
  if (!desktop) return;
  desktop->Add<platform::MenuBar>(dialog, platform::Menu());
  platform::Rect frame = dialog.Frame();
  frame.bottom = std::min(frame.bottom, platform::kMenuBarArea.top);
  dialog.Move(frame);
}

}  // namespace orrery
