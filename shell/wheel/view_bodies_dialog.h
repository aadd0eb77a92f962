// The wheel's View dialog ("Misc" > "View Planets", template 255): which
// bodies the wheel draws. One check box per body, the Moon's nodes
// together; "««" and "»»" move the dialog to the left or back to the right
// of the wheel so that either half stays in sight.
//
// OK applies the boxes: drawnInWheel and `shown` of the bodies follow them,
// the aspect buttons are enabled by the new set, the body pop-up is hidden
// and the wheel is drawn again; Cancel (Escape) changes nothing.
#pragma once

#include "shell/platform/dialog.h"

namespace orrery {

inline constexpr int ViewBodiesTemplate = 255;
inline constexpr int MoveLeftButton = 1078;
inline constexpr int MoveRightButton = 1079;

class ViewBodiesDialog : public platform::Dialog {
 public:
  // view: the window whose view area the dialog stands in (the main window).
  explicit ViewBodiesDialog(platform::Window& view);
  int OnMessage(const platform::Message& m) override;

 private:
  void Fill();
  void Apply();
  // To the right of the view area (x = its right - width - 10) or to its
  // left edge (x = 6), 6 pixels above the view area's bottom.
  void MoveTo(bool right);

  platform::Window& view_;
};

// Runs the dialog modally over owner (the main window), logging its opening
// and closing (shell/program_events.h); installed as the shell's View
// dialog hook.
void RunViewBodiesDialog(platform::Window& owner);

}  // namespace orrery
