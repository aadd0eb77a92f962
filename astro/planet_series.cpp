#include "astro/planet_series.h"

#include <cmath>
#include <cstring>
#include <limits>

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

void FillMultiples(SinCos* zero, double a, int n) { FillMultiples(zero, SinCos{Sin(a), Cos(a)}, n); }

void FillMultiples(SinCos* zero, SinCos first, int n) {
  const double s1 = first.sin;
  const double c1 = first.cos;
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

// Time in units of 10000 Julian years from J2000.
double PlanetTime(double jd) { return (jd - 2451545.0) / 3652500.0; }

}  // namespace

const signed char AllPlanetsMaxHarmonic[9] = {11, 14, 14, 24, 9, 18, 9, 13, 13};

namespace {

// Fundamental argument k at t (units of PlanetTime), radians.
double FundamentalArgumentAt(int k, double t) {
  const FundamentalArgument& f = FundamentalArguments[k];
  return (f.phase + NormalizeArcsec(f.rate * t)) * RadiansPerArcsec;
}

// Sine and cosine of an angle of at most SmallTurn radians by their Taylor
// series, which end below the rounding of a double there.
constexpr double SmallTurn = 0.05;
SinCos SinCosOfSmallAngle(double x) {
  const double x2 = x * x;
  constexpr double s3 = -1.0 / 6.0, s5 = 1.0 / 120.0, s7 = -1.0 / 5040.0, s9 = 1.0 / 362880.0;
  constexpr double c2 = -1.0 / 2.0, c4 = 1.0 / 24.0, c6 = -1.0 / 720.0, c8 = 1.0 / 40320.0,
                   c10 = -1.0 / 3628800.0;
  return {x + x * x2 * (s3 + x2 * (s5 + x2 * (s7 + x2 * s9))),
          1.0 + x2 * (c2 + x2 * (c4 + x2 * (c6 + x2 * (c8 + x2 * c10))))};
}

}  // namespace

FundamentalArgumentsAt FillFundamentalArguments(double jd, const signed char maxHarmonic[9]) {
  const double t = PlanetTime(jd);
  FundamentalArgumentsAt filled;
  for (int k = 0; k < 9; ++k) {
    filled.angle[k] = std::numeric_limits<double>::quiet_NaN();
    filled.first[k] = {0.0, 1.0};
    if (maxHarmonic[k] <= 0) continue;
    filled.angle[k] = FundamentalArgumentAt(k, t);
    filled.first[k] = {Sin(filled.angle[k]), Cos(filled.angle[k])};
    FillMultiples(MultipleAngles.entries[k] + MultipleAngleTable::Multiples, filled.first[k], maxHarmonic[k]);
  }
  return filled;
}

void FillFundamentalArgumentsNear(double jd, const signed char maxHarmonic[9],
                                  const FundamentalArgumentsAt& near) {
  const double t = PlanetTime(jd);
  for (int k = 0; k < 9; ++k) {
    if (maxHarmonic[k] <= 0) continue;
    const double angle = FundamentalArgumentAt(k, t);
    // The argument moved by a small turn since the nearby instant (either
    // one may have been reduced to the circle).
    double turn = angle - near.angle[k];
    if (turn > Pi) turn -= TwoPi;
    if (turn < -Pi) turn += TwoPi;
    const SinCos first = std::fabs(turn) <= SmallTurn
                             ? AddAngle(near.first[k], SinCosOfSmallAngle(turn))
                             : SinCos{Sin(angle), Cos(angle)};
    FillMultiples(MultipleAngles.entries[k] + MultipleAngleTable::Multiples, first, maxHarmonic[k]);
  }
}

Vec3 EvaluatePlanet(double jd, const PlanetTheory& theory) {
  FillFundamentalArguments(jd, theory.maxHarmonic);
  return SumPlanetSeries(jd, theory);
}

