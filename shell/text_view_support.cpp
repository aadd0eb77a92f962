#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "foundation/localized_strings.h"
#include "shell/draw_helpers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/shell_drawing.h"
#include "shell/text_views.h"

namespace orrery {

platform::DrawContext BeginTextRender() {
  platform::DrawContext dc(shellDrawing.textBuffer);
  dc.FillRect(shellDrawing.textBuffer.Bounds(), shellDrawing.whiteBrush.colour);
  dc.SetBackMode(platform::BackMode::Transparent);
  return dc;
}

void DrawSmallGlyph(platform::DrawContext& dc, int body, int x, int top) {
  if (const platform::Image* glyph = LoadBodyGlyph(body, SmallGlyph)) dc.DrawImage(*glyph, x, top);
}

void DrawGlyphRow(platform::DrawContext& dc, const int* bodies, int count, int x, int bottom) {
  for (int i = 0; i < count; ++i) {
    const glyphs::GlyphRef& glyph = glyphs::kBodyGlyphs[bodies[i]].small;
    DrawSmallGlyph(dc, bodies[i], x, bottom - glyph.height);
    x += glyph.width + 5;
  }
}

const HouseSystemInfo& HouseSystemInUse() { return houseSystemInfo[EffectiveHouseSystem(currentHouseSystem)]; }

const char16_t* HouseSystemName() { return LocalizedString(HouseSystemInUse().nameStringId); }

}  // namespace orrery
