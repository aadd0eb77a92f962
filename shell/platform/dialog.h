// Dialogs: windows built from a DialogTemplate, run modally with RunDialog
// or shown modeless.
//
// On Create the dialog makes its controls, then sends itself InitDialog
// (the place for a subclass to fill them in) and puts the focus on the first
// control that takes it, unless InitDialog set the focus. Default handling:
// Command kIdOk or kIdCancel ends the dialog with that code; keys that the
// controls leave: Tab and Shift+Tab move the focus through the controls,
// Enter is Command kIdOk, Escape is Command kIdCancel. A dialog that is a
// property sheet page hands OK and Cancel to its sheet.
#pragma once

#include <memory>

#include "shell/platform/desktop.h"
#include "shell/platform/dialog_template.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class Dialog : public Window {
 public:
  explicit Dialog(DialogTemplate t);
  // From the registered template (an empty dialog when there is none).
  explicit Dialog(int templateId);

  const DialogTemplate& Template() const { return template_; }
  // Ends the modal loop running this dialog with code; in a property sheet
  // page, OK (kIdOk) and Cancel (kIdCancel) of the sheet instead.
  void End(int code);
  // Moves the focus to the next (or previous) control that takes it.
  void MoveFocus(bool forward);

  int OnMessage(const Message& m) override;

 private:
  DialogTemplate template_;
};

// Runs a dialog of type D (made from args) modally with owner: returns the
// code it ended with (-1 when the program quit meanwhile).
template <class D, class... Args>
int RunDialog(Window& owner, Args&&... args) {
  Desktop& desktop = *owner.GetDesktop();
  D& dialog = desktop.Add<D>(std::forward<Args>(args)...);
  dialog.SetOwner(&owner);
  const int code = desktop.RunModal(dialog);
  dialog.Destroy();
  return code;
}

}  // namespace orrery::platform
