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
    int periodic = 0, doubles = theory.polynomialPower + 1, bytes = 1 + 2;
    ASSERT_LE(theory.polynomialPower, theory.maxPower);
    const PlanetTerm* term = theory.terms;
    for (int r = 0; r < theory.runCount; ++r) {
      const PlanetRun& run = theory.runs[r];
      ASSERT_GE(run.arguments, 1);
      ASSERT_LE(run.arguments, 3);
      ASSERT_LE(run.power, theory.maxPower);
      ASSERT_GE(run.count, 1);
      if (r > 0) {  // runs are grouped: each kind of term forms one run
        const PlanetRun& before = theory.runs[r - 1];
        EXPECT_LT(before.arguments * 16 + before.power, run.arguments * 16 + run.power);
      }
      for (int i = 0; i < run.count; ++i, ++term) {
        periodic += 1;
        doubles += 2 * (run.power + 1);
        bytes += 2 + 2 * run.arguments;
        for (int k = 0; k < 3; ++k) {
          const int row = term->angle[k] / RowLength;
          const int multiple = term->angle[k] % RowLength - MultipleAngleTable::Multiples;
          if (k >= run.arguments) {
            EXPECT_EQ(multiple, 0) << "unused slots name multiple 0";
            continue;
          }
          ASSERT_LT(row, 9);
          EXPECT_NE(multiple, 0);
          EXPECT_LE(std::abs(multiple), theory.maxHarmonic[row]) << size.body << " term " << periodic;
        }
      }
    }
    EXPECT_EQ(periodic, theory.termCount) << size.body;
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
  ASSERT_EQ(emb.polynomialPower, 3);
  const double longitude[] = {-65.54655, -232.74963, 12959774227.57587, 361678.59587};
  const double latitude[] = {-41.9786, -48.43539, 74.72897, 0.00075};
  const double radius[] = {0.64577, -2.90183, -14.5028, 28.85196};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(emb.polynomial[3 * i], longitude[i]);
    EXPECT_EQ(emb.polynomial[3 * i + 1], latitude[i]);
    EXPECT_EQ(emb.polynomial[3 * i + 2], radius[i]);
  }
  // The terms 4 x Earth - 8 x Mars + 3 x Jupiter (power 2) and 1 x Earth
  // (power 4, the largest, whose power-0 amplitudes are its last six values:
  // longitude, latitude and radius pairs).
  bool foundSecond = false, foundLargest = false;
  const PlanetTerm* term = emb.terms;
  const double* amplitudes = emb.amplitudes;
  for (int r = 0; r < emb.runCount; ++r) {
    const PlanetRun& run = emb.runs[r];
    for (int i = 0; i < run.count; ++i, ++term) {
      foundSecond |= run.arguments == 3 && run.power == 2 &&
                     term->angle[0] == 2 * RowLength + 24 + 4 &&
                     term->angle[1] == 3 * RowLength + 24 - 8 &&
                     term->angle[2] == 4 * RowLength + 24 + 3;
      if (run.arguments == 1 && term->angle[0] == 2 * RowLength + 24 + 1 && run.power == 4) {
        const double* last = amplitudes + 6 * run.power;
        EXPECT_EQ(last[0], -6717.66079);
        EXPECT_EQ(last[1], -1543.17403);
        EXPECT_EQ(last[4], 771.51923);
        EXPECT_EQ(last[5], -3358.57619);
        foundLargest = true;
      }
      amplitudes += 6 * (run.power + 1);
    }
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

// Rows filled for a light-time repeat from a nearby instant's arguments equal
// rows filled from scratch at that moment, whether the arguments were turned
// by a small angle or (moved too far, or not filled nearby) taken anew.
TEST(FillFundamentalArguments, NearAnInstantEqualsFillingAnew) {
  const double jd = 2460000.3;
  const signed char withoutMars[9] = {11, 14, 14, 0, 9, 18, 9, 13, 13};
  for (const signed char* nearRows : {AllPlanetsMaxHarmonic, withoutMars}) {
    const FundamentalArgumentsAt near = FillFundamentalArguments(jd, nearRows);
    for (double hours : {-7.0, -0.25, 0.0, 5.0, -24.0 * 40}) {
      const double moment = jd + hours / 24.0;
      FillFundamentalArgumentsNear(moment, AllPlanetsMaxHarmonic, near);
      const MultipleAngleTable turned = MultipleAngles;
      FillFundamentalArguments(moment, AllPlanetsMaxHarmonic);
      for (int k = 0; k < 9; ++k) {
        for (int j = -AllPlanetsMaxHarmonic[k]; j <= AllPlanetsMaxHarmonic[k]; ++j) {
          EXPECT_NEAR(turned.At(k, j).sin, MultipleAngles.At(k, j).sin, 1e-14) << k << " " << j;
          EXPECT_NEAR(turned.At(k, j).cos, MultipleAngles.At(k, j).cos, 1e-14) << k << " " << j;
        }
      }
    }
  }
}

// The evaluator built for this processor and the portable build sum the same
// terms; only the rounding may differ.
TEST(SumPlanetSeries, BothBuildsAgreeToRounding) {
  for (double jd = 1000000.5; jd < 3800000.0; jd += 70001.25) {
    FillFundamentalArguments(jd, AllPlanetsMaxHarmonic);
    for (BodyId body : {Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto}) {
      const PlanetTheory& theory = *PlanetTheoryOf(body);
      const Vec3 best = SumPlanetSeries(jd, theory);
      const Vec3 portable = SumPlanetSeries(jd, theory, SeriesBuild::Portable);
      EXPECT_NEAR(best.x, portable.x, 1e-12) << body << " " << jd;
      EXPECT_NEAR(best.y, portable.y, 1e-12) << body << " " << jd;
      EXPECT_NEAR(best.z, portable.z, 1e-12 * std::fabs(portable.z)) << body << " " << jd;
    }
  }
}

}  // namespace
}  // namespace orrery
