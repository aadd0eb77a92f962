#include "shell/wheel/wheel_hit_test.h"

#include "astro/body_table.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/shell_drawing.h"
#include "shell/wheel/wheel_geometry.h"

namespace orrery {

platform::Rect GlyphWindowBox(int body) {
  if (body < 0 || body >= BodyCount) return {};
  const BodyPosition& b = BodyTable[body];
  if (body == Ascendant) {
    return platform::Rect::At(b.glyphX, b.glyphY, AscendantMarkSize.width, AscendantMarkSize.height);
  }
  if (body == Midheaven) {
    return platform::Rect::At(b.glyphX, b.glyphY, MidheavenMarkSize.width, MidheavenMarkSize.height);
  }
  const glyphs::GlyphRef& glyph = glyphs::kBodyGlyphs[body].large;
  const platform::Point centre = shellDrawing.wheelCentre;
  return platform::Rect::At(b.glyphX + centre.x - WheelInnerCentre,
                            b.glyphY + centre.y - WheelInnerCentre, glyph.width, glyph.height);
}

int WheelHitTest(int x, int y) {
  for (int body = 0; body < BodyCount; ++body) {
    if (!BodyTable[body].drawnInWheel) continue;
    const platform::Rect box = GlyphWindowBox(body);
    if (box.left + 1 < x && x < box.right - 1 && box.top + 1 < y && y < box.bottom - 1) return body;
  }
  return -1;
}

}  // namespace orrery
