// Buttons: push, default push, check box, radio button and toggle (a button
// shown pressed while checked). Radio and toggle buttons of the same nonzero
// group in one parent exclude each other: pressing one checks it and
// unchecks the others. Pressing sends Command(id, kButtonClicked) to the
// parent, after the check state changed. Space or Enter press a focused
// button.
#pragma once

#include <string_view>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

enum class ButtonKind { Push, Default, CheckBox, Radio, Toggle };

class Button : public Window {
 public:
  Button(int id, const Rect& frame, std::u16string_view text, ButtonKind kind = ButtonKind::Push, int group = 0);

  ButtonKind Kind() const { return kind_; }
  int Group() const { return group_; }
  bool Checked() const { return checked_; }
  // Sets the state without notifying; for radios and toggles also unchecks
  // the rest of the group.
  void SetChecked(bool checked);
  // What a tap does: the state change, then the notification.
  void Press();

  int OnMessage(const Message& m) override;

 private:
  void Paint(class DrawContext& dc);
  ButtonKind kind_;
  int group_;
  bool checked_ = false;
  bool pressed_ = false;
};

}  // namespace orrery::platform
