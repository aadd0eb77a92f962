// Menus as data: the drop-downs of a menu bar, their items, sub-menus,
// check marks and greyed items.
#pragma once

#include <string>
#include <vector>

namespace orrery::platform {

struct MenuItem {
  std::u16string text;
  int command = 0;                // sent as Command when the item is picked
  bool separator = false;
  bool checked = false;
  bool greyed = false;            // shown grey; picking it does nothing
  std::vector<MenuItem> submenu;  // a drop-down or sub-menu when not empty

  static MenuItem Command(std::u16string text, int command) {
    MenuItem item;
    item.text = std::move(text);
    item.command = command;
    return item;
  }
  static MenuItem Separator() {
    MenuItem item;
    item.separator = true;
    return item;
  }
  static MenuItem Popup(std::u16string text, std::vector<MenuItem> items) {
    MenuItem item;
    item.text = std::move(text);
    item.submenu = std::move(items);
    return item;
  }
  MenuItem Greyed() && {
    greyed = true;
    return std::move(*this);
  }
  MenuItem Checked() && {
    checked = true;
    return std::move(*this);
  }
  bool IsPopup() const { return !submenu.empty(); }
};

// A menu: for a menu bar, its items are the drop-downs (each a Popup).
// Items are found by command anywhere in the tree, sub-menus included
// (CheckMenuItem / EnableMenuItem with MF_BYCOMMAND).
class Menu {
 public:
  Menu() = default;
  explicit Menu(std::vector<MenuItem> items) : items_(std::move(items)) {}

  const std::vector<MenuItem>& Items() const { return items_; }
  std::vector<MenuItem>& Items() { return items_; }

  MenuItem* Find(int command);
  const MenuItem* Find(int command) const;
  // Each returns false when no item has the command.
  bool Check(int command, bool checked);
  bool Enable(int command, bool enabled);
  bool IsChecked(int command) const;
  bool IsEnabled(int command) const;

 private:
  std::vector<MenuItem> items_;
};

}  // namespace orrery::platform
