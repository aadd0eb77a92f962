// The House cusps view: one row per house with its cusp and the bodies in
// it, drawn straight onto the window at every paint.
#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "shell/draw_helpers.h"
#include "shell/shell_drawing.h"
#include "shell/text_format.h"
#include "shell/text_views.h"

namespace orrery {

void PaintHouseCuspsView(platform::DrawContext& dc, int clientRight) {
  const ChartData& c = CurrentChart();
  dc.SetBackMode(platform::BackMode::Transparent);
  dc.SelectFont(shellDrawing.font11);
  DrawSectionHeading(dc, 5, 7, clientRight, 0, u"House      Zodiac angle       Objects in House", 0);
  for (int h = 1; h <= HouseCount; ++h) {
    const int bottom = 17 + 19 * h;
    DrawTextRight(dc, FormatText("%2d", h), 35, bottom);
    DrawAngle(dc, AngleDegrees | AngleMinutes | AngleDegreeSign | AngleMinuteSign | AngleZodiac,
              c.cusps[h - 1], 95, bottom);
    int bodies[RowOrderCount];
    int count = 0;
    for (int body : RowOrder) {
      if (body != Ascendant && body != Midheaven && HouseNumber(body) == h) bodies[count++] = body;
    }
    DrawGlyphRow(dc, bodies, count, 140, bottom);
  }
  DrawPatternLine(dc, 5, 249, 220, 249, shellDrawing.shellGrey, PatternDotted);
  dc.SelectFont(shellDrawing.font8);
  DrawTextLeft(dc, u"Housesystem: " + std::u16string(HouseSystemName()), 10, -1, 263);
  dc.SelectFont(shellDrawing.font11);
}

}  // namespace orrery
