#include "astro/moon.h"

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

// Adds one table's terms; the row type is fixed per table.
template <int Type>
void EvaluateRows(const LunarSeriesTable& table, Accumulator& acc) {
  const std::int16_t* row = table.rows;
  for (int r = 0; r < table.rowCount; ++r, row += table.rowLength) {
    // Multiples of D, l', l and F combined by the addition formulas (a
    // multiple 0 adds nothing).
    SinCos angle = MultipleAngles.At(0, row[0]);
    for (int k = 1; k < 4; ++k) angle = AddAngle(angle, MultipleAngles.At(k, row[k]));
    const std::int16_t* a = row + 4;
    if constexpr (Type == 1) {
      acc.longitude += (10000.0 * a[0] + a[1]) * angle.sin;
      if (a[3] != 0) acc.distance += (10000.0 * a[2] + a[3]) * angle.cos;
    } else if constexpr (Type == 2) {
      acc.longitude += a[0] * angle.sin;
      acc.distance += a[1] * angle.cos;
    } else if constexpr (Type == 3) {
      acc.latitude += (10000.0 * a[0] + a[1]) * angle.sin;
    } else {
      acc.latitude += a[0] * angle.sin;
    }
  }
}

void EvaluateTable(const LunarSeriesTable& table, Accumulator& acc) {
  switch (table.type) {
    case 1: EvaluateRows<1>(table, acc); break;
    case 2: EvaluateRows<2>(table, acc); break;
    case 3: EvaluateRows<3>(table, acc); break;
    default: EvaluateRows<4>(table, acc); break;
  }
}

// Sines and cosines of the multiples of the mean elements that the explicit
// terms combine: every argument is then a product of these and of its
// constant phase by the addition formulas, instead of a sine and cosine of
// its own.
struct ElementMultiples {
  static constexpr int RowLength = 2 * LunarElementHighestMultiple + 1;
  SinCos entries[10 * RowLength];

  explicit ElementMultiples(const MeanElements& e) {
    const double values[10] = {e.venus,      e.earth,      e.mars,        e.jupiter,
                               e.saturn,     e.elongation, e.sunAnomaly,  e.moonAnomaly,
                               e.latitude,   e.longitude};
    for (int i = 0; i < 10; ++i) {
      FillMultiples(entries + i * RowLength + LunarElementHighestMultiple,
                    values[i] * RadiansPerArcsec, LunarElementMultiples[i]);
    }
  }
};

// An explicit term's argument in compact form: the sine and cosine of its
// phase and the element multiples it combines (at most five; unused slots
// name multiple 0 of the first element, which adds nothing).
struct ExplicitArgument {
  static constexpr int Slots = 5;
  SinCos phase;
  std::uint16_t entries[Slots];
};

const ExplicitArgument* ExplicitArguments() {
  static const std::vector<ExplicitArgument> arguments = [] {
    const int count = LunarExplicitTermsPerBlock[0] + LunarExplicitTermsPerBlock[1] +
                      LunarExplicitTermsPerBlock[2];
    std::vector<ExplicitArgument> result(count);
    for (int k = 0; k < count; ++k) {
      const LunarExplicitTerm& term = LunarExplicitTerms[k];
      ExplicitArgument& a = result[k];
      const double phase = term.phase * RadiansPerArcsec;
      a.phase = {Sin(phase), Cos(phase)};
      int used = 0;
      for (int i = 0; i < 10 && used < ExplicitArgument::Slots; ++i) {
        if (term.multipliers[i] == 0) continue;
        a.entries[used++] = static_cast<std::uint16_t>(
            i * ElementMultiples::RowLength + LunarElementHighestMultiple + term.multipliers[i]);
      }
      while (used < ExplicitArgument::Slots) a.entries[used++] = LunarElementHighestMultiple;
    }
    return result;
  }();
  return arguments.data();
}

// Adds the explicit terms of one block, in order; consecutive terms on the
// same argument share its sine and cosine.
const LunarExplicitTerm* AddExplicitTerms(const LunarExplicitTerm* term, int count,
                                          const ElementMultiples& multiples, double t,
                                          Accumulator& acc, ExplicitSums& sums) {
  // Where each LunarTarget adds, and by what factor.
  double* const targets[8] = {&sums.longitude[0], &sums.longitude[1], &sums.longitude[2],
                              &sums.longitude[3], &acc.distance,      &acc.distance,
                              &acc.latitude,      &sums.latitude};
  const double factors[8] = {1.0, 1.0, 1.0, 1.0, 1.0, t, 1.0, 1.0};
  const ExplicitArgument* arguments = ExplicitArguments();
  SinCos g = {0.0, 1.0};
  for (const LunarExplicitTerm* end = term + count; term != end; ++term) {
    if (term->newArgument) {
      const ExplicitArgument& a = arguments[term - LunarExplicitTerms];
      g = a.phase;
      for (std::uint16_t entry : a.entries) g = AddAngle(g, multiples.entries[entry]);
    }
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
  FillMultipleAngles(0, e.elongation * RadiansPerArcsec, LunarMultiples[0]);
  FillMultipleAngles(1, e.sunAnomaly * RadiansPerArcsec, LunarMultiples[1]);
  FillMultipleAngles(2, e.moonAnomaly * RadiansPerArcsec, LunarMultiples[2]);
  FillMultipleAngles(3, e.latitude * RadiansPerArcsec, LunarMultiples[3]);

  const ElementMultiples multiples(e);
  Accumulator acc;
  ExplicitSums sums;
  const LunarExplicitTerm* term = LunarExplicitTerms;

  // Terms in T^2.
  EvaluateTable(LRT2Table, acc);
  EvaluateTable(BT2Table, acc);
  term = AddExplicitTerms(term, LunarExplicitTermsPerBlock[0], multiples, t, acc, sums);
  sums.longitude[2] = acc.longitude + sums.longitude[2];
  acc.latitude *= t;
  acc.distance *= t;
  acc.longitude = 0.0;

  // Terms in T.
  EvaluateTable(BTTable, acc);
  EvaluateTable(LRTTable, acc);
  term = AddExplicitTerms(term, LunarExplicitTermsPerBlock[1], multiples, t, acc, sums);
  sums.longitude[1] = sums.longitude[1] + acc.longitude;
  acc.latitude *= 0.1 * t;
  acc.distance *= 0.1 * t;

  // Constant terms.
  AddExplicitTerms(term, LunarExplicitTermsPerBlock[2], multiples, t, acc, sums);
  acc.longitude = 0.0;
  EvaluateTable(LRTable, acc);
  EvaluateTable(MBTable, acc);

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
