// The pair clearance table: record order, the reading of a record from
// either side, and the values checked against boxes placed on the screen.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/body_table.h"
#include "foundation/numbers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/wheel/pair_clearance.h"

namespace orrery {
namespace {

using glyphs::kBodyGlyphs;

constexpr double Margin = 3.0;  // pixels kept free between the boxes

// Box of `first`, with its corner at distance t in direction a (degrees,
// y down) from the corner of `second`'s box at the origin: do they share a
// pixel area?
bool BoxesOverlap(int first, int second, double t, double degrees) {
  const glyphs::GlyphRef& p = kBodyGlyphs[first].large;
  const glyphs::GlyphRef& q = kBodyGlyphs[second].large;
  const double x = t * std::cos(degrees * DegToRad);
  const double y = t * std::sin(degrees * DegToRad);
  return x < q.width && x + p.width > 0 && y < q.height && y + p.height > 0;
}

TEST(PairClearance, RecordsRunFromSunAndMoonToTheNodes) {
  EXPECT_EQ(pairClearances[0].first, Sun);
  EXPECT_EQ(pairClearances[0].second, Moon);
  EXPECT_EQ(pairClearances[3].second, Mars);  // the Earth has no record
  EXPECT_EQ(pairClearances[11].first, Moon);
  EXPECT_EQ(pairClearances[PairClearanceCount - 1].first, NorthNode);
  EXPECT_EQ(pairClearances[PairClearanceCount - 1].second, SouthNode);
}

TEST(PairClearance, SunAndMoonBeginWithTheFixedValues) {
  const int lead[] = {140, 140, 140, 140, 140, 140, 151};
  for (int d = 0; d < 7; ++d) EXPECT_EQ(pairClearances[0].tenths[d], lead[d]) << d;
  // The fixed values keep the boxes apart too.
  for (int d = 0; d < 7; ++d) {
    for (double f = 0.0; f < 1.0; f += 0.125) {
      EXPECT_FALSE(BoxesOverlap(Sun, Moon, lead[d] * 0.1, d + f)) << d + f;
    }
  }
}

TEST(PairClearance, EveryValueKeepsTheBoxesApartWithTheMarginAndNoMore) {
  for (const PairClearanceRecord& r : pairClearances) {
    for (int d = 0; d < 360; ++d) {
      if (r.first == Sun && r.second == Moon && d < 7) continue;  // fixed values
      // Values are capped at 25.5 pixels, where the margin may shrink.
      const bool capped = r.tenths[d] == 255;
      const double need = r.tenths[d] * 0.1;
      const double apart = capped ? need : need - Margin + 0.01;
      bool tightSomewhere = false;
      for (int k = 0; k <= 16; ++k) {
        const double a = d + k / 16.0 * 0.999;
        EXPECT_FALSE(BoxesOverlap(r.first, r.second, apart, a))
            << int(r.first) << "," << int(r.second) << " at " << a;
        tightSomewhere |= BoxesOverlap(r.first, r.second, need - Margin - 0.15, a);
      }
      if (!capped) {
        EXPECT_TRUE(tightSomewhere) << int(r.first) << "," << int(r.second) << " at " << d;
      }
    }
  }
}

TEST(PairClearance, ReadsEitherSideOfAPair) {
  // The Sun directly right of Pluto needs Pluto's 9 pixels; directly left,
  // its own 15; below, Pluto's 15 rows.
  EXPECT_NEAR(PairClearance(Sun, Pluto, 0.5 * DegToRad), 9 + Margin, 0.15);
  EXPECT_NEAR(PairClearance(Sun, Pluto, 180.5 * DegToRad), 15 + Margin, 0.15);
  EXPECT_NEAR(PairClearance(Sun, Pluto, 90.5 * DegToRad), 15 + Margin, 0.15);
  // The same pair read from Pluto's side looks the other way.
  for (int p = 0; p < BodyCount; ++p) {
    for (int q = 0; q < BodyCount; ++q) {
      for (double deg = 0.5; deg < 360.0; deg += 7.0) {
        EXPECT_EQ(PairClearance(p, q, deg * DegToRad), PairClearance(q, p, (deg + 180.0) * DegToRad))
            << p << "," << q << " at " << deg;
      }
    }
  }
}

TEST(PairClearance, MeanNodesUseTheTrueNodesAndOthersHaveNone) {
  for (double deg = 0.5; deg < 360.0; deg += 10.0) {
    const double a = deg * DegToRad;
    EXPECT_EQ(PairClearance(MeanNorthNode, Mars, a), PairClearance(NorthNode, Mars, a));
    EXPECT_EQ(PairClearance(Sun, MeanSouthNode, a), PairClearance(Sun, SouthNode, a));
    EXPECT_GT(PairClearance(NorthNode, SouthNode, a), 0.0);
    EXPECT_EQ(PairClearance(Earth, Sun, a), 0.0);
    EXPECT_EQ(PairClearance(Moon, Ascendant, a), 0.0);
    EXPECT_EQ(PairClearance(Midheaven, Moon, a), 0.0);
  }
  EXPECT_EQ(PairClearance(-1, Sun, 0.0), 0.0);
  EXPECT_EQ(PairClearance(Sun, BodyCount, 0.0), 0.0);
  // A full turn reads degree 0; not a number reads nothing.
  EXPECT_DOUBLE_EQ(PairClearance(Sun, Moon, TwoPi), 14.0);
  EXPECT_EQ(PairClearance(Sun, Moon, std::nan("")), 0.0);
}

}  // namespace
}  // namespace orrery
