// The Aspects view: a triangular grid of the aspects between the bodies,
// then a list of the aspects with their orbs.
#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "shell/draw_helpers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/text_views.h"

namespace orrery {

using platform::DrawContext;

namespace {

// The aspect of a pair of bodies in the chart on show; 0 for none or a
// value outside the table.
int AspectOf(const ChartData& c, int a, int b) {
  const int aspect = c.aspects[a][b];
  return aspect > 0 && aspect < AspectRowCount ? aspect : NoAspect;
}

void DrawAspectGlyph(DrawContext& dc, int aspect, int x, int top) {
  DrawIcon(dc, glyphs::kAspectGlyphs[aspect].icon.id, x, top);
}

void DrawGrid(DrawContext& dc, const ChartData& c) {
  dc.SelectPen(shellDrawing.greyPen);
  dc.Line(3, 24, 3, 264);
  dc.Line(3, 264, 195, 264);
  for (int i = 1; i <= 12; ++i) {
    dc.Line(3, 20 * i + 4, 16 * i + 3, 20 * i + 4);
    dc.Line(16 * i + 3, 20 * i + 4, 16 * i + 3, 264);
  }
  for (int r = 0; r < RowOrderCount; ++r) {
    const int body = RowOrder[r];
    const glyphs::GlyphRef& glyph = glyphs::kBodyGlyphs[body].small;
    int x = (16 - glyph.width) / 2 + 1 + 16 * r + 3;
    if (body == Ascendant || body == Midheaven) x += 2;
    DrawSmallGlyph(dc, body, x, 20 * r + 22 - glyph.height);
    for (int j = 0; j < r; ++j) {
      const int aspect = AspectOf(c, body, RowOrder[j]);
      if (aspect == NoAspect) continue;
      const glyphs::GlyphRef& a = glyphs::kAspectGlyphs[aspect].icon;
      DrawAspectGlyph(dc, aspect, 16 * j + 19 - a.width, 20 * r + 24 - a.height);
    }
  }
}

void DrawAspectList(DrawContext& dc, const ChartData& c, ViewRecord& record) {
  int y = 289;
  int lastStop = record.stopOffsets[record.scrollMax];
  for (int r = 0; r < RowOrderCount; ++r) {
    for (int s = r + 1; s < RowOrderCount; ++s) {
      const int a = RowOrder[r], b = RowOrder[s];
      const int aspect = AspectOf(c, a, b);
      if (aspect == NoAspect) continue;
      DrawSmallGlyph(dc, a, 43 - glyphs::kBodyGlyphs[a].small.width, y);
      DrawAspectGlyph(dc, aspect, 43 + (25 - glyphs::kAspectGlyphs[aspect].icon.width) / 2, y);
      DrawSmallGlyph(dc, b, 68, y);
      const double separation =
          Separation(BodyTable[a].geocentric.x, BodyTable[b].geocentric.x);
      const double orb = Separation(separation, aspectInfo[aspect].angle * DegToRad);
      DrawAngle(dc, AngleDegrees | AngleMinutes | AngleDegreeSign | AngleMinuteSign | AngleRight,
                orb, 148, y + 16);
      if (y - lastStop > 200) {
        AppendScrollStop(record, y);
        lastStop = y;
      }
      y += 16;
    }
  }
}

}  // namespace

void RenderAspects() {
  ViewRecord& record = viewRecords[AspectsView];
  ResetScrollStops(record);
  DrawContext dc = BeginTextRender();
  const ChartData& c = CurrentChart();
  dc.SelectFont(shellDrawing.font11);
  DrawGrid(dc, c);
  DrawSectionHeading(dc, 30, 274, 190, glyphs::kHeadingAspects.id, u"Aspect                Orb", 2);
  AppendScrollStop(record, 264);
  DrawAspectList(dc, c, record);
}

}  // namespace orrery
