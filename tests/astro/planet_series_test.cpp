// The planetary series: the generated tables against the published sizes and
// telling rows, the multiple-angle table and the evaluator's edge cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/earth_orientation.h"
#include "astro/planet_series.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

struct PublishedSize {
  BodyId body;
  int periodicTerms;
  int doublesPerTable;
  int argumentBytes;  // with the end marker
};

// Sizes of the published PLAN404 tables.
constexpr PublishedSize PublishedSizes[] = {
    {Mercury, 129, 400, 747}, {Venus, 107, 284, 639},   {Earth, 134, 460, 819},
    {Mars, 200, 677, 1291},   {Jupiter, 141, 595, 905}, {Saturn, 214, 788, 1453},
    {Uranus, 176, 532, 1167}, {Neptune, 58, 162, 369},  {Pluto, 172, 604, 1087},
};

constexpr int RowLength = MultipleAngleTable::RowLength;

TEST(PlanetTables, HaveThePublishedSizesAndStayInsideTheAngleTable) {
  for (const PublishedSize& size : PublishedSizes) {
    const PlanetTheory& theory = *PlanetTheoryOf(size.body);
    int periodic = 0, doubles = 0, bytes = 1;
    for (int i = 0; i < theory.termCount; ++i) {
      const PlanetTerm& term = theory.terms[i];
      ASSERT_LE(term.arguments, 3);
      ASSERT_EQ(term.arguments == 0, i == 0) << "only the first term is the polynomial";
      periodic += term.arguments > 0;
      doubles += term.arguments == 0 ? term.power + 1 : 2 * (term.power + 1);
      bytes += term.arguments == 0 ? 2 : 2 + 2 * term.arguments;
      ASSERT_LE(term.power, theory.maxPower);
      for (int k = 0; k < 3; ++k) {
        const int row = term.angle[k] / RowLength;
        const int multiple = term.angle[k] % RowLength - MultipleAngleTable::Multiples;
        if (k >= term.arguments) {
          EXPECT_EQ(multiple, 0) << "unused slots name multiple 0";
          continue;
        }
        ASSERT_LT(row, 9);
        EXPECT_NE(multiple, 0);
        EXPECT_LE(std::abs(multiple), theory.maxHarmonic[row]) << size.body << " term " << i;
      }
    }
    EXPECT_EQ(periodic, size.periodicTerms) << size.body;
    EXPECT_EQ(doubles, size.doublesPerTable) << size.body;
    EXPECT_EQ(bytes, size.argumentBytes) << size.body;
  }
  for (int k = 0; k < 9; ++k) {
    int highest = 0;
    for (const PublishedSize& size : PublishedSizes) {
      highest = std::max<int>(highest, PlanetTheoryOf(size.body)->maxHarmonic[k]);
    }
    EXPECT_EQ(AllPlanetsMaxHarmonic[k], highest) << k;
  }
  EXPECT_EQ(PlanetTheoryOf(Sun), nullptr);
  EXPECT_EQ(PlanetTheoryOf(NorthNode), nullptr);
}

TEST(PlanetTables, EarthMoonBarycentreTellingRows) {
  const PlanetTheory& emb = EarthMoonBarycentreTheory;
  ASSERT_EQ(emb.terms[0].power, 3);
  const double longitude[] = {-65.54655, -232.74963, 12959774227.57587, 361678.59587};
  const double latitude[] = {-41.9786, -48.43539, 74.72897, 0.00075};
  const double radius[] = {0.64577, -2.90183, -14.5028, 28.85196};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(emb.longitude[i], longitude[i]);
    EXPECT_EQ(emb.latitude[i], latitude[i]);
    EXPECT_EQ(emb.radius[i], radius[i]);
  }
  // The terms 4 x Earth - 8 x Mars + 3 x Jupiter (power 2) and 1 x Earth
  // (power 4, the largest, whose power-0 amplitudes are its last pair).
  bool foundSecond = false, foundLargest = false;
  int offset = emb.terms[0].power + 1;
  for (int i = 1; i < emb.termCount; ++i) {
    const PlanetTerm& term = emb.terms[i];
    foundSecond |= term.arguments == 3 && term.power == 2 &&
                   term.angle[0] == 2 * RowLength + 24 + 4 &&
                   term.angle[1] == 3 * RowLength + 24 - 8 &&
                   term.angle[2] == 4 * RowLength + 24 + 3;
    if (term.arguments == 1 && term.angle[0] == 2 * RowLength + 24 + 1 && term.power == 4) {
      const int last = offset + 2 * term.power;
      EXPECT_EQ(emb.longitude[last], -6717.66079);
      EXPECT_EQ(emb.longitude[last + 1], -1543.17403);
      EXPECT_EQ(emb.radius[last], 771.51923);
      EXPECT_EQ(emb.radius[last + 1], -3358.57619);
      foundLargest = true;
    }
    offset += 2 * (term.power + 1);
  }
  EXPECT_TRUE(foundSecond);
  EXPECT_TRUE(foundLargest);
}

