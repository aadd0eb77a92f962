#include "astro/moon.h"

#include <algorithm>
#include <span>
#include <vector>

#include "astro/body_table.h"
#include "astro/earth_orientation.h"
#include "astro/lunar_tables.h"
#include "astro/planet_series.h"
#include "astro/time_scales.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

// Mean elements of the lunar series, arcseconds: the linear part reduced to
// one circle, the higher-order part added unreduced. The order is that of
// the explicit terms' multipliers.
struct MeanElements {
  double venus, earth, mars, jupiter, saturn;
  double elongation;   // D
  double sunAnomaly;   // l'
  double moonAnomaly;  // l
  double latitude;     // F
  double longitude;    // L, mean longitude of the Moon
};

MeanElements ComputeMeanElements(double t) {
  const double t2 = t * t;
  MeanElements e;
  e.sunAnomaly =
      NormalizeArcsec(129596581.038354 * t + 1287104.76154) +
      ((((((((1.62e-20 * t - 1.039e-17) * t - 3.83508e-15) * t + 4.237343e-13) * t +
           8.8555011e-11) * t - 4.77258489e-8) * t - 1.1297037031e-5) * t + 0.00014732069041) * t -
       0.552891801772) * t2;
  e.latitude = NormalizeArcsec(1739527262.890358 * t + 335779.55755) +
               ((-9.646018347184e-6 * t - 0.00113821591258) * t - 13.12045233711) * t2;
  e.moonAnomaly = NormalizeArcsec(1717915923.2692053 * t + 485868.28096) +
                  ((0.0476835758578 - 0.0003421689790404 * t) * t + 31.46734198839) * t2;
  e.elongation = NormalizeArcsec(1602961601.8565893 * t + 1072260.73512) +
                 ((-0.0002905334122698 * t - 0.005834100476561) * t - 6.84707090541) * t2;
  e.longitude = NormalizeArcsec(1732564372.1541486 * t + 785939.95571) +
                ((0.005722859298199 - 8.466472828815e-5 * t) * t - 5.663161722088) * t2;
  e.venus =
      NormalizeArcsec(210664136.4335482 * t + 655127.283046) +
      ((((((((-9.36e-23 * t - 1.95e-20) * t + 6.097e-18) * t + 4.43201e-15) * t + 2.509418e-13) *
             t - 3.0622898e-10) * t - 2.26602516e-9) * t - 1.4244812531e-5) * t + 0.005871373088) *
          t2;
  e.earth =
      NormalizeArcsec(129597742.26669231 * t + 361679.214649) +
      ((((((((-1.16e-22 * t + 2.976e-19) * t + 2.846e-17) * t - 1.08402e-14) * t - 1.226182e-12) *
             t + 1.7228268e-10) * t + 1.515912254e-7) * t + 8.863982531e-6) * t - 0.020199859001) *
          t2;
  e.mars = NormalizeArcsec(68905077.59284 * t + 1279559.78866) + (0.00938012 - 1.043e-5 * t) * t2;
  e.jupiter = NormalizeArcsec(10925660.428608 * t + 123665.34212) +
              (1.543273e-5 * t - 0.306037836351) * t2;
  e.saturn = NormalizeArcsec(4399609.65932 * t + 180278.89694) +
             ((4.475946e-8 * t - 6.874806e-5) * t + 0.756161437443) * t2;
  return e;
}

// Longitude, latitude and distance sums of the periodic-term tables.
struct Accumulator {
  double longitude = 0.0;
  double latitude = 0.0;
  double distance = 0.0;
};

// Sums of the explicit terms by target.
struct ExplicitSums {
  double longitude[4] = {0.0, 0.0, 0.0, 0.0};  // powers 0..3 of T
  double latitude = 0.0;                       // explicit latitude terms
};

// Sines and cosines of the constant phases, computed once.
const SinCos* PhaseAngles() {
  static const std::vector<SinCos> phases = [] {
    std::vector<SinCos> result(LunarPhaseCount);
    for (int k = 0; k < LunarPhaseCount; ++k) {
      const double phase = LunarPhases[k] * RadiansPerArcsec;
      result[k] = {Sin(phase), Cos(phase)};
    }
    return result;
  }();
  return phases.data();
}

// The argument entries of one instant (astro/lunar_tables.h): the multiples
// of the mean elements from one sine and cosine each, then the phases, then
// every combined argument by the addition formulas, so each term of the
// series reads its sine and cosine instead of combining them itself.
struct LunarArguments {
  SinCos entries[LunarArgumentCapacity];

  explicit LunarArguments(const MeanElements& e) {
    const double values[10] = {e.venus,      e.earth,      e.mars,        e.jupiter,
                               e.saturn,     e.elongation, e.sunAnomaly,  e.moonAnomaly,
                               e.latitude,   e.longitude};
    for (int i = 0; i < 10; ++i) {
      FillMultiples(entries + LunarElementZero[i], values[i] * RadiansPerArcsec,
                    LunarElementMultiples[i]);
    }
    std::copy_n(PhaseAngles(), LunarPhaseCount, entries + LunarFirstPhase);
    for (int k = LunarFirstStep; k < LunarArgumentCount; ++k) {
      const LunarArgumentStep& step = LunarArgumentSteps[k - LunarFirstStep];
      entries[k] = AddAngle(entries[step.sum], entries[step.term]);
    }
  }
};

