// The planetary series: heliocentric ecliptic positions of Mercury to Pluto
// and of the Earth-Moon barycentre, referred to the mean ecliptic and equinox
// of J2000, from the PLAN404 series (S. L. Moshier's fit to JPL DE404).
//
// Nine fundamental arguments (the mean longitudes of Mercury to Pluto) are
// combined into periodic terms whose amplitudes are polynomials in time; the
// sums are arcseconds. One evaluator serves every body; each body is described
// by a constant PlanetTheory record pointing at its generated tables
// (astro/generated/planet_tables.cpp).
#pragma once

#include <cstdint>

#include "astro/body_table.h"
#include "foundation/vectors.h"

namespace orrery {

struct SinCos {
  double sin;
  double cos;
};

// Sines and cosines of multiples -24..24 of up to nine angles, for the
// addition formulas of the series: At(k, j) holds sin(j a) and cos(j a) of the
// angle a of row k (multiple 0 is (0, 1)). Global scratch of the planetary
// series (the Moon keeps its own); every evaluation overwrites the rows it
// uses, so no two evaluations may interleave.
struct MultipleAngleTable {
  static constexpr int Rows = 9;
  static constexpr int Multiples = 24;
  static constexpr int RowLength = 2 * Multiples + 1;
  SinCos entries[Rows][RowLength];

  constexpr MultipleAngleTable() : entries{} {
    for (auto& row : entries) row[Multiples] = {0.0, 1.0};
  }
  const SinCos& At(int k, int j) const { return entries[k][j + Multiples]; }
};
extern MultipleAngleTable MultipleAngles;

// Fills row k with the sines and cosines of a, 2a, ... up to max(n, 2) times a
// and their negatives, by the addition formulas from one sine and one cosine;
// higher multiples keep what they held.
void FillMultipleAngles(int k, double a, int n);
// The same for any row: zero points at the entry of multiple 0, and
// zero[-m..m] receive the multiples, m = max(n, 2).
void FillMultiples(SinCos* zero, double a, int n);
// The same from the sine and cosine of a.
void FillMultiples(SinCos* zero, SinCos first, int n);

// Sine and cosine of the angle sum x + y from those of x (sum) and y (term).
inline SinCos AddAngle(const SinCos& sum, const SinCos& term) {
  return {term.sin * sum.cos + term.cos * sum.sin, term.cos * sum.cos - term.sin * sum.sin};
}

// A periodic term of a body's series, the argument table of the published
// series in decoded form: up to three multiples j of fundamental arguments m,
// each stored as the MultipleAngleTable entry it reads,
// (m - 1) x (2 x 24 + 1) + 24 + j; unused slots name multiple 0, whose angle
// adds nothing.
struct PlanetTerm {
  std::uint16_t angle[3];
};

// Consecutive periodic terms alike in their number of arguments (1..3) and
// highest power of time in their amplitudes.
struct PlanetRun {
  std::uint8_t arguments;
  std::uint8_t power;
  std::uint16_t count;
};

struct PlanetTheory {
  // Highest multiple of each fundamental argument (Mercury..Pluto) the body's
  // terms use; 0 leaves that argument's row untouched.
  signed char maxHarmonic[9];
  // Highest power of time in the amplitude polynomials (informational).
  signed char maxPower;
  // The polynomial term: its highest power of time, and per power (highest
  // first) its longitude, latitude and radius coefficients.
  int polynomialPower;
  const double* polynomial;
  // The periodic terms, grouped into runs of alike terms.
  const PlanetRun* runs;
  int runCount;
  const PlanetTerm* terms;
  int termCount;
  // Amplitudes consumed in step with the periodic terms: per term and power of
  // time (highest first) the (cosine, sine) pairs of longitude, latitude and
  // radius side by side, six values.
  const double* amplitudes;
  // Radius scale, astronomical units.
  double distance;
};

extern const PlanetTheory MercuryTheory;
extern const PlanetTheory VenusTheory;
extern const PlanetTheory EarthMoonBarycentreTheory;
extern const PlanetTheory MarsTheory;
extern const PlanetTheory JupiterTheory;
extern const PlanetTheory SaturnTheory;
extern const PlanetTheory UranusTheory;
extern const PlanetTheory NeptuneTheory;
extern const PlanetTheory PlutoTheory;

// The theory of BodyId Mercury..Pluto (Earth selects the Earth-Moon
// barycentre); nullptr for every other body.
const PlanetTheory* PlanetTheoryOf(BodyId body);

// Heliocentric (longitude, latitude, radius) at the Julian date jd (TT):
// radians (longitude not reduced to a range) and astronomical units.
// Fills the argument rows the body uses, then sums its series.
Vec3 EvaluatePlanet(double jd, const PlanetTheory& theory);

// The two halves of EvaluatePlanet, for evaluating several bodies at one
// instant: fill rows 0..8 with the fundamental arguments at jd up to the
// given highest multiples (0 leaves a row untouched), then sum each body's
// series from rows filled at least to its own maxHarmonic.
//
// FillFundamentalArguments returns the arguments it filled with their sines
// and cosines; FillFundamentalArgumentsNear fills the rows for a moment a few
// hours from those (a light-time repeat), turning each argument's sine and
// cosine by the small angle it moved instead of taking new ones. A row the
// nearby instant did not fill, or an argument that moved further, takes its
// own sine and cosine.
struct FundamentalArgumentsAt {
  double angle[9];   // radians; NaN for a row not filled
  SinCos first[9];   // sine and cosine of angle
};
FundamentalArgumentsAt FillFundamentalArguments(double jd, const signed char maxHarmonic[9]);
void FillFundamentalArgumentsNear(double jd, const signed char maxHarmonic[9],
                                  const FundamentalArgumentsAt& near);
//
// The periodic terms are summed by the best build of the evaluator this
// processor runs (fused multiply-adds where it has AVX2 and FMA); Portable
// asks for the build that runs on any processor. The two agree to rounding.
enum class SeriesBuild { Best, Portable };
Vec3 SumPlanetSeries(double jd, const PlanetTheory& theory, SeriesBuild build = SeriesBuild::Best);

// The highest multiple of each fundamental argument over all nine bodies.
extern const signed char AllPlanetsMaxHarmonic[9];

}  // namespace orrery
