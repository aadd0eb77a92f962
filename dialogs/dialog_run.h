// Running the program's dialogs: modally with an owner, each opening and
// closing written to the event log (shell/program_events.h) under the
// dialog's template id, and the parts the full-screen dialogs share.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/platform/dialog.h"
#include "shell/platform/property_sheet.h"

namespace orrery {

void LogDialogOpen(int templateId);
void LogDialogClose(int templateId, int code);

// Runs a dialog of type D, made from args, modally with owner; returns the
// code it ended with (-1 when the program quit meanwhile).
template <class D, class... Args>
int RunLoggedDialog(int templateId, platform::Window& owner, Args&&... args) {
  LogDialogOpen(templateId);
  const int code = platform::RunDialog<D>(owner, std::forward<Args>(args)...);
  LogDialogClose(templateId, code);
  return code;
}

// Runs a property sheet modally with owner, logged under the template of its
// first page; 1 after OK, 0 after Cancel, -1 when the program quit.
int RunLoggedSheet(int firstPageTemplate, platform::Window& owner, std::u16string title,
                   std::vector<platform::PropertyPage> pages);

// Gives a full-screen dialog an empty menu bar at the bottom of the screen
// (destroyed with the dialog) and takes the bar's height off the dialog.
void AddEmptyMenuBar(platform::Dialog& dialog);

}  // namespace orrery