void EvaluateTable(std::span<const LunarLongitudeRow> table, const LunarArguments& arguments,
                   Accumulator& acc) {
  for (const LunarLongitudeRow& row : table) {
    const SinCos& g = arguments.entries[row.argument];
    acc.longitude += row.longitude * g.sin;
    acc.distance += row.distance * g.cos;
  }
}

void EvaluateTable(std::span<const LunarLatitudeRow> table, const LunarArguments& arguments,
                   Accumulator& acc) {
  for (const LunarLatitudeRow& row : table) {
    acc.latitude += row.latitude * arguments.entries[row.argument].sin;
  }
}

// Adds the explicit terms of one block, in order.
const LunarExplicitTerm* AddExplicitTerms(const LunarExplicitTerm* term, int count,
                                          const LunarArguments& arguments, double t,
                                          Accumulator& acc, ExplicitSums& sums) {
  // Where each LunarTarget adds, and by what factor.
  double* const targets[8] = {&sums.longitude[0], &sums.longitude[1], &sums.longitude[2],
                              &sums.longitude[3], &acc.distance,      &acc.distance,
                              &acc.latitude,      &sums.latitude};
  const double factors[8] = {1.0, 1.0, 1.0, 1.0, 1.0, t, 1.0, 1.0};
  for (const LunarExplicitTerm* end = term + count; term != end; ++term) {
    const SinCos& g = arguments.entries[term->argument];
    const int target = static_cast<int>(term->target);
    *targets[target] += (term->cosAmplitude * g.cos + term->sinAmplitude * g.sin) * factors[target];
  }
  return term;
}

constexpr double MoonMeanDistanceKm = 385000.52899;
constexpr double KmPerAu = 149597870.66;

// Omega = 125.04452 - 1934.136261 T + 0.0020708 T^2 + T^3 / 450000 degrees.
double NodePolynomial(Mjd tt) {
  double t = CenturiesSinceJ2000(tt);
  return (((t * 2.222222222222222e-6 + 0.0020708) * t - 1934.136261) * t + 125.04452) * DegToRad;
}

void WriteNodes(double longitude, BodyId north, BodyId south) {
  BodyTable[north].geocentric = {Normalize2Pi(longitude), 0.0, 0.0};
  BodyTable[south].geocentric = {Normalize2Pi(Pi + longitude), 0.0, 0.0};
}

}  // namespace

Vec3 MoonPosition(Mjd tt) {
  const double t = (MjdToJd(tt) - 2451545.0) * 2.7378507871321012e-5;
  const MeanElements e = ComputeMeanElements(t);
  const LunarArguments arguments(e);
  Accumulator acc;
  ExplicitSums sums;
  const LunarExplicitTerm* term = LunarExplicitTerms;

  // Terms in T^2.
  EvaluateTable(LRT2Table, arguments, acc);
  EvaluateTable(BT2Table, arguments, acc);
  term = AddExplicitTerms(term, LunarExplicitTermsPerBlock[0], arguments, t, acc, sums);
  sums.longitude[2] = acc.longitude + sums.longitude[2];
  acc.latitude *= t;
  acc.distance *= t;
  acc.longitude = 0.0;

  // Terms in T.
  EvaluateTable(BTTable, arguments, acc);
  EvaluateTable(LRTTable, arguments, acc);
  term = AddExplicitTerms(term, LunarExplicitTermsPerBlock[1], arguments, t, acc, sums);
  sums.longitude[1] = sums.longitude[1] + acc.longitude;
  acc.latitude *= 0.1 * t;
  acc.distance *= 0.1 * t;

  // Constant terms.
  AddExplicitTerms(term, LunarExplicitTermsPerBlock[2], arguments, t, acc, sums);
  acc.longitude = 0.0;
  EvaluateTable(LRTable, arguments, acc);
  EvaluateTable(MBTable, arguments, acc);

  double longitude =
      e.longitude + sums.longitude[0] +
      1e-5 * t * (sums.longitude[1] + t * (sums.longitude[2] + t * sums.longitude[3])) +
      1e-4 * acc.longitude;
  double latitude = sums.latitude + 1e-4 * acc.latitude;
  double distanceKm = 1e-4 * acc.distance + MoonMeanDistanceKm;
  return {NormalizeArcsec(longitude) * RadiansPerArcsec, latitude * RadiansPerArcsec,
          distanceKm / KmPerAu};
}

double MeanNodeLongitude(Mjd tt) { return NodePolynomial(tt); }

double NodeWithNutationLongitude(Mjd tt, double dpsi) {
  const double m = tt;
  double correction =
      ((((2.4617184e-29 * m + 7.5456759e-25) * m + 1.1445232e-17) * m + 1.1193634e-11) * m -
       5.2178393e-6) * m + 0.40896588;
  return correction * RadiansPerArcsec + (dpsi + NodePolynomial(tt));
}

void NodeWithNutation(Mjd tt) { NodeWithNutation(tt, Nutation(tt).longitude); }

void NodeWithNutation(Mjd tt, double dpsi) {
  WriteNodes(NodeWithNutationLongitude(tt, dpsi), NorthNode, SouthNode);
}

void MeanNode(Mjd tt) { WriteNodes(MeanNodeLongitude(tt), MeanNorthNode, MeanSouthNode); }

}  // namespace orrery
