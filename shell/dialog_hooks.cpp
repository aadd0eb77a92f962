#include "shell/dialog_hooks.h"

namespace orrery {

DialogHooks& Dialogs() {
  static DialogHooks hooks;
  return hooks;
}

}  // namespace orrery
