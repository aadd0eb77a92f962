// The lunar series and the lunar nodes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/body_table.h"
#include "astro/earth_orientation.h"
#include "astro/lunar_tables.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

struct PublishedTable {
  const LunarSeriesTable* table;
  int rows;
  int type;
  std::int16_t firstRow[8];
};

TEST(LunarTables, HaveThePublishedRowsAndStayWithinTheFilledMultiples) {
  const PublishedTable tables[] = {
      {&LRT2Table, 25, 2, {0, 1, 0, 0, 487, -36}},
      {&BT2Table, 12, 4, {2, -1, 0, -1, -22}},
      {&BTTable, 16, 4, {2, -1, 0, -1, -7430}},
      {&LRTTable, 38, 1, {0, 1, 0, 0, 16, 7680, -1, -2302}},
      {&LRTable, 118, 1, {0, 0, 1, 0, 22639, 5858, -20905, -3550}},
      {&MBTable, 77, 3, {0, 0, 0, 1, 18461, 2387}},
  };
  int highest[4] = {0, 0, 0, 0};
  for (const PublishedTable& t : tables) {
    EXPECT_EQ(t.table->rowCount, t.rows);
    EXPECT_EQ(t.table->type, t.type);
    for (int i = 0; i < t.table->rowLength; ++i) EXPECT_EQ(t.table->rows[i], t.firstRow[i]);
    for (int r = 0; r < t.table->rowCount; ++r) {
      for (int k = 0; k < 4; ++k) {
        int m = std::abs(t.table->rows[r * t.table->rowLength + k]);
        if (m > highest[k]) highest[k] = m;
      }
    }
  }
  // Table LR has a row with 5 l: l needs five filled multiples.
  EXPECT_EQ(highest[2], 5);
  for (int k = 0; k < 4; ++k) EXPECT_LE(highest[k], LunarMultiples[k]) << k;
  const int explicitTerms = LunarExplicitTermsPerBlock[0] + LunarExplicitTermsPerBlock[1] +
                            LunarExplicitTermsPerBlock[2];
  EXPECT_EQ(explicitTerms, 95);
  for (int k = 0; k < explicitTerms; ++k) {
    int elements = 0;
    for (int i = 0; i < 10; ++i) {
      EXPECT_LE(std::abs(LunarExplicitTerms[k].multipliers[i]), LunarElementMultiples[i]);
      elements += LunarExplicitTerms[k].multipliers[i] != 0;
    }
    EXPECT_LE(elements, 5) << k;  // the evaluator combines at most five
  }
  for (int i = 0; i < 10; ++i) EXPECT_LE(LunarElementMultiples[i], LunarElementHighestMultiple);
  EXPECT_EQ(LunarExplicitTerms[0].cosAmplitude, 6.367278);
  EXPECT_EQ(LunarExplicitTerms[0].sinAmplitude, 12.747036);
}

TEST(MoonPosition, DoesNotDependOnWhatTheSharedTableHeldBefore) {
  const Vec3 clean = MoonPosition(51544.5);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto& row : MultipleAngles.entries) {
    for (SinCos& entry : row) entry = {nan, nan};
    row[MultipleAngleTable::Multiples] = {0.0, 1.0};
  }
  const Vec3 after = MoonPosition(51544.5);
  EXPECT_EQ(after.x, clean.x);
  EXPECT_EQ(after.y, clean.y);
  EXPECT_EQ(after.z, clean.z);
}

TEST(MoonPosition, StaysWithinTheMoonsRangeOfLatitudeAndDistance) {
  // The distance comes from 385000.52899 km plus the periodic terms.
  const Vec3 j2000 = MoonPosition(51544.5);
  EXPECT_NEAR(j2000.z * 149597870.66, 402450.0, 500.0);
  for (Mjd tt = -21000.0; tt < 88000.0; tt += 97.3) {
    Vec3 m = MoonPosition(tt);
    EXPECT_GE(m.x, 0.0);
    EXPECT_LT(m.x, TwoPi);
    EXPECT_LT(std::fabs(m.y), 5.35 * DegToRad);
    EXPECT_GT(m.z * 149597870.66, 356000.0);
    EXPECT_LT(m.z * 149597870.66, 407000.0);
  }
}

TEST(LunarNodes, MeanNodeRegressesAndTheSouthNodeIsOpposite) {
  double perCentury = (MeanNodeLongitude(J2000 + 36525.0) - MeanNodeLongitude(J2000)) * RadToDeg;
  EXPECT_NEAR(perCentury, -1934.136, 0.01);
  EXPECT_NEAR(MeanNodeLongitude(J2000) * RadToDeg, 125.04452, 1e-12);
  for (Mjd tt = -20000.0; tt < 90000.0; tt += 1111.1) {
    MeanNode(tt);
    NodeWithNutation(tt);
    EXPECT_EQ(BodyTable[NorthNode].geocentric.x,
              Normalize2Pi(NodeWithNutationLongitude(tt, Nutation(tt).longitude)));
    for (auto [north, south] : {std::pair{NorthNode, SouthNode}, {MeanNorthNode, MeanSouthNode}}) {
      const Vec3& n = BodyTable[north].geocentric;
      const Vec3& s = BodyTable[south].geocentric;
      EXPECT_NEAR(Separation(n.x, s.x), Pi, 1e-12);
      EXPECT_GE(s.x, 0.0);
      EXPECT_LE(s.x, TwoPi);
      EXPECT_EQ(n.y, 0.0);
      EXPECT_EQ(n.z, 0.0);
      EXPECT_EQ(s.y, 0.0);
      EXPECT_EQ(s.z, 0.0);
    }
  }
}

TEST(LunarNodes, NodeWithNutationAddsTheNutationAndASmallCorrection) {
  // The correction is 0.409" at MJD 0 and about 0.171" at J2000.
  for (auto [mjd, correction] : {std::pair{0.0, 0.40896588}, {51544.5, 0.171}}) {
    double difference =
        (NodeWithNutationLongitude(mjd, 0.0) - MeanNodeLongitude(mjd)) / RadiansPerArcsec;
    EXPECT_NEAR(difference, correction, 0.001) << mjd;
  }
}

}  // namespace
}  // namespace orrery
