// The Natal Chart view: its paint step, taps and the body pop-up, for the
// main window (shell/wheel_view.h).
#include "shell/wheel_view.h"

#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/wheel/body_popup.h"
#include "shell/wheel/wheel_hit_test.h"
#include "shell/wheel/wheel_layers.h"

namespace orrery {

void PaintWheelView(platform::DrawContext& dc) {
  ViewRecord& record = viewRecords[NatalChartView];
  if (record.needsRender) {
    bool* flags = record.layerFlags;
    if (flags[RedrawWheel]) {
      DrawWheelLayer();
      flags[RedrawWheel] = false;
    }
    if (flags[RedrawBodies]) {
      DrawBodiesLayer();
      flags[RedrawBodies] = false;
    }
    if (flags[RedrawAspectLines]) {
      DrawAspectLayer();
      flags[RedrawAspectLines] = false;
    }
  }
  const platform::Surface& buffer = shellDrawing.wheelBuffer;
  dc.CopyFrom(buffer, buffer.Bounds(), {0, 0});
}

void OnWheelTap(int x, int y) {
  const int body = WheelHitTest(x, y);
  if (body >= 0 && TheBodyPopup()) TheBodyPopup()->ShowFor(body);
}

}  // namespace orrery
