// The glyph layout: first places, isolated bodies, and no overlaps in real
// and crowded charts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/body_table.h"
#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "shell/wheel/body_layout.h"
#include "shell/wheel/wheel_geometry.h"
#include "tests/wheel/wheel_test_support.h"

namespace orrery {
namespace {

using wheel_test::Placement;
using wheel_test::SetChart;
using wheel_test::StoredGlyphBox;

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return !a.Intersect(b).Empty();
}

// Every pair of drawn glyphs apart and, when asked, every glyph inside the
// inner bitmap (beyond it, it would be cut off).
void ExpectReadableLayout(const std::string& what, bool insideBitmap) {
  const platform::Rect bitmap{0, 0, WheelInnerSide, WheelInnerSide};
  for (int p = 0; p < BodyCount; ++p) {
    if (!BodyTable[p].drawnInWheel || p == Ascendant || p == Midheaven) continue;
    const platform::Rect box = StoredGlyphBox(p);
    if (insideBitmap) {
      EXPECT_EQ(box.Intersect(bitmap), box) << what << ": body " << p << " leaves the bitmap";
    }
    for (int q = p + 1; q < BodyCount; ++q) {
      if (!BodyTable[q].drawnInWheel || q == Ascendant || q == Midheaven) continue;
      EXPECT_FALSE(Overlap(box, StoredGlyphBox(q)))
          << what << ": bodies " << p << " and " << q << " overlap";
    }
  }
}

// A glyph's centre direction in screen degrees.
double GlyphDegrees(int body) {
  const platform::Rect box = StoredGlyphBox(body);
  return PointAngle(WheelInnerCentre, WheelInnerCentre, box.left + box.Width() / 2.0,
                    box.top + box.Height() / 2.0) *
         RadToDeg;
}

TEST(BodyLayout, DisplayFlagsFollowTheDrawnBodies) {
  wheel_test::ResetDisplayFlags();
  BodyTable[Sun].drawnInWheel = 0;
  BodyTable[Earth].drawnInWheel = 1;
  BodyTable[MeanNorthNode].drawnInWheel = 1;
  BodyTable[Pluto].drawnInWheel = 0;
  BodyTable[Pluto].shown = 1;
  LayoutBodyGlyphs();
  EXPECT_EQ(BodyTable[Sun].drawnInWheel, 1u);
  EXPECT_EQ(BodyTable[Earth].drawnInWheel, 0u);
  EXPECT_EQ(BodyTable[MeanNorthNode].drawnInWheel, 0u);
  EXPECT_EQ(BodyTable[Pluto].shown, 0u);
  EXPECT_EQ(BodyTable[Moon].shown, 1u);
  EXPECT_EQ(BodyTable[Ascendant].drawnInWheel, 1u);
  EXPECT_EQ(BodyTable[Ascendant].shown, 0u);
  EXPECT_EQ(BodyTable[Midheaven].placedByLayout, 0u);
  // Bodies not drawn sit at the corner.
  EXPECT_EQ(BodyTable[Pluto].glyphX, 0);
  EXPECT_EQ(BodyTable[Pluto].glyphY, 0);
}

TEST(BodyLayout, IsolatedBodiesKeepTheirFirstPlaceExactly) {
  // Ascendant 0: screen angle = 180 - longitude. Every body lies more than
  // 25 degrees from its neighbours. Mars at longitude 90 lies at screen
  // angle 90 (straight down), the start of its margins' sector 3 (outer
  // -10, inner 10): radius 65, corner (84 - 7, 84 - 8 + 65).
  SetChart(0.0, {{Sun, 200}, {Moon, 230}, {Mars, 90}, {Venus, 40}, {Jupiter, 300}});
  LayoutBodyGlyphs();
  EXPECT_EQ(BodyTable[Mars].glyphX, 77);
  EXPECT_EQ(BodyTable[Mars].glyphY, 141);
  EXPECT_EQ(BodyTable[Mars].placedByLayout, 0u);
  // Venus at screen angle 140, 20 degrees into sector 4: outer
  // -10 + (-8 + 10) * 20 / 30, radius 75 plus that.
  const double a = 140.0 * DegToRad;
  const double r = 75.0 - 10.0 + 2.0 * 20.0 / 30.0;
  EXPECT_EQ(BodyTable[Venus].glyphX, static_cast<int>(84 - 4 + r * std::cos(a)));
  EXPECT_EQ(BodyTable[Venus].glyphY, static_cast<int>(84 - 7 + r * std::sin(a)));
  // The Sun sits 6 pixels further out than the others.
  const double sunA = 340.0 * DegToRad;
  EXPECT_EQ(BodyTable[Sun].glyphX, static_cast<int>(84 - 7 + 71.0 * std::cos(sunA)));
  EXPECT_EQ(BodyTable[Sun].glyphY, static_cast<int>(84 - 7 + 71.0 * std::sin(sunA)));
}

TEST(BodyLayout, ANeighbourWithin25DegreesTakesPartInTheRelaxation) {
  SetChart(0.0, {{Sun, 200}, {Moon, 224}, {Mars, 90}});
  LayoutBodyGlyphs();
  EXPECT_EQ(BodyTable[Moon].placedByLayout, 1u);
  EXPECT_EQ(BodyTable[Sun].placedByLayout, 1u);
  EXPECT_EQ(BodyTable[Mars].placedByLayout, 0u);
  // Apart from the others, the Sun keeps its place like any other body.
  SetChart(0.0, {{Sun, 200}, {Moon, 226}, {Mars, 90}});
  LayoutBodyGlyphs();
  EXPECT_EQ(BodyTable[Sun].placedByLayout, 0u);
  // So does a body drawn alone: the Sun at screen angle 0, radius 71.
  SetChart(0.0, {{Sun, 180}});
  LayoutBodyGlyphs();
  EXPECT_EQ(BodyTable[Sun].placedByLayout, 0u);
  EXPECT_EQ(BodyTable[Sun].glyphX, 84 - 7 + 71);
  EXPECT_EQ(BodyTable[Sun].glyphY, 84 - 7);
}

TEST(BodyLayout, SampleChartsLeaveNoGlyphOverlapping) {
  for (int n = 0; n < 5; ++n) {
    wheel_test::ComputeSample(n);
    wheel_test::ResetDisplayFlags();
    LayoutBodyGlyphs();
    ExpectReadableLayout("sample " + std::to_string(n), true);
    // With the Moon's nodes ticked as well.
    wheel_test::ResetDisplayFlags();
    BodyTable[NorthNode].drawnInWheel = 1;
    BodyTable[SouthNode].drawnInWheel = 1;
    LayoutBodyGlyphs();
    ExpectReadableLayout("sample " + std::to_string(n) + " with nodes", true);
  }
}

// No glyph of a crowd strays more than 30 degrees from its longitude.
void ExpectNearTheirLongitudes(const std::string& what, std::initializer_list<int> bodies) {
  const double ascendant = CurrentChart().ascendant;
  for (int body : bodies) {
    const double ideal = ScreenAngle(BodyTable[body].geocentric.x, ascendant);
    EXPECT_LT(Separation(GlyphDegrees(body) * DegToRad, ideal) * RadToDeg, 30.0)
        << what << ": body " << body;
  }
}

TEST(BodyLayout, SixBodiesWithinTenDegreesSpreadWithoutOverlap) {
  // All round the wheel, so that every sector's margins and the wrap at
  // screen angle 0 are met; two of them on the same longitude.
  for (int asc = 0; asc < 360; asc += 15) {
    const double s = 100.0;
    SetChart(asc, {{Moon, s}, {Mercury, s + 2}, {Venus, s + 4}, {Mars, s + 6}, {Jupiter, s + 10},
                   {Saturn, s + 10}, {Sun, s + 150}, {Pluto, s + 200}});
    LayoutBodyGlyphs();
    const std::string what = "stellium at ascendant " + std::to_string(asc);
    ExpectReadableLayout(what, false);
    ExpectNearTheirLongitudes(what, {Moon, Mercury, Venus, Mars, Jupiter, Saturn});
  }
}

TEST(BodyLayout, TheSunMakesRoomInAConjunction) {
  // The Sun starts further out than the others; with Mercury, Venus and
  // Mars within 10 degrees of it all four must part.
  for (int asc = 0; asc < 360; asc += 15) {
    SetChart(asc, {{Sun, 200}, {Mercury, 203}, {Venus, 206}, {Mars, 210}, {Moon, 20}});
    LayoutBodyGlyphs();
    const std::string what = "conjunction at ascendant " + std::to_string(asc);
    ExpectReadableLayout(what, true);
    ExpectNearTheirLongitudes(what, {Sun, Mercury, Venus, Mars});
  }
}

TEST(BodyLayout, BodiesOnTheSameLongitudePart) {
  SetChart(30.0, {{Sun, 10}, {Moon, 10}, {Mercury, 10}, {NorthNode, 10}, {SouthNode, 190},
                  {Mars, 190}, {Jupiter, 190}});
  LayoutBodyGlyphs();
  ExpectReadableLayout("equal longitudes", true);
}

}  // namespace
}  // namespace orrery
