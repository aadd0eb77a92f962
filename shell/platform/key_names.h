// Key names of scripts: "enter", "escape", "backspace", "tab", "space",
// "delete", "home", "end", "pageup", "pagedown", "left", "right", "up",
// "down", a letter or a digit, each optionally after "ctrl+", "shift+" and
// "alt+" prefixes, e.g. "ctrl+shift+a". Case does not matter.
#pragma once

#include <optional>
#include <string_view>

namespace orrery::platform {

struct KeyStroke {
  int key = 0;
  int modifiers = 0;
};

std::optional<KeyStroke> ParseKeyName(std::string_view name);

}  // namespace orrery::platform
