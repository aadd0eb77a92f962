#include "astro/planet_series.h"

#include <cstring>

#include "astro/earth_orientation.h"
#include "foundation/numbers.h"

namespace orrery {

MultipleAngleTable MultipleAngles;

namespace {

// Mean longitudes of Mercury..Pluto: rate in arcseconds per 10000 Julian
// years and phase in arcseconds at J2000.
struct FundamentalArgument {
  double rate;
  double phase;
};
constexpr FundamentalArgument FundamentalArguments[9] = {
    {53810162868.8982, 908103.259872},  {21066413643.3548, 655127.28306},
    {12959774228.3429, 361679.244588},  {6890507749.3988, 1279558.798488},
    {1092566037.7991, 123665.467464},   {439960985.5372, 180278.79948},
    {154248119.3933, 1130598.018396},   {78655032.0744, 1095655.195728},
    {52272245.1795, 860492.1546},
};

}  // namespace

void FillMultiples(SinCos* zero, double a, int n) {
  const double s1 = Sin(a);
  const double c1 = Cos(a);
  zero[0] = {0.0, 1.0};
  zero[1] = {s1, c1};
  zero[-1] = {-s1, c1};
  SinCos m = {2.0 * s1 * c1, c1 * c1 - s1 * s1};
  zero[2] = m;
  zero[-2] = {-m.sin, m.cos};
  for (int i = 3; i <= n; ++i) {
    m = {m.sin * c1 + m.cos * s1, m.cos * c1 - m.sin * s1};
    zero[i] = m;
    zero[-i] = {-m.sin, m.cos};
  }
}

void FillMultipleAngles(int k, double a, int n) {
  FillMultiples(MultipleAngles.entries[k] + MultipleAngleTable::Multiples, a, n);
}

const PlanetTheory* PlanetTheoryOf(BodyId body) {
  static const PlanetTheory* const theories[] = {
      &MercuryTheory, &VenusTheory,  &EarthMoonBarycentreTheory,
      &MarsTheory,    &JupiterTheory, &SaturnTheory,
      &UranusTheory,  &NeptuneTheory, &PlutoTheory,
  };
  if (body < Mercury || body > Pluto) return nullptr;
  return theories[body - Mercury];
}

namespace {

// A (cosine, sine) amplitude pair, evaluated two lanes at a time.
typedef double AmplitudePair __attribute__((vector_size(16)));

AmplitudePair LoadPair(const double* p) {
  AmplitudePair v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

double LaneSum(AmplitudePair v) { return v[0] + v[1]; }

// Time in units of 10000 Julian years from J2000.
double PlanetTime(double jd) { return (jd - 2451545.0) / 3652500.0; }

}  // namespace

const signed char AllPlanetsMaxHarmonic[9] = {11, 14, 14, 24, 9, 18, 9, 13, 13};

void FillFundamentalArguments(double jd, const signed char maxHarmonic[9]) {
  const double t = PlanetTime(jd);
  for (int k = 0; k < 9; ++k) {
    int harmonic = maxHarmonic[k];
    if (harmonic <= 0) continue;
    const FundamentalArgument& f = FundamentalArguments[k];
    FillMultipleAngles(k, (f.phase + NormalizeArcsec(f.rate * t)) * RadiansPerArcsec, harmonic);
  }
}

Vec3 EvaluatePlanet(double jd, const PlanetTheory& theory) {
  FillFundamentalArguments(jd, theory.maxHarmonic);
  return SumPlanetSeries(jd, theory);
}

Vec3 SumPlanetSeries(double jd, const PlanetTheory& theory) {
  const double t = PlanetTime(jd);
  const SinCos* angles = &MultipleAngles.entries[0][0];
  // The polynomial term's sums, and the periodic terms' sums of A cos and of
  // B sin kept apart until the end.
  double sumL = 0.0, sumB = 0.0, sumR = 0.0;
  AmplitudePair periodicL = {0.0, 0.0}, periodicB = {0.0, 0.0}, periodicR = {0.0, 0.0};
  const double* pl = theory.longitude;
  const double* pb = theory.latitude;
  const double* pr = theory.radius;
  for (const PlanetTerm* term = theory.terms; term != theory.terms + theory.termCount; ++term) {
    const int nt = term->power;
    if (term->arguments == 0) {
      // Polynomial term: only the longitude is reduced to a circle.
      double l = *pl++, b = *pb++, r = *pr++;
      for (int i = 0; i < nt; ++i) {
        l = l * t + *pl++;
        b = b * t + *pb++;
        r = r * t + *pr++;
      }
      sumL += NormalizeArcsec(l);
      sumB += b;
      sumR += r;
      continue;
    }
    // Periodic term: its multiples combined by the addition formulas. Terms
    // come grouped by their number of arguments, so these tests are cheap.
    SinCos angle = angles[term->angle[0]];
    if (term->arguments > 1) angle = AddAngle(angle, angles[term->angle[1]]);
    if (term->arguments > 2) angle = AddAngle(angle, angles[term->angle[2]]);
    AmplitudePair l = LoadPair(pl), b = LoadPair(pb), r = LoadPair(pr);
    pl += 2, pb += 2, pr += 2;
    for (int i = 0; i < nt; ++i) {
      l = l * t + LoadPair(pl);
      b = b * t + LoadPair(pb);
      r = r * t + LoadPair(pr);
      pl += 2, pb += 2, pr += 2;
    }
    const AmplitudePair cosSin = {angle.cos, angle.sin};
    periodicL += l * cosSin;
    periodicB += b * cosSin;
    periodicR += r * cosSin;
  }
  sumL += LaneSum(periodicL);
  sumB += LaneSum(periodicB);
  sumR += LaneSum(periodicR);
  return {sumL * RadiansPerArcsec, sumB * RadiansPerArcsec,
          (sumR * RadiansPerArcsec + 1.0) * theory.distance};
}

}  // namespace orrery
