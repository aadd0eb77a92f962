// A tool tip: a small topmost window with one line of text on pale yellow.
#pragma once

#include <string_view>

#include "shell/platform/window.h"

namespace orrery::platform {

class ToolTip : public Window {
 public:
  // Placed below the anchor (screen coordinates), inside the screen.
  ToolTip(std::u16string_view text, const Rect& anchor);
  int OnMessage(const Message& m) override;
};

}  // namespace orrery::platform
