#include <gtest/gtest.h>

#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

double Deg(double degrees) { return degrees * DegToRad; }

class Aspects : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOrbsToDefaults();
    currentSlotIndex = 0;
    for (BodyPosition& body : BodyTable) body = BodyPosition{};
  }
  void TearDown() override { ResetOrbsToDefaults(); }
};

TEST_F(Aspects, OrbIsHalfTheMeanOfBothBodiesOrbsInclusive) {
  // Conjunction orbs: Sun 20, Moon 18 -> (20 + 18) / 4 = 9.5 degrees.
  EXPECT_EQ(AspectBetween(Sun, 0.0, Moon, Deg(9.5)), Conjunction);
  EXPECT_EQ(AspectBetween(Sun, 0.0, Moon, Deg(9.6)), NoAspect);
  EXPECT_EQ(AspectBetween(Sun, Deg(355.0), Moon, Deg(4.4)), Conjunction);  // across 0
  EXPECT_EQ(AspectBetween(Mars, Deg(123.0), Venus, Deg(123.0)), Conjunction);
  // Saturn and Uranus: Quintile orb (2 + 2) / 4 = 1 degree.
  EXPECT_EQ(AspectBetween(Saturn, Deg(10.0), Uranus, Deg(82.5)), Quintile);
  EXPECT_EQ(AspectBetween(Saturn, Deg(10.0), Uranus, Deg(83.01)), NoAspect);
  EXPECT_EQ(AspectBetween(Sun, Deg(10.0), Pluto, Deg(190.0)), Opposition);
  EXPECT_EQ(AspectBetween(Sun, Deg(10.0), Pluto, Deg(175.0)), Tao);
}

TEST_F(Aspects, LowerAspectIdWinsWhereOrbsOverlap) {
  // A Trine orb of 15 degrees (105..135) overlaps the Sesqui-Square orb of
  // Sun and Moon (3 degrees: 132..138).
  currentOrbs[Trine][Sun] = 30;
  currentOrbs[Trine][Moon] = 30;
  EXPECT_EQ(AspectBetween(Sun, 0.0, Moon, Deg(134.0)), Trine);  // also Sesqui-Square
  currentOrbs[Trine][Moon] = 0;
  EXPECT_EQ(AspectBetween(Sun, 0.0, Moon, Deg(134.0)), SesquiSquare);
}

// A body whose orb for a row is 0 takes no part in that row, whatever the
// other body's orb; the mean nodes have 0 in every row.
TEST_F(Aspects, ZeroOrbMeansNoAspectOfThatRow) {
  for (double separation : {0.0, 60.0, 90.0, 120.0, 180.0})
    EXPECT_EQ(AspectBetween(Sun, 0.0, MeanNorthNode, Deg(separation)), NoAspect) << separation;
  EXPECT_EQ(AspectBetween(MeanSouthNode, 0.0, MeanNorthNode, Deg(180.0)), NoAspect);
  currentOrbs[Square][Mars] = 0;
  EXPECT_EQ(AspectBetween(Mars, 0.0, Sun, Deg(90.0)), NoAspect);
  EXPECT_EQ(AspectBetween(Mars, 0.0, Sun, Deg(0.0)), Conjunction);
}

TEST_F(Aspects, MatrixIsSymmetricWithEmptyDiagonal) {
  const double longitudes[BodyCount] = {10, 19, 70, 130, 0, 190, 100, 82.5, 10, 250, 300,
                                        45, 225, 280, 190, 10, 190};
  for (int b = 0; b < BodyCount; ++b) BodyTable[b].geocentric.x = Deg(longitudes[b]);
  ChartData& chart = CurrentChart();
  chart.aspects[3][3] = 7;
  ComputeAspects();
  for (int i = 0; i < BodyCount; ++i) {
    EXPECT_EQ(chart.aspects[i][i], NoAspect);
    for (int j = 0; j < BodyCount; ++j) EXPECT_EQ(chart.aspects[i][j], chart.aspects[j][i]);
  }
  EXPECT_EQ(chart.aspects[Sun][Moon], Conjunction);     // 9 degrees
  EXPECT_EQ(chart.aspects[Sun][Mars], Opposition);      // 180
  EXPECT_EQ(chart.aspects[Sun][MeanNorthNode], NoAspect);
  EXPECT_EQ(chart.aspects[Mercury][Venus], Sextile);    // 60
  EXPECT_EQ(chart.aspects[Ascendant][Midheaven], Square);  // 90
}

TEST_F(Aspects, PresentOnlyAmongShownBodies) {
  BodyTable[Sun].geocentric.x = 0.0;
  BodyTable[Moon].geocentric.x = Deg(120.0);
  ComputeAspects();
  EXPECT_EQ(AspectPresent(Trine), 0);  // nothing shown
  BodyTable[Sun].shown = 1;
  BodyTable[Moon].shown = 1;
  EXPECT_EQ(AspectPresent(Trine), 1);
  EXPECT_EQ(AspectPresent(Square), 0);
  EXPECT_EQ(AspectPresent(NoAspect), 0);
  BodyTable[Moon].shown = 0;
  EXPECT_EQ(AspectPresent(Trine), 0);
}

}  // namespace
}  // namespace orrery
