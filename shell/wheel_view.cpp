// The Natal Chart view until its wheel drawing arrives: the three layers
// have nothing to draw yet, so the view shows its blank wheel buffer and
// taps find no body.
#include "shell/wheel_view.h"

#include "shell/shell_drawing.h"
#include "shell/shell_state.h"

namespace orrery {

void PaintWheelView(platform::DrawContext& dc) {
  ViewRecord& record = viewRecords[NatalChartView];
  if (record.needsRender) {
    for (bool& flag : record.layerFlags) flag = false;
  }
  const platform::Surface& buffer = shellDrawing.wheelBuffer;
  dc.CopyFrom(buffer, buffer.Bounds(), {0, 0});
}

void OnWheelTap(int, int) {}

void CreateBodyPopup(platform::Window&) {}

void HideBodyPopup() {}

}  // namespace orrery