TEST(FillMultipleAngles, FillsBothSignsUpToTheHighestMultipleAndNoFurther) {
  const double a = 0.7345;
  for (auto& entry : MultipleAngles.entries[5]) entry = {42.0, 42.0};
  MultipleAngles.entries[5][MultipleAngleTable::Multiples] = {0.0, 1.0};
  FillMultipleAngles(5, a, 1);  // multiple 2 is always filled
  for (int n = -2; n <= 2; ++n) {
    EXPECT_NEAR(MultipleAngles.At(5, n).sin, std::sin(n * a), 1e-15) << n;
    EXPECT_NEAR(MultipleAngles.At(5, n).cos, std::cos(n * a), 1e-15) << n;
  }
  EXPECT_EQ(MultipleAngles.At(5, 3).sin, 42.0);
  EXPECT_EQ(MultipleAngles.At(5, -3).cos, 42.0);

  FillMultipleAngles(5, a, 24);
  for (int n = -24; n <= 24; ++n) {
    EXPECT_NEAR(MultipleAngles.At(5, n).sin, std::sin(n * a), 1e-13) << n;
    EXPECT_NEAR(MultipleAngles.At(5, n).cos, std::cos(n * a), 1e-13) << n;
  }
}

TEST(EvaluatePlanet, FillsOnlyTheArgumentsTheBodyUses) {
  // Jupiter's terms use Earth, Jupiter, Saturn, Uranus and Neptune only.
  for (int k = 0; k < 9; ++k) MultipleAngles.entries[k][25] = {7.0, 7.0};
  Vec3 jupiter = EvaluatePlanet(2451545.0, JupiterTheory);
  for (int k : {0, 1, 3, 8}) EXPECT_EQ(MultipleAngles.entries[k][25].sin, 7.0) << k;
  for (int k : {2, 4, 5, 6, 7}) EXPECT_NE(MultipleAngles.entries[k][25].sin, 7.0) << k;
  EXPECT_NEAR(jupiter.z, 4.9654, 0.001);  // AU at J2000
}

TEST(EvaluatePlanet, AtJ2000ThePolynomialGivesItsConstantTerm) {
  // At J2000 the Earth-Moon barycentre's mean longitude is its constant
  // 361678.59587"; the periodic terms move it by less than a degree.
  Vec3 emb = EvaluatePlanet(2451545.0, EarthMoonBarycentreTheory);
  EXPECT_NEAR(emb.x / RadiansPerArcsec, 361678.59587, 3600.0);
  EXPECT_NEAR(emb.z, 0.98333, 0.0001);
  // Only the mean longitude is reduced to a circle; the periodic terms may
  // carry the sum a little past either end.
  for (double jd = 2341972.5; jd < 2488070.0; jd += 3652.5) {
    for (BodyId body : {Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto}) {
      Vec3 p = EvaluatePlanet(jd, *PlanetTheoryOf(body));
      EXPECT_GT(p.x, -0.5);
      EXPECT_LT(p.x, 2.0 * Pi + 0.5);
    }
  }
}

}  // namespace
}  // namespace orrery
