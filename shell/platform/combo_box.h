// Drop-down list combo box (CBS_DROPDOWNLIST): shows the chosen item;
// tapping it opens the list below it (above when there is no room), where a
// tap chooses an item and closes the list; a tap beside the list closes it.
// Up and Down step through the items while it has the focus. A choice by the
// user sends Command(id, kComboSelChanged) to the parent.
#pragma once

#include <string>
#include <vector>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

class ComboPopup;

class ComboBox : public Window {
 public:
  // Rows the open list shows at most before it scrolls.
  static constexpr int kMaxDropRows = 8;

  ComboBox(int id, const Rect& frame);

  int AddItem(std::u16string text, intptr_t data = 0);
  void Clear();
  int Count() const { return int(items_.size()); }
  const std::u16string& ItemText(int index) const;
  intptr_t ItemData(int index) const;  // -1 for no such item
  int Selection() const { return selected_; }
  void SetSelection(int index);  // without notifying; -1 for none

  bool IsOpen() const { return popup_ != nullptr; }
  void Open();
  void Close();
  // The open list's window (nullptr when closed), for scripts and tests.
  ComboPopup* Popup() const { return popup_; }

  int OnMessage(const Message& m) override;

 private:
  friend class ComboPopup;
  struct Item {
    std::u16string text;
    intptr_t data;
  };
  void Choose(int index);  // by the user
  void Paint(class DrawContext& dc);

  std::vector<Item> items_;
  int selected_ = -1;
  ComboPopup* popup_ = nullptr;
};

}  // namespace orrery::platform
