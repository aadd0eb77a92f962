// The Pocket PC navigation bar: the top 26 pixels of the screen, showing the
// active window's title and, when that window asks for it, the OK button,
// which posts Command kIdOk to it.
#pragma once

#include <string>

#include "shell/platform/window.h"

namespace orrery::platform {

class NavBar : public Window {
 public:
  NavBar();
  int OnMessage(const Message& m) override;
  // Shows this title and OK button state; repaints only on a change.
  void Sync(std::u16string_view title, bool okButton);
  bool OkButtonShown() const { return okButton_; }
  // Where the OK button is, in screen coordinates.
  static constexpr Rect kOkButton{206, 3, 236, 23};

 private:
  void Paint(class DrawContext& dc);
  bool okButton_ = false;
  bool okPressed_ = false;
};

}  // namespace orrery::platform
