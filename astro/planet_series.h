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

#include "astro/body_table.h"
#include "foundation/vectors.h"

namespace orrery {

// Sines and cosines of multiples 1..24 of up to nine angles: row k, multiple n
// is sines[k][n - 1]. Global scratch shared by the planetary and the lunar
// series; every evaluation overwrites the rows it uses, so no two evaluations
// may interleave.
struct MultipleAngleTable {
  static constexpr int Rows = 9;
  static constexpr int Multiples = 24;
  double sines[Rows][Multiples];
  double cosines[Rows][Multiples];
};
extern MultipleAngleTable MultipleAngles;

// Fills row k with the sines and cosines of a, 2a, ... up to max(n, 2) times a,
// by the addition formulas from one sine and one cosine; higher multiples keep
// what they held.
void FillMultipleAngles(int k, double a, int n);

struct PlanetTheory {
  // Highest multiple of each fundamental argument (Mercury..Pluto) the body's
  // terms use; 0 leaves that argument's row untouched.
  signed char maxHarmonic[9];
  // Highest power of time in the amplitude polynomials (informational).
  signed char maxPower;
  // Term records, ended by -1: a polynomial term "0 nt", or a periodic term
  // "np (j m) x np nt" combining multiple j of argument m (1-based).
  const signed char* arguments;
  // Coefficients consumed in step with the argument table: nt + 1 values for
  // the polynomial term, (cosine, sine) pairs for a periodic term, highest
  // power first.
  const double* longitude;
  const double* latitude;
  const double* radius;
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
Vec3 EvaluatePlanet(double jd, const PlanetTheory& theory);

}  // namespace orrery
