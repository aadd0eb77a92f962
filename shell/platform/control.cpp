#include "shell/platform/control.h"

namespace orrery::platform {

int CommandToParent(Window& control, int code) {
  if (!control.Parent()) return 0;
  return control.Parent()->Send(Message::Command(control.Id(), code, &control));
}

int NotifyParent(Window& control, int code, int value) {
  if (!control.Parent()) return 0;
  return control.Parent()->Send(Message::Notify(&control, control.Id(), code, value));
}

}  // namespace orrery::platform
