#include "shell/platform/menu.h"

namespace orrery::platform {

namespace {

template <class Items>
auto FindIn(Items& items, int command) -> decltype(&items[0]) {
  for (auto& item : items) {
    if (!item.separator && !item.IsPopup() && item.command == command) return &item;
    if (auto* found = FindIn(item.submenu, command)) return found;
  }
  return nullptr;
}

}  // namespace

MenuItem* Menu::Find(int command) { return FindIn(items_, command); }
const MenuItem* Menu::Find(int command) const { return FindIn(items_, command); }

bool Menu::Check(int command, bool checked) {
  MenuItem* item = Find(command);
  if (item) item->checked = checked;
  return item != nullptr;
}

bool Menu::Enable(int command, bool enabled) {
  MenuItem* item = Find(command);
  if (item) item->greyed = !enabled;
  return item != nullptr;
}

bool Menu::IsChecked(int command) const {
  const MenuItem* item = Find(command);
  return item && item->checked;
}

bool Menu::IsEnabled(int command) const {
  const MenuItem* item = Find(command);
  return item && !item->greyed;
}

}  // namespace orrery::platform
