// The Natal Chart view's own parts, called by the main window: the paint
// step, the tap in the view and the body pop-up's life. The main window
// owns what the view uses: its menu bar with the present-moment button,
// the aspect tool bar, the wheel buffers and centre (shell_drawing.h), the
// ViewRecord's three layer flags and the aspect button states
// (shell_state.h); it routes the view's taps here and hides the pop-up
// whenever the view changes.
#pragma once

#include "shell/platform/draw_context.h"
#include "shell/platform/window.h"

namespace orrery {

// Paints the view: redraws the wheel layers whose flags are set (clearing
// each), then copies the wheel buffer to the window. Its needsRender flag
// stays set.
void PaintWheelView(platform::DrawContext& dc);
// A tap at (x, y) in window coordinates while the view is on show.
void OnWheelTap(int x, int y);
// The body pop-up: created hidden at start-up, owned by the main window.
void CreateBodyPopup(platform::Window& owner);
// Hides it (when it is shown) and marks it not shown.
void HideBodyPopup();

}  // namespace orrery
