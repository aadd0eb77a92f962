// The Info view: the chart's name, birth data, place, time corrections,
// position correction and traditional factors.
#include <string>

#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "chart/live_settings.h"
#include "chart/position_correction.h"
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

constexpr int HeadingX = 30;
constexpr int HeadingWidth = 190;
constexpr const char16_t* LatLonHeading = u" Latitude                      Longitude";

int SexIcon(int sex) {
  if (sex == 1) return glyphs::kSexMale.id;
  if (sex == 2) return glyphs::kSexFemale.id;
  return glyphs::kSexNeutral.id;
}

void DrawBirthData(DrawContext& dc, const ChartRecord& r) {
  std::u16string heading = r.calendar == 1 ? u"Date   (Julian)" : u"Date              ";
  heading += u"          Time          Sex";
  DrawSectionHeading(dc, HeadingX, 42, HeadingWidth, glyphs::kHeadingBirthData.id, heading, 2);
  DrawTextLeft(dc, FormatText("%4d.%02d.%02d ", r.year, r.month, r.day), 30, -1, 72);
  DrawTextLeft(dc, FormatText("%2d:%02d ", r.hour, r.minute), 123, -1, 72);
  DrawIcon(dc, SexIcon(r.sex), 183, 57);
}

// The place names; returns the bottom of the last one.
int DrawPlace(DrawContext& dc, const ChartRecord& r) {
  const int room = dc.Target().Width() - 60;
  const auto name = [&](std::u16string text, int bottom) {
    FitTextWithEllipsis(dc, text, room);
    DrawTextLeft(dc, text, 30, -1, bottom);
  };
  const std::u16string state = FieldText(r.state);
  if (!HasState(state)) {
    DrawSectionHeading(dc, HeadingX, 92, HeadingWidth, glyphs::kHeadingPlace.id, u"Country / City", 2);
    name(FieldText(r.country), 122);
    name(FieldText(r.city), 140);
    return 140;
  }
  DrawSectionHeading(dc, HeadingX, 92, HeadingWidth, glyphs::kHeadingPlace.id, u"Country / State / City", 2);
  name(FieldText(r.country), 122);
  name(state, 139);
  name(FieldText(r.city), 156);
  return 156;
}

void DrawCoordinates(DrawContext& dc, int headingY, int latDegrees, int latMinutes, bool north,
                     int lonDegrees, int lonMinutes, bool east) {
  DrawSectionHeading(dc, HeadingX, headingY, HeadingWidth, 0, LatLonHeading, 1);
  DrawTextLeft(dc, LatitudeText(latDegrees, latMinutes, north), 34, -1, headingY + 30);
  DrawTextLeft(dc, LongitudeText(lonDegrees, lonMinutes, east), 129, -1, headingY + 30);
}

void DrawTimeCorrections(DrawContext& dc, const ChartRecord& r, const ChartData& c, int base) {
  DrawSectionHeading(dc, HeadingX, base + 60, HeadingWidth, 0,
                     u" Timezone           DSC              UT", 1);
  const int bottom = base + 90;
  DrawTextLeft(dc, r.localTime ? std::u16string(u"Local Time")
                               : SignedHoursText(r.zoneHours, r.zoneMinutes, r.zonePlus != 0),
               35, -1, bottom);
  DrawTextLeft(dc, SignedHoursText(r.dstHours, r.dstMinutes, r.dstPlus != 0), 110, -1, bottom);
  const HoursMinutes ut = TimeOfDay(c.mjdUt);
  DrawTextLeft(dc, FormatText("%2d:%02d ", ut.hours, ut.minutes), 170, -1, bottom);
}

// Returns the bottom of its last line.
int DrawPositionCorrection(DrawContext& dc, const ChartRecord& r, const ChartData& c, int base) {
  AppendScrollStop(viewRecords[InfoView], base + 95);
  DrawSectionHeading(dc, HeadingX, base + 105, HeadingWidth, glyphs::kHeadingPositionCorrection.id,
                     u"Position correction", 2);
  DrawTextLeft(dc, CorrectionText(r), 30, -1, base + 135);
  DrawTextLeft(dc, CorrectionDistanceText(r), 30, -1, base + 150);
  DrawCoordinates(dc, base + 160, c.corrLatDegrees, c.corrLatMinutes, c.corrNorth != 0,
                  c.corrLonDegrees, c.corrLonMinutes, c.corrEast != 0);
  return base + 190;
}

struct FactorRow {
  int icon;
  int iconX;
  const char16_t* label;
  int labelX;
  int bottomOffset;
  int countRight;
};

void DrawFactorRow(DrawContext& dc, const FactorRow& row, int base, int count) {
  const int bottom = base + row.bottomOffset;
  DrawIcon(dc, row.icon, row.iconX, bottom - 14);
  DrawTextLeft(dc, row.label, row.labelX, -1, bottom);
  DrawTextRight(dc, FormatText("%2d", count), row.countRight, bottom);
}

