// The three cached layers of the Natal Chart view, drawn into the wheel
// buffers of shellDrawing for the chart on show:
//
//   DrawWheelLayer   the sign ring, sign glyphs, horizon and meridian with
//                    their marks, and the chart-kind mark (wheel buffer);
//   DrawBodiesLayer  the central circle, cusps and house numbers, and the
//                    body glyphs after LayoutBodyGlyphs (first inner bitmap,
//                    copied into the wheel buffer);
//   DrawAspectLayer  the aspect lines of the checked aspect buttons over a
//                    copy of the first inner bitmap (second inner bitmap,
//                    copied into the wheel buffer).
//
// Each layer builds on the one before it, so redrawing one means redrawing
// those after it.
#pragma once

namespace orrery {

void DrawWheelLayer();
void DrawBodiesLayer();
void DrawAspectLayer();

}  // namespace orrery
