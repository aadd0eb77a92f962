#include "shell/platform/key_names.h"

#include <cctype>
#include <string>

#include "shell/platform/message.h"

namespace orrery::platform {

std::optional<KeyStroke> ParseKeyName(std::string_view name) {
  std::string s;
  for (char c : name) s += char(std::tolower(static_cast<unsigned char>(c)));
  KeyStroke k;
  static constexpr struct {
    std::string_view prefix;
    int modifier;
  } kPrefixes[] = {{"ctrl+", kModCtrl}, {"shift+", kModShift}, {"alt+", kModAlt}};
  for (bool found = true; found;) {
    found = false;
    for (const auto& p : kPrefixes) {
      if (s.starts_with(p.prefix) && s.size() > p.prefix.size()) {
        k.modifiers |= p.modifier;
        s.erase(0, p.prefix.size());
        found = true;
      }
    }
  }
  static constexpr struct {
    std::string_view name;
    int key;
  } kNames[] = {{"enter", kKeyEnter},   {"escape", kKeyEscape},     {"backspace", kKeyBack},
                {"tab", kKeyTab},       {"space", kKeySpace},       {"delete", kKeyDelete},
                {"home", kKeyHome},     {"end", kKeyEnd},           {"pageup", kKeyPageUp},
                {"pagedown", kKeyPageDown}, {"left", kKeyLeft},     {"right", kKeyRight},
                {"up", kKeyUp},         {"down", kKeyDown}};
  for (const auto& n : kNames) {
    if (s == n.name) {
      k.key = n.key;
      return k;
    }
  }
  if (s.size() == 1 && std::isalnum(static_cast<unsigned char>(s[0]))) {
    k.key = std::toupper(static_cast<unsigned char>(s[0]));
    return k;
  }
  return std::nullopt;
}

}  // namespace orrery::platform