namespace {

// A (cosine, sine) pair: a term's amplitudes, and the lanes of the periodic
// sums (A cos and B sin kept apart until the end).
typedef double Pair __attribute__((vector_size(16)));

struct PeriodicSums {
  Pair longitude = {0.0, 0.0}, latitude = {0.0, 0.0}, radius = {0.0, 0.0};
};

// Per power of time: the longitude, latitude and radius pairs.
constexpr int AmplitudesPerPower = 6;

// The evaluator is written once and built twice (see SumPlanetSeries); its
// parts are always inlined into each build so that they take on its
// instruction set and the sums stay in registers.
#define SERIES_PART [[gnu::always_inline]] inline

template <int Arguments>
SERIES_PART SinCos TermAngle(const PlanetTerm& term, const SinCos* angles) {
  SinCos angle = angles[term.angle[0]];
  if constexpr (Arguments > 1) angle = AddAngle(angle, angles[term.angle[1]]);
  if constexpr (Arguments > 2) angle = AddAngle(angle, angles[term.angle[2]]);
  return angle;
}

// A run of alike periodic terms: per term the multiples combined by the
// addition formulas, the amplitudes by Horner's rule. Returns the amplitudes
// of the next run.
// One periodic term: the multiples combined by the addition formulas, the
// amplitudes by Horner's rule.
template <int Arguments, int Power>
SERIES_PART void AddTerm(const PlanetTerm& term, const double* a, const SinCos* angles, double t,
                         PeriodicSums& sums) {
  const SinCos angle = TermAngle<Arguments>(term, angles);
  Pair l, b, r;
  std::memcpy(&l, a, sizeof l);
  std::memcpy(&b, a + 2, sizeof b);
  std::memcpy(&r, a + 4, sizeof r);
  for (int i = 1; i <= Power; ++i) {
    Pair ln, bn, rn;
    std::memcpy(&ln, a + AmplitudesPerPower * i, sizeof ln);
    std::memcpy(&bn, a + AmplitudesPerPower * i + 2, sizeof bn);
    std::memcpy(&rn, a + AmplitudesPerPower * i + 4, sizeof rn);
    l = l * t + ln;
    b = b * t + bn;
    r = r * t + rn;
  }
  const Pair cosSin = {angle.cos, angle.sin};
  sums.longitude += l * cosSin;
  sums.latitude += b * cosSin;
  sums.radius += r * cosSin;
}

// A run of alike periodic terms, two at a time into two sets of sums so that
// neighbouring terms do not wait for each other's additions. Returns the
// amplitudes of the next run.
template <int Arguments, int Power>
SERIES_PART const double* AddPeriodicRun(const PlanetTerm* term, int count, const double* a,
                                         const SinCos* angles, double t, PeriodicSums (&sums)[2]) {
  constexpr int Stride = AmplitudesPerPower * (Power + 1);
  for (; count >= 2; count -= 2, term += 2, a += 2 * Stride) {
    AddTerm<Arguments, Power>(term[0], a, angles, t, sums[0]);
    AddTerm<Arguments, Power>(term[1], a + Stride, angles, t, sums[1]);
  }
  if (count == 1) {
    AddTerm<Arguments, Power>(*term, a, angles, t, sums[0]);
    a += Stride;
  }
  return a;
}

template <int Arguments>
SERIES_PART const double* AddPeriodicRun(int power, const PlanetTerm* term, int count,
                                         const double* a, const SinCos* angles, double t,
                                         PeriodicSums (&sums)[2]) {
  switch (power) {
    case 0: return AddPeriodicRun<Arguments, 0>(term, count, a, angles, t, sums);
    case 1: return AddPeriodicRun<Arguments, 1>(term, count, a, angles, t, sums);
    case 2: return AddPeriodicRun<Arguments, 2>(term, count, a, angles, t, sums);
    case 3: return AddPeriodicRun<Arguments, 3>(term, count, a, angles, t, sums);
    case 4: return AddPeriodicRun<Arguments, 4>(term, count, a, angles, t, sums);
    case 5: return AddPeriodicRun<Arguments, 5>(term, count, a, angles, t, sums);
    case 6: return AddPeriodicRun<Arguments, 6>(term, count, a, angles, t, sums);
    default: return AddPeriodicRun<Arguments, 7>(term, count, a, angles, t, sums);
  }
}

// The periodic terms' sums of longitude, latitude and radius, arcseconds.
SERIES_PART Vec3 SumPeriodicTerms(const PlanetTheory& theory, double t) {
  const SinCos* angles = &MultipleAngles.entries[0][0];
  PeriodicSums sums[2];
  const PlanetTerm* term = theory.terms;
  const double* a = theory.amplitudes;
  for (const PlanetRun* run = theory.runs; run != theory.runs + theory.runCount; ++run) {
    switch (run->arguments) {
      case 1: a = AddPeriodicRun<1>(run->power, term, run->count, a, angles, t, sums); break;
      case 2: a = AddPeriodicRun<2>(run->power, term, run->count, a, angles, t, sums); break;
      default: a = AddPeriodicRun<3>(run->power, term, run->count, a, angles, t, sums); break;
    }
    term += run->count;
  }
  const Pair l = sums[0].longitude + sums[1].longitude;
  const Pair b = sums[0].latitude + sums[1].latitude;
  const Pair r = sums[0].radius + sums[1].radius;
  return {l[0] + l[1], b[0] + b[1], r[0] + r[1]};
}

#if defined(__x86_64__)
// Fused multiply-adds and three-operand instructions, for processors with
// AVX2 and FMA.
[[gnu::target("avx2,fma")]] Vec3 SumPeriodicTermsFma(const PlanetTheory& theory, double t) {
  return SumPeriodicTerms(theory, t);
}

bool ProcessorHasFma() {
  // The processor's features are read here, not by a constructor, so that a
  // chart computed during static initialisation also finds them.
  static const bool fma = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  }();
  return fma;
}
#endif

Vec3 SumPeriodicTermsPortable(const PlanetTheory& theory, double t) {
  return SumPeriodicTerms(theory, t);
}

// The polynomial term; only its longitude is reduced to a circle.
Vec3 PolynomialTerm(const PlanetTheory& theory, double t) {
  const double* p = theory.polynomial;
  double l = p[0], b = p[1], r = p[2];
  for (int i = 1; i <= theory.polynomialPower; ++i) {
    l = l * t + p[3 * i];
    b = b * t + p[3 * i + 1];
    r = r * t + p[3 * i + 2];
  }
  return {NormalizeArcsec(l), b, r};
}

}  // namespace

Vec3 SumPlanetSeries(double jd, const PlanetTheory& theory, SeriesBuild build) {
  const double t = PlanetTime(jd);
#if defined(__x86_64__)
  const Vec3 periodic = build == SeriesBuild::Best && ProcessorHasFma()
                            ? SumPeriodicTermsFma(theory, t)
                            : SumPeriodicTermsPortable(theory, t);
#else
  const Vec3 periodic = SumPeriodicTermsPortable(theory, t);
#endif
  const Vec3 p = PolynomialTerm(theory, t);
  return {(p.x + periodic.x) * RadiansPerArcsec, (p.y + periodic.y) * RadiansPerArcsec,
          ((p.z + periodic.z) * RadiansPerArcsec + 1.0) * theory.distance};
}

}  // namespace orrery
