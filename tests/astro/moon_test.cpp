// The lunar series and the lunar nodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "astro/body_table.h"
#include "astro/earth_orientation.h"
#include "astro/lunar_tables.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

// Row count and first row of each table, amplitudes as published (high and
// low parts combined).
template <typename Row>
struct PublishedTable {
  std::span<const Row> table;
  std::size_t rows;
  double first[2];
};

// Every entry a term reads must exist, and every combined argument may only
// join entries computed before it.
void ExpectBefore(int entry, int before) { EXPECT_LT(entry, before); }

TEST(LunarTables, HaveThePublishedRowsAndReadOnlyEntriesComputedBefore) {
  const PublishedTable<LunarLongitudeRow> longitude[] = {
      {LRT2Table, 25, {487.0, -36.0}},
      {LRTTable, 38, {167680.0, -12302.0}},
      {LRTable, 118, {226395858.0, -209053550.0}},
  };
  const PublishedTable<LunarLatitudeRow> latitude[] = {
      {BT2Table, 12, {-22.0}}, {BTTable, 16, {-7430.0}}, {MBTable, 77, {184612387.0}}};
  for (const auto& t : longitude) {
    ASSERT_EQ(t.table.size(), t.rows);
    EXPECT_EQ(t.table[0].longitude, t.first[0]);
    EXPECT_EQ(t.table[0].distance, t.first[1]);
    for (const LunarLongitudeRow& row : t.table) ExpectBefore(row.argument, LunarArgumentCount);
  }
  for (const auto& t : latitude) {
    ASSERT_EQ(t.table.size(), t.rows);
    EXPECT_EQ(t.table[0].latitude, t.first[0]);
    for (const LunarLatitudeRow& row : t.table) ExpectBefore(row.argument, LunarArgumentCount);
  }
  // A type-1 row without a low distance part adds no distance (LRT 2 1 0 -2).
  EXPECT_EQ(LRTTable[27].longitude, 364.0);
  EXPECT_EQ(LRTTable[27].distance, 0.0);

  const int explicitTerms = LunarExplicitTermsPerBlock[0] + LunarExplicitTermsPerBlock[1] +
                            LunarExplicitTermsPerBlock[2];
  EXPECT_EQ(explicitTerms, 95);
  for (int k = 0; k < explicitTerms; ++k) {
    ExpectBefore(LunarExplicitTerms[k].argument, LunarArgumentCount);
  }
  EXPECT_EQ(LunarExplicitTerms[0].cosAmplitude, 6.367278);
  EXPECT_EQ(LunarExplicitTerms[0].sinAmplitude, 12.747036);

  ASSERT_LE(LunarArgumentCount, LunarArgumentCapacity);
  for (int k = LunarFirstStep; k < LunarArgumentCount; ++k) {
    ExpectBefore(LunarArgumentSteps[k - LunarFirstStep].sum, k);
    ExpectBefore(LunarArgumentSteps[k - LunarFirstStep].term, LunarFirstStep);
  }
  // Each element's multiples (at least 2 each way) end before the next begin.
  int end = 0;
  for (int i = 0; i < 10; ++i) {
    const int reach = std::max<int>(LunarElementMultiples[i], 2);
    EXPECT_GE(LunarElementZero[i] - reach, end) << i;
    end = LunarElementZero[i] + reach + 1;
  }
  EXPECT_LE(end, LunarFirstPhase);
  EXPECT_EQ(LunarFirstPhase + LunarPhaseCount, LunarFirstStep);
  // The highest multiples: 29 of the Earth in the explicit terms, 6 of D in
  // table LR.
  EXPECT_EQ(LunarElementMultiples[1], 29);
  EXPECT_EQ(LunarElementMultiples[5], 6);
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
