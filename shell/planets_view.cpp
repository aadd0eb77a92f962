// The Planets view: one row per body with its angle and house, then the
// time and obliquity data of the chart.
#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "chart/object_info.h"
#include "foundation/angles.h"
#include "foundation/localized_strings.h"
#include "shell/draw_helpers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/info_text.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/text_format.h"
#include "shell/text_views.h"

namespace orrery {

using platform::DrawContext;

namespace {

constexpr unsigned DegreesMinutesSigns = AngleDegrees | AngleMinutes | AngleDegreeSign | AngleMinuteSign;

void DrawBodyRow(DrawContext& dc, int body, int bottom) {
  if (body == Ascendant || body == Midheaven) {
    DrawTextCentred(dc, body == Ascendant ? u"AC" : u"MC", 5, 25, bottom);
  } else {
    const glyphs::GlyphRef& glyph = glyphs::kBodyGlyphs[body].small;
    const int x = (20 - glyph.width) / 2 + 5;
    DrawSmallGlyph(dc, body, x, bottom - glyph.height);
    if (BodyTable[body].retrograde) {
      DrawIcon(dc, glyphs::kRetrogradeMark.id, x + glyph.width + 2, bottom - 5);
    }
  }
  DrawTextLeft(dc, LocalizedString(objectInfo[body].nameStringId), 35, -1, bottom);
  const double longitude = BodyTable[body].geocentric.x;
  if (shellState.angleMode == 1) {
    DrawAngle(dc, DegreesMinutesSigns | AngleRight, longitude, 175, bottom);
  } else {
    DrawAngle(dc, DegreesMinutesSigns | AngleZodiac, longitude, 160, bottom);
  }
  DrawTextRight(dc, FormatText("%2d", HouseNumber(body)), 215, bottom);
}

void DrawTimeData(DrawContext& dc, const ChartData& c, int b) {
  DrawPatternLine(dc, 5, b + 23, 220, b + 23, shellDrawing.shellGrey, PatternDotted);
  dc.SelectFont(shellDrawing.font8);
  DrawTextLeft(dc, u"Tropical, geocentric", 10, -1, b + 37);
  DrawTextLeft(dc, u"Housesystem: " + std::u16string(HouseSystemName()), 10, -1, b + 51);

  dc.SelectFont(shellDrawing.font11);
  DrawSectionHeading(dc, 15, b + 71, 210, 0,
                     u"Julian day                       UT        Local ST", 1);
  DrawTextLeft(dc, FormatText("%8.6f", c.mjdUt + 2400000.5), 15, -1, b + 101);
  const HoursMinutes ut = TimeOfDay(c.mjdUt);
  DrawTextLeft(dc, FormatText("%2d:%02d ", ut.hours, ut.minutes), 130, -1, b + 101);
  const HoursMinutes lst = SecondsToHm(c.lst);
  DrawTextLeft(dc, FormatText("%2d:%02d ", lst.hours, lst.minutes), 175, -1, b + 101);

  DrawSectionHeading(dc, 15, b + 121, 210, 0,
                     u"Obliquity / ecliptic                         delta T", 1);
  DrawAngle(dc, AngleDegrees | AngleMinutes | AngleSeconds | AngleDegreeSign | AngleMinuteSign |
                    AngleSecondSign,
            c.obliquity, 15, b + 151);
  DrawTextRight(dc, FormatText("%3.2fs", c.deltaT), 205, b + 151);
}

}  // namespace

void RenderPlanets() {
  ViewRecord& record = viewRecords[PlanetsView];
  ResetScrollStops(record);
  DrawContext dc = BeginTextRender();

  dc.SelectFont(shellDrawing.font11);
  DrawSectionHeading(dc, 5, 7, 228, 0,
                     shellState.angleMode == 1
                         ? u"Object                         Modulus angle   House"
                         : u"Object                           Zodiac angle    House",
                     0);
  for (int k = 0; k < RowOrderCount; ++k) DrawBodyRow(dc, RowOrder[k], 36 + 19 * k);

  DrawTimeData(dc, CurrentChart(), 245);
  AppendScrollStop(record, 140);
}

}  // namespace orrery
