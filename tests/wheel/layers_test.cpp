// The wheel's layers: what each draws, and that only flagged layers are
// drawn again.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_table.h"
#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/resources.h"
#include "shell/shell_drawing.h"
#include "shell/shell_ids.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/wheel/wheel_geometry.h"
#include "shell/wheel/wheel_hit_test.h"
#include "shell/wheel/wheel_layers.h"
#include "tests/wheel/wheel_screen.h"
#include "tests/wheel/wheel_test_support.h"

namespace orrery {
namespace {

using platform::Colour;
using platform::Point;
using platform::Rgb;

constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Blue = Rgb(0, 0, 255);

Colour WheelPixel(Point p) { return shellDrawing.wheelBuffer.Pixel(p.x, p.y); }

// Screen angle of a glyph's centre (its corner plus the half sizes) round
// the wheel centre.
double GlyphAngle(int body) {
  const platform::Rect box = GlyphWindowBox(body);
  const Point c = shellDrawing.wheelCentre;
  return PointAngle(c.x, c.y, box.left + glyphs::kBodyGlyphs[body].halfWidth,
                    box.top + glyphs::kBodyGlyphs[body].halfHeight);
}

bool CentreIsBlank() {
  const Point c = shellDrawing.wheelCentre;
  for (int y = -38; y <= 38; ++y) {
    for (int x = -38; x <= 38; ++x) {
      if (x * x + y * y <= 38 * 38 && WheelPixel({c.x + x, c.y + y}) != platform::kWhite) return false;
    }
  }
  return true;
}

TEST(WheelLayers, AspectButtonsRedrawOnlyTheAspectLayer) {
  wheel_test::WheelScreen screen(0);
  EXPECT_TRUE(CentreIsBlank());
  // Marks that only a redraw of the wheel or bodies layer would overwrite.
  BodyTable[Ascendant].glyphX = 5;
  BodyTable[Earth].glyphX = 77;
  screen.TapAspectButton(Square);
  EXPECT_TRUE(aspectButtonChecked[Square]);
  EXPECT_FALSE(CentreIsBlank());
  EXPECT_EQ(BodyTable[Ascendant].glyphX, 5);
  EXPECT_EQ(BodyTable[Earth].glyphX, 77);
  for (bool flag : viewRecords[NatalChartView].layerFlags) EXPECT_FALSE(flag);
  // Unchecked again: the empty circle comes back from the cached bodies.
  screen.TapAspectButton(Square);
  EXPECT_TRUE(CentreIsBlank());
  // A house system change draws every layer.
  screen.Command(40030);
  EXPECT_EQ(BodyTable[Ascendant].glyphX, shellDrawing.wheelCentre.x - 122);
  EXPECT_EQ(BodyTable[Earth].glyphX, 0);
}

TEST(WheelLayers, AConjunctionMeetsAtRadius20AndATrineHasSolidStubs) {
  wheel_test::WheelScreen screen(0);
  screen.TapAspectButton(Conjunction);
  screen.TapAspectButton(Trine);
  const Point c = shellDrawing.wheelCentre;
  ASSERT_EQ(CurrentChart().aspects[Moon][Sun], Conjunction);
  const double sun = GlyphAngle(Sun);
  const double moon = GlyphAngle(Moon);
  EXPECT_EQ(WheelPixel(PointAt(c, Midpoint(sun, moon), ConjunctionApexRadius)), Red);
  EXPECT_EQ(WheelPixel(PointAt(c, sun, AspectEndRadius)), Red);
  EXPECT_EQ(WheelPixel(PointAt(c, moon, AspectEndRadius)), Red);
  int trines = 0;
  for (int p = 1; p < BodyCount; ++p) {
    for (int q = 0; q < p; ++q) {
      if (CurrentChart().aspects[p][q] != Trine || !BodyTable[p].shown || !BodyTable[q].shown) continue;
      if (!BodyTable[p].drawnInWheel || !BodyTable[q].drawnInWheel) continue;
      for (int body : {p, q}) {
        EXPECT_EQ(WheelPixel(PointAt(c, GlyphAngle(body), AspectEndRadius)), Blue) << body;
        EXPECT_EQ(WheelPixel(PointAt(c, GlyphAngle(body), AspectBendRadius)), Blue) << body;
      }
      ++trines;
    }
  }
  EXPECT_GT(trines, 0);
}

class WheelLayerDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterShellResources();
    CreateDrawingObjects();
    CreateWheelBuffers({240, 294});
    InitialiseBodyDisplayFlags();
  }
  void TearDown() override { ReleaseDrawingResources(); }
};

