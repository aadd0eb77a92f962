#include "shell/wheel/wheel_layers.h"

#include <optional>
#include <string>

#include "astro/body_table.h"
#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "shell/draw_helpers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/text_format.h"
#include "shell/wheel/body_layout.h"
#include "shell/wheel/wheel_geometry.h"

namespace orrery {

namespace {

using platform::Brush;
using platform::DrawContext;
using platform::Pen;
using platform::Point;
using platform::Rect;

constexpr Point InnerCentre{WheelInnerCentre, WheelInnerCentre};
constexpr platform::Colour HouseNumberGrey = platform::Rgb(200, 200, 200);
// The chart-kind mark: 20 pixels from the right, at this height.
constexpr int ChartKindMarkInset = 20;
constexpr int ChartKindMarkTop = 246;

Point Centre() { return shellDrawing.wheelCentre; }

// The square of the wheel buffer that the inner bitmaps cover.
Rect InnerSquare() {
  return Rect::At(Centre().x - WheelInnerCentre, Centre().y - WheelInnerCentre, WheelInnerSide,
                  WheelInnerSide);
}

Rect CircleOfRadius(Point c, int r) { return {c.x - r, c.y - r, c.x + r, c.y + r}; }

void DrawSignRing(DrawContext& dc, double ascendant) {
  dc.SelectPen(shellDrawing.blackPen);
  for (int k = 0; k < 12; ++k) {
    const double a = Normalize2Pi(k * Deg30 + ascendant);
    const Point outer = PointAt(Centre(), a, SignLineOuterRadius);
    const Point inner = PointAt(Centre(), a, SignLineInnerRadius);
    dc.Line(outer.x, outer.y, inner.x, inner.y);
  }
  // Screen sector k holds the sign 6 - k (counted from Aries as 1), so the
  // element colours run earth, fire, water, air from k = 0.
  const Brush* elementBrushes[4] = {&shellDrawing.greenBrush, &shellDrawing.redBrush,
                                    &shellDrawing.blueBrush, &shellDrawing.yellowBrush};
  Point sector[63];
  for (int k = 0; k < 12; ++k) {
    int n = 0;
    for (int d = 0; d <= 30; ++d) {
      sector[n++] = PointAt(Centre(), ascendant + (30 * k + d) * DegToRad, SignRingOuterRadius);
    }
    sector[n++] = PointAt(Centre(), ascendant + (30 * k + 30) * DegToRad, SignRingInnerRadius);
    for (int d = 30; d >= 0; --d) {
      sector[n++] = PointAt(Centre(), ascendant + (30 * k + d) * DegToRad, SignRingInnerRadius);
    }
    dc.SelectBrush(*elementBrushes[k % 4]);
    dc.Polygon(sector);
  }
  for (int sign = 1; sign <= 12; ++sign) {
    const glyphs::GlyphRef& glyph = glyphs::kSignGlyphs[sign].wheel;
    const double a = ScreenAngle((30 * (sign - 1) + 15) * DegToRad, ascendant);
    const Point p = PointAt(Centre(), a, SignGlyphRadius);
    DrawIcon(dc, glyph.id, p.x - glyph.width / 2, p.y - glyph.height / 2);
  }
}

void DrawAxes(DrawContext& dc, const ChartData& chart) {
  const Point c = Centre();
  dc.SelectPen(shellDrawing.blackPen);
  dc.Line(c.x - HorizonLeftRadius, c.y, c.x + HorizonRightRadius, c.y);
  const Point ascendantMark{c.x - 122, c.y - 14};
  DrawIcon(dc, glyphs::kAscendantMark.id, ascendantMark.x, ascendantMark.y);
  BodyTable[Ascendant].glyphX = std::int16_t(ascendantMark.x);
  BodyTable[Ascendant].glyphY = std::int16_t(ascendantMark.y);

  const double m = Normalize2Pi(chart.ascendant - chart.midheaven);
  const Point far = PointAt(c, m, MeridianRadius);
  const Point midheavenEnd{static_cast<int>(c.x - MeridianRadius * Cos(m)),
                           static_cast<int>(c.y - MeridianRadius * Sin(m))};
  dc.Line(far.x, far.y, midheavenEnd.x, midheavenEnd.y);
  // Where the meridian runs too close to the horizon or the ring for the
  // mark, the Midheaven is neither drawn nor tapped.
  const std::optional<Point> offset = MidheavenMarkOffset(m);
  BodyTable[Midheaven].drawnInWheel = offset.has_value();
  if (!offset) return;
  const Point mark{midheavenEnd.x + offset->x, midheavenEnd.y + offset->y};
  DrawIcon(dc, glyphs::kMidheavenMark.id, mark.x, mark.y);
  BodyTable[Midheaven].glyphX = std::int16_t(mark.x);
  BodyTable[Midheaven].glyphY = std::int16_t(mark.y);
}

void DrawCentralCircle(DrawContext& dc) {
  dc.SelectPen(shellDrawing.greyPen);
  dc.SelectBrush(shellDrawing.whiteBrush);
  dc.Ellipse(CircleOfRadius(InnerCentre, int(CentralCircleRadius)));
}

void DrawHouses(DrawContext& dc, const ChartData& chart) {
  dc.SelectPen(shellDrawing.greyPen);
  for (int house = 1; house <= 12; ++house) {
    const double here = ScreenAngle(chart.cusps[house - 1], chart.ascendant);
    const double next = ScreenAngle(chart.cusps[house % 12], chart.ascendant);
    const double middle = Normalize2Pi(next < here ? (here + next) / 2 : (here + next + TwoPi) / 2);
    // The horizon and meridian stand for cusps 1, 4, 7 and 10.
    if (house % 3 != 1) {
      const Point inner = PointAt(InnerCentre, here, CentralCircleRadius);
      const Point outer = PointAt(InnerCentre, here, SignRingInnerRadius);
      dc.Line(inner.x, inner.y, outer.x, outer.y);
    }
    const std::u16string number = FormatText(house < 10 ? "%1d" : "%2d", house);
    const platform::Size size = dc.TextExtent(number);
    const Point p = PointAt(InnerCentre, middle, HouseNumberRadius);
    dc.DrawText(number, Rect::At(p.x - size.width / 2, p.y - size.height / 2, size.width, size.height),
                platform::kAlignCentre | platform::kAlignMiddle);
  }
}

void DrawBodyGlyphs(DrawContext& dc) {
  for (int body = 0; body < BodyCount; ++body) {
    if (!BodyTable[body].drawnInWheel || body == Ascendant || body == Midheaven) continue;
    if (const platform::Image* glyph = LoadBodyGlyph(body, LargeGlyph)) {
      dc.DrawImage(*glyph, BodyTable[body].glyphX, BodyTable[body].glyphY);
    }
  }
}

// Screen angle of a glyph centre round the inner bitmaps' middle.
double GlyphAngle(int body) {
  const glyphs::BodyGlyphs& g = glyphs::kBodyGlyphs[body];
  return PointAngle(WheelInnerCentre, WheelInnerCentre, BodyTable[body].glyphX + g.halfWidth,
                    BodyTable[body].glyphY + g.halfHeight);
}

void DrawAspectLine(DrawContext& dc, int kind, double a, double b) {
  const AspectInfo& info = aspectInfo[kind];
  const platform::Colour colour = platform::Colour::FromRedLow(info.colour);
  const Point p = PointAt(InnerCentre, a, AspectEndRadius);
  const Point q = PointAt(InnerCentre, b, AspectEndRadius);
  if (kind == Conjunction) {
    const Point apex = PointAt(InnerCentre, Midpoint(a, b), ConjunctionApexRadius);
    DrawPatternLine(dc, p.x, p.y, apex.x, apex.y, colour, info.lineCode);
    DrawPatternLine(dc, apex.x, apex.y, q.x, q.y, colour, info.lineCode);
    return;
  }
  const Point pBend = PointAt(InnerCentre, a, AspectBendRadius);
  const Point qBend = PointAt(InnerCentre, b, AspectBendRadius);
  DrawPatternLine(dc, p.x, p.y, pBend.x, pBend.y, colour, PatternSolid);
  DrawPatternLine(dc, pBend.x, pBend.y, qBend.x, qBend.y, colour, info.lineCode);
  DrawPatternLine(dc, qBend.x, qBend.y, q.x, q.y, colour, PatternSolid);
}

bool TakesPartInAspects(int body) { return BodyTable[body].shown && BodyTable[body].drawnInWheel; }

}  // namespace

void DrawWheelLayer() {
  platform::Surface& buffer = shellDrawing.wheelBuffer;
  DrawContext dc(buffer);
  dc.FillRect(buffer.Bounds(), platform::kWhite);
  const ChartData& chart = CurrentChart();
  DrawSignRing(dc, chart.ascendant);
  DrawAxes(dc, chart);
  const int mark = CurrentSlot().presentMoment ? glyphs::kPresentChartMark.id : glyphs::kNatalChartMark.id;
  DrawIcon(dc, mark, buffer.Width() - ChartKindMarkInset, ChartKindMarkTop);
}

void DrawBodiesLayer() {
  platform::Surface& inner = shellDrawing.wheelInner[0];
  inner.CopyFrom(shellDrawing.wheelBuffer, InnerSquare(), {0, 0}, inner.Bounds());
  DrawContext dc(inner);
  dc.SetBackMode(platform::BackMode::Transparent);
  dc.SelectFont(shellDrawing.font10);
  dc.SetTextColour(HouseNumberGrey);
  DrawCentralCircle(dc);
  DrawHouses(dc, CurrentChart());
  dc.SelectPen(shellDrawing.blackPen);
  LayoutBodyGlyphs();
  DrawBodyGlyphs(dc);
  const Rect square = InnerSquare();
  shellDrawing.wheelBuffer.CopyFrom(inner, inner.Bounds(), {square.left, square.top},
                                    shellDrawing.wheelBuffer.Bounds());
}

void DrawAspectLayer() {
  platform::Surface& lines = shellDrawing.wheelInner[1];
  lines = shellDrawing.wheelInner[0];
  DrawContext dc(lines);
  DrawCentralCircle(dc);
  const ChartData& chart = CurrentChart();
  for (int p = 1; p < BodyCount; ++p) {
    if (!TakesPartInAspects(p)) continue;
    for (int q = 0; q < p; ++q) {
      const int kind = chart.aspects[p][q];
      if (kind <= NoAspect || kind >= AspectRowCount || !aspectButtonChecked[kind]) continue;
      if (!TakesPartInAspects(q)) continue;
      DrawAspectLine(dc, kind, GlyphAngle(p), GlyphAngle(q));
    }
  }
  const Rect square = InnerSquare();
  shellDrawing.wheelBuffer.CopyFrom(lines, lines.Bounds(), {square.left, square.top},
                                    shellDrawing.wheelBuffer.Bounds());
}

}  // namespace orrery
