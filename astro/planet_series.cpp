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

namespace {

// The running sums of one series: the polynomial term's, and the periodic
// terms' sums of A cos and of B sin kept apart until the end.
struct SeriesSums {
  double l = 0.0, b = 0.0, r = 0.0;
  AmplitudePair periodicL = {0.0, 0.0}, periodicB = {0.0, 0.0}, periodicR = {0.0, 0.0};
  const double* pl;
  const double* pb;
  const double* pr;
};

// Adds a run of periodic terms sharing the number of arguments and the
// power of time: the multiples combined by the addition formulas, the
// amplitudes by Horner's rule, both unrolled for the run.
template <int Arguments, int Power>
void AddPeriodicRun(const PlanetTerm* term, const PlanetTerm* end, const SinCos* angles,
                    double t, SeriesSums& s) {
  for (; term != end; ++term) {
    SinCos angle = angles[term->angle[0]];
    if constexpr (Arguments > 1) angle = AddAngle(angle, angles[term->angle[1]]);
    if constexpr (Arguments > 2) angle = AddAngle(angle, angles[term->angle[2]]);
    AmplitudePair l = LoadPair(s.pl), b = LoadPair(s.pb), r = LoadPair(s.pr);
    for (int i = 1; i <= Power; ++i) {
      l = l * t + LoadPair(s.pl + 2 * i);
      b = b * t + LoadPair(s.pb + 2 * i);
      r = r * t + LoadPair(s.pr + 2 * i);
    }
    s.pl += 2 * (Power + 1), s.pb += 2 * (Power + 1), s.pr += 2 * (Power + 1);
    const AmplitudePair cosSin = {angle.cos, angle.sin};
    s.periodicL += l * cosSin;
    s.periodicB += b * cosSin;
    s.periodicR += r * cosSin;
  }
}

template <int Arguments>
void AddPeriodicRun(int power, const PlanetTerm* term, const PlanetTerm* end,
                    const SinCos* angles, double t, SeriesSums& s) {
  switch (power) {
    case 0: return AddPeriodicRun<Arguments, 0>(term, end, angles, t, s);
    case 1: return AddPeriodicRun<Arguments, 1>(term, end, angles, t, s);
    case 2: return AddPeriodicRun<Arguments, 2>(term, end, angles, t, s);
    case 3: return AddPeriodicRun<Arguments, 3>(term, end, angles, t, s);
    case 4: return AddPeriodicRun<Arguments, 4>(term, end, angles, t, s);
    case 5: return AddPeriodicRun<Arguments, 5>(term, end, angles, t, s);
    case 6: return AddPeriodicRun<Arguments, 6>(term, end, angles, t, s);
    default: return AddPeriodicRun<Arguments, 7>(term, end, angles, t, s);
  }
}

// The polynomial term: only the longitude is reduced to a circle.
void AddPolynomialTerm(int power, double t, SeriesSums& s) {
  double l = *s.pl++, b = *s.pb++, r = *s.pr++;
  for (int i = 0; i < power; ++i) {
    l = l * t + *s.pl++;
    b = b * t + *s.pb++;
    r = r * t + *s.pr++;
  }
  s.l += NormalizeArcsec(l);
  s.b += b;
  s.r += r;
}

}  // namespace

Vec3 SumPlanetSeries(double jd, const PlanetTheory& theory) {
  const double t = PlanetTime(jd);
  const SinCos* angles = &MultipleAngles.entries[0][0];
  SeriesSums s;
  s.pl = theory.longitude, s.pb = theory.latitude, s.pr = theory.radius;
  const PlanetTerm* const end = theory.terms + theory.termCount;
  for (const PlanetTerm* term = theory.terms; term != end;) {
    // Terms come grouped by their number of arguments and power of time.
    const PlanetTerm* run = term + 1;
    while (run != end && run->arguments == term->arguments && run->power == term->power) ++run;
    switch (term->arguments) {
      case 0:
        for (; term != run; ++term) AddPolynomialTerm(term->power, t, s);
        break;
      case 1: AddPeriodicRun<1>(term->power, term, run, angles, t, s); break;
      case 2: AddPeriodicRun<2>(term->power, term, run, angles, t, s); break;
      default: AddPeriodicRun<3>(term->power, term, run, angles, t, s); break;
    }
    term = run;
  }
  const double sumL = s.l + LaneSum(s.periodicL);
  const double sumB = s.b + LaneSum(s.periodicB);
  const double sumR = s.r + LaneSum(s.periodicR);
  return {sumL * RadiansPerArcsec, sumB * RadiansPerArcsec,
          (sumR * RadiansPerArcsec + 1.0) * theory.distance};
}

}  // namespace orrery