TEST_F(WheelLayerDrawing, SignsTakeTheirElementColours) {
  wheel_test::SetChart(37.0, {{Sun, 100}});
  CurrentChart().midheaven = (37.0 - 90.0) * DegToRad;
  DrawWheelLayer();
  const Colour fire = Rgb(255, 111, 111), earth = Rgb(111, 255, 111), air = Rgb(255, 255, 128),
               water = Rgb(111, 111, 255);
  const Colour elements[4] = {fire, earth, air, water};
  for (int sign = 1; sign <= 12; ++sign) {
    // Beside the glyph, inside the ring.
    const double a = ScreenAngle((30 * (sign - 1) + 5) * DegToRad, CurrentChart().ascendant);
    EXPECT_EQ(WheelPixel(PointAt(shellDrawing.wheelCentre, a, 105)), elements[(sign - 1) % 4]) << sign;
  }
}

TEST_F(WheelLayerDrawing, TheMidheavenMarkOnlyWhereTheTableHasAPlace) {
  const Point c = shellDrawing.wheelCentre;
  // Ascendant minus Midheaven 90 degrees: the mark 17 left of and 3 below
  // the top end of the meridian.
  wheel_test::SetChart(100.0, {{Sun, 10}});
  BodyTable[Ascendant].drawnInWheel = 1;
  CurrentChart().midheaven = 10.0 * DegToRad;
  DrawWheelLayer();
  ASSERT_EQ(BodyTable[Midheaven].drawnInWheel, 1u);
  EXPECT_EQ(BodyTable[Midheaven].glyphX, c.x - 17);
  EXPECT_EQ(BodyTable[Midheaven].glyphY, c.y - 123 + 3);
  EXPECT_EQ(WheelHitTest(c.x - 17 + 7, c.y - 120 + 3), Midheaven);
  EXPECT_EQ(BodyTable[Ascendant].glyphX, c.x - 122);
  EXPECT_EQ(BodyTable[Ascendant].glyphY, c.y - 14);
  EXPECT_EQ(WheelHitTest(c.x - 122 + 3, c.y - 14 + 6), Ascendant);
  // 160 degrees: the meridian alone, and nothing to tap where the mark was.
  CurrentChart().midheaven = (100.0 - 160.0) * DegToRad;
  DrawWheelLayer();
  EXPECT_EQ(BodyTable[Midheaven].drawnInWheel, 0u);
  EXPECT_EQ(WheelHitTest(c.x - 17 + 7, c.y - 120 + 3), -1);
  const platform::Surface withoutMark = shellDrawing.wheelBuffer;
  CurrentChart().midheaven = (100.0 - 155.0) * DegToRad;
  DrawWheelLayer();
  EXPECT_EQ(BodyTable[Midheaven].drawnInWheel, 1u);
  EXPECT_FALSE(shellDrawing.wheelBuffer == withoutMark);
}

TEST_F(WheelLayerDrawing, TheChartKindMarkTellsNatalFromPresent) {
  wheel_test::SetChart(0.0, {{Sun, 10}});
  const platform::Surface& buffer = shellDrawing.wheelBuffer;
  for (std::uint32_t present : {0u, 1u}) {
    CurrentSlot().presentMoment = present;
    DrawWheelLayer();
    const platform::Image* mark = platform::FindIcon(present ? glyphs::kPresentChartMark.id
                                                             : glyphs::kNatalChartMark.id);
    ASSERT_NE(mark, nullptr);
    for (int y = 0; y < mark->Height(); ++y) {
      for (int x = 0; x < mark->Width(); ++x) {
        const Colour expected = platform::Blend(platform::kWhite, mark->Pixel(x, y), mark->Alpha(x, y));
        EXPECT_EQ(buffer.Pixel(buffer.Width() - 20 + x, 246 + y), expected) << present;
      }
    }
  }
  CurrentSlot().presentMoment = 0;
}

}  // namespace
}  // namespace orrery
