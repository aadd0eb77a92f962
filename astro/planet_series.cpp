#include "astro/planet_series.h"

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

void FillMultipleAngles(int k, double a, int n) {
  double* sn = MultipleAngles.sines[k];
  double* cs = MultipleAngles.cosines[k];
  double s1 = Sin(a);
  double c1 = Cos(a);
  sn[0] = s1;
  cs[0] = c1;
  sn[1] = 2.0 * s1 * c1;
  cs[1] = c1 * c1 - s1 * s1;
  for (int i = 2; i < n; ++i) {
    sn[i] = sn[i - 1] * c1 + cs[i - 1] * s1;
    cs[i] = cs[i - 1] * c1 - sn[i - 1] * s1;
  }
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

Vec3 EvaluatePlanet(double jd, const PlanetTheory& theory) {
  const double t = (jd - 2451545.0) / 3652500.0;
  for (int k = 0; k < 9; ++k) {
    int harmonic = theory.maxHarmonic[k];
    if (harmonic <= 0) continue;
    const FundamentalArgument& f = FundamentalArguments[k];
    FillMultipleAngles(k, (f.phase + NormalizeArcsec(f.rate * t)) * RadiansPerArcsec, harmonic);
  }

  double sumL = 0.0, sumB = 0.0, sumR = 0.0;
  const signed char* arg = theory.arguments;
  const double* pl = theory.longitude;
  const double* pb = theory.latitude;
  const double* pr = theory.radius;
  for (;;) {
    int np = *arg++;
    if (np < 0) break;
    if (np == 0) {
      // Polynomial term: only the longitude is reduced to a circle.
      int nt = *arg++;
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
    // Periodic term: the combined angle by the addition formulas.
    double sv = 0.0, cv = 0.0;
    bool first = true;
    for (int i = 0; i < np; ++i) {
      int j = *arg++;
      int m = *arg++ - 1;
      if (j == 0) continue;
      int multiple = j > 0 ? j : -j;
      double sn = MultipleAngles.sines[m][multiple - 1];
      double cs = MultipleAngles.cosines[m][multiple - 1];
      if (j < 0) sn = -sn;
      if (first) {
        sv = sn;
        cv = cs;
        first = false;
      } else {
        double s = sn * cv + cs * sv;
        cv = cs * cv - sn * sv;
        sv = s;
      }
    }
    int nt = *arg++;
    double lc = *pl++, ls = *pl++;
    double bc = *pb++, bs = *pb++;
    double rc = *pr++, rs = *pr++;
    for (int i = 0; i < nt; ++i) {
      lc = lc * t + *pl++;
      ls = ls * t + *pl++;
      bc = bc * t + *pb++;
      bs = bs * t + *pb++;
      rc = rc * t + *pr++;
      rs = rs * t + *pr++;
    }
    sumL += lc * cv + ls * sv;
    sumB += bc * cv + bs * sv;
    sumR += rc * cv + rs * sv;
  }
  return {sumL * RadiansPerArcsec, sumB * RadiansPerArcsec,
          (sumR * RadiansPerArcsec + 1.0) * theory.distance};
}

}  // namespace orrery