// Elements, polarity, modalities and quadrants; returns the quadrants' base q.
int DrawTallies(DrawContext& dc, const FactorTallies& f, int y) {
  DrawSectionHeading(dc, HeadingX, y + 37, HeadingWidth, 0, u" Elements", 1);
  // Rows of elementModality: Fire, Air, Water, Earth; column 3 is the row total.
  const FactorRow elements[ElementCount] = {
      {glyphs::kElementFire.id, 40, u" Fire", 55, 67, 115},
      {glyphs::kElementAir.id, 125, u" Air", 140, 83, 205},
      {glyphs::kElementWater.id, 125, u" Water", 140, 67, 205},
      {glyphs::kElementEarth.id, 40, u" Earth", 55, 83, 115},
  };
  for (int e = 0; e < ElementCount; ++e) {
    DrawFactorRow(dc, elements[e], y, f.elementModality[e][ModalityCount]);
  }

  const int z = y + 83;
  DrawSectionHeading(dc, HeadingX, z + 18, HeadingWidth, 0,
                     u" Polarity                    Modalities", 1);
  const auto tally = [&](const char16_t* label, int x, int bottom, int right, int count) {
    DrawTextLeft(dc, label, x, -1, bottom);
    DrawTextRight(dc, FormatText("%2d", count), right, bottom);
  };
  tally(u"Positive", 40, z + 48, 120, f.positiveTotal);
  tally(u"Negative", 40, z + 64, 120, f.negativeTotal);
  const char16_t* modalities[ModalityCount] = {u"   Cardinal", u"   Fixed", u"   Mutable"};
  for (int m = 0; m < ModalityCount; ++m) {
    tally(modalities[m], 120, z + 48 + 16 * m, 205, f.elementModality[ElementCount][m]);
  }

  DrawSectionHeading(dc, HeadingX, z + 98, HeadingWidth, 0, u" Quadtrants", 1);
  const int q = z + 128;
  const FactorRow quadrants[4] = {
      {glyphs::kQuadrant1.id, 45, u"  1:", 60, 0, 105},
      {glyphs::kQuadrant2.id, 45, u"  2:", 60, 18, 105},
      {glyphs::kQuadrant3.id, 138, u"  3:", 153, 0, 198},
      {glyphs::kQuadrant4.id, 138, u"  4:", 153, 18, 198},
  };
  for (int k = 0; k < 4; ++k) DrawFactorRow(dc, quadrants[k], q, f.quadrant[k]);
  return q;
}

void DrawDignities(DrawContext& dc, const FactorTallies& f, int q) {
  AppendScrollStop(viewRecords[InfoView], q + 8);
  DrawSectionHeading(dc, HeadingX, q + 36, HeadingWidth, 0, RulershipHeading(rulershipIndex), 1);
  constexpr int FirstDignityLabel = 52;
  for (int n = 1; n <= 5; ++n) {
    const int bottom = q + 50 + 16 * n;
    const std::uint8_t bit = std::uint8_t(1u << (n - 1));
    DrawTextLeft(dc, LocalizedString(FirstDignityLabel + n - 1), 40, -1, bottom);
    int bodies[RowOrderCount];
    int count = 0;
    for (int body : RowOrder) {
      if (f.dignity[body] & bit) bodies[count++] = body;
    }
    DrawGlyphRow(dc, bodies, count, 128, bottom);
  }
}

}  // namespace

void RenderInfo() {
  ResetScrollStops(viewRecords[InfoView]);
  DrawContext dc = BeginTextRender();
  const ChartSlot& slot = CurrentSlot();
  const ChartRecord& r = slot.record;
  const ChartData& c = slot.data;
  const int width = shellDrawing.textBuffer.Width();

  dc.SelectFont(shellDrawing.font14);
  std::u16string name = FieldText(r.name);
  FitTextWithEllipsis(dc, name, width - 14);
  DrawTextLeft(dc, name, 7, width - 7, 27);

  dc.SelectFont(shellDrawing.font11);
  DrawBirthData(dc, r);
  const int base = DrawPlace(dc, r);
  DrawCoordinates(dc, base + 15, r.latDegrees, r.latMinutes, r.north != 0, r.lonDegrees,
                  r.lonMinutes, r.east != 0);
  DrawTimeCorrections(dc, r, c, base);
  const int y = r.corrDistance != 0 ? DrawPositionCorrection(dc, r, c, base) : base + 90;

  AppendScrollStop(viewRecords[InfoView], y + 5);
  DrawSectionHeading(dc, HeadingX, y + 15, HeadingWidth, glyphs::kHeadingFactors.id,
                     u"Traditional Factors", 2);
  const int q = DrawTallies(dc, c.factors, y);
  DrawDignities(dc, c.factors, q);
}

}  // namespace orrery
