// The wheel's body pop-up: a small modeless window beside a tapped glyph
// with the body's name, its longitude in the angle mode on show, its house
// with the house system's letter, and "R" when it moves backwards.
//
// The main window makes it hidden at start-up (CreateBodyPopup, and
// HideBodyPopup on every view change, in shell/wheel_view.h); a tap in it,
// OK or Cancel hide it too, and closing it destroys it. Showing and hiding
// it are logged as its opening and closing (shell/program_events.h).
#pragma once

#include "shell/platform/dialog.h"

namespace orrery {

// Its dialog template: 42 x 32 dialog units, no controls.
inline constexpr int BodyPopupTemplate = 254;

class BodyPopup : public platform::Dialog {
 public:
  BodyPopup();

  // Shows the pop-up for body (0..16): it moves beside the body's glyph
  // when it gets the focus.
  void ShowFor(int body);
  void Hide();
  bool Shown() const { return shown_; }
  int Body() const { return body_; }

  int OnMessage(const platform::Message& m) override;

 private:
  void MoveBesideBody();
  void Paint(platform::DrawContext& dc);

  int body_ = 0;
  bool shown_ = false;
};

// The pop-up while it exists, else nullptr.
BodyPopup* TheBodyPopup();

}  // namespace orrery
