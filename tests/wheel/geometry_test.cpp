// Wheel geometry: screen angles, points, glyph margins and the Midheaven
// mark's offsets.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_table.h"
#include "foundation/numbers.h"
#include "shell/wheel/glyph_margins.h"
#include "shell/wheel/wheel_geometry.h"

namespace orrery {
namespace {

TEST(WheelGeometry, TheAscendantLiesLeftAndLongitudesRunCounterClockwise) {
  const double asc = 123.0 * DegToRad;
  const platform::Point c{120, 150};
  EXPECT_EQ(PointAt(c, ScreenAngle(asc, asc), 100), (platform::Point{20, 150}));
  // 90 degrees further along the zodiac lies at the bottom of the screen.
  EXPECT_EQ(PointAt(c, ScreenAngle(asc + 90 * DegToRad, asc), 100), (platform::Point{120, 250}));
  EXPECT_EQ(PointAt(c, ScreenAngle(asc - 90 * DegToRad, asc), 100), (platform::Point{120, 50}));
  EXPECT_NEAR(ScreenAngle(10 * DegToRad, 350 * DegToRad), 160 * DegToRad, 1e-12);
}

TEST(WheelGeometry, PointsAreTruncatedTowardZero) {
  // 10.7 and -10.7 from a centre at 0 truncate to 10 and -10.
  EXPECT_EQ(PointAt({0, 0}, 0.0, 10.7), (platform::Point{10, 0}));
  EXPECT_EQ(PointAt({0, 0}, Pi, 10.7), (platform::Point{-10, 0}));
  EXPECT_EQ(PointAt({0, 0}, 1.5 * Pi, 10.7), (platform::Point{0, -10}));
}

TEST(GlyphMargins, InterpolateBetweenSectorsAndWrapAround) {
  // Moon's outer row: -8 -10 -11 ...; sector starts give the table values.
  EXPECT_DOUBLE_EQ(OuterGlyphMargin(Moon, 0.0), -8.0);
  EXPECT_DOUBLE_EQ(OuterGlyphMargin(Moon, 60 * DegToRad), -11.0);
  EXPECT_DOUBLE_EQ(OuterGlyphMargin(Moon, 45 * DegToRad), -10.5);
  // The last sector runs from its value -10 to sector 0's -8.
  EXPECT_NEAR(OuterGlyphMargin(Moon, 345 * DegToRad), -9.0, 1e-12);
  EXPECT_NEAR(OuterGlyphMargin(Moon, TwoPi), -8.0, 1e-12);
  EXPECT_NEAR(OuterGlyphMargin(Moon, TwoPi + 45 * DegToRad), -10.5, 1e-12);
  // Inner margins, Pluto's row: 6 9 10 9 9 9 5 ...
  EXPECT_NEAR(InnerGlyphMargin(Pluto, 170 * DegToRad), 9 - 4 * 20.0 / 30.0, 1e-12);
  // The mean nodes use the true nodes' rows; Ascendant and Midheaven have none.
  EXPECT_DOUBLE_EQ(OuterGlyphMargin(MeanNorthNode, 1.0), OuterGlyphMargin(NorthNode, 1.0));
  EXPECT_DOUBLE_EQ(InnerGlyphMargin(MeanSouthNode, 2.0), InnerGlyphMargin(SouthNode, 2.0));
  EXPECT_EQ(OuterGlyphMargin(Ascendant, 1.0), 0.0);
  EXPECT_EQ(InnerGlyphMargin(-3, 1.0), 0.0);
  EXPECT_EQ(OuterGlyphMargin(Sun, std::nan("")), -10.0);
}

TEST(MidheavenMark, OffsetsChangeAtTheTableBoundaries) {
  struct Case {
    double degrees;
    bool drawn;
    platform::Point offset;
  };
  const Case cases[] = {
      {15.0, false, {}},       {15.001, true, {-2, -8}}, {30.0, true, {-2, -8}},
      {30.001, true, {-11, 4}}, {35.0, true, {-11, 4}},   {35.001, true, {-13, 4}},
      {45.0, true, {-13, 4}},   {45.001, true, {-13, 6}}, {50.0, true, {-13, 6}},
      {50.001, true, {-14, 5}}, {60.0, true, {-14, 5}},   {60.001, true, {-15, 5}},
      {70.0, true, {-15, 5}},   {70.001, true, {-16, 4}}, {80.0, true, {-16, 4}},
      {80.001, true, {-17, 3}}, {90.0, true, {-17, 3}},   {90.001, true, {3, 3}},
      {95.0, true, {3, 3}},     {95.001, true, {2, 3}},   {110.0, true, {2, 3}},
      {110.001, true, {1, 5}},  {120.0, true, {1, 5}},    {120.001, true, {0, 4}},
      {140.0, true, {0, 4}},    {140.001, true, {-9, -7}}, {150.0, true, {-9, -7}},
      {150.001, true, {-11, -7}}, {155.0, true, {-11, -7}}, {155.001, false, {}},
      {0.0, false, {}},         {200.0, false, {}},       {360.0, false, {}},
  };
  for (const Case& c : cases) {
    const auto offset = MidheavenMarkOffset(c.degrees * DegToRad);
    ASSERT_EQ(offset.has_value(), c.drawn) << c.degrees;
    if (c.drawn) {
      EXPECT_EQ(*offset, c.offset) << c.degrees;
    }
  }
}

}  // namespace
}  // namespace orrery
