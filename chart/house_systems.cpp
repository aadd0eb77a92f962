#include "chart/house_systems.h"

#include <cmath>
#include <initializer_list>

#include "chart/live_settings.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

const HouseSystemInfo houseSystemInfo[HouseSystemCount] = {
    {Placidus, 45, 'P', 40029},      {Koch, 46, 'K', 40030},
    {EqualHouses, 47, 'E', 40053},   {Vehlow, 49, 'V', 40054},
    {Campanus, 50, 'C', 40055},      {Regiomontanus, 51, 'R', 40056},
    {Porphyry, 48, 'Y', 40057},
};

namespace {

constexpr double OneThird = 0.3333333333333333;
constexpr double TwoThirds = 0.6666666666666666;

// Placidus refines each cusp until it moves by less than AngleEpsilon; the
// bound only guards the loop (near the polar circle it takes about 30 steps).
constexpr int PlacidusMaxRefinements = 50;

// Cusp indexes (0-based) of the intermediate cusps 11, 12, 2 and 3.
constexpr int Cusp11 = 10;
constexpr int Cusp12 = 11;
constexpr int Cusp2 = 1;
constexpr int Cusp3 = 2;

// The obliquity's sine and cosine, taken once per house computation; the
// projections below receive the tangent of their pole for the same reason.
struct EclipticTilt {
  double sine;
  double cosine;
};

EclipticTilt TiltOf(double obliquity) { return {Sin(obliquity), Cos(obliquity)}; }

// An oblique ascension reduced to the first quadrant: which quadrant it lay
// in, and the sine and cosine of the reduced angle. Placidus projects one
// ascension with a different pole on every refinement; these stay the same.
struct ObliqueAscension {
  int quadrant;  // 1..4
  double sine, cosine;
};

ObliqueAscension Reduced(double a) {
  a = Normalize2Pi(a);
  const int quadrant = static_cast<int>(a / HalfPi) + 1;
  const double reduced = quadrant == 1 ? a : quadrant == 2 ? Pi - a : quadrant == 3 ? a - Pi : TwoPi - a;
  return {quadrant, Sin(reduced), Cos(reduced)};
}

// The first-quadrant projection from the reduced angle's sine and cosine.
double FirstQuadrant(double sine, double cosine, double tanPole, const EclipticTilt& tilt) {
  double num = sine;
  double den = cosine * tilt.cosine - tilt.sine * tanPole;
  if (std::fabs(num) < AngleEpsilon) num = 0.0;
  if (std::fabs(den) < AngleEpsilon) den = 0.0;
  double r;
  if (num == 0.0) {
    r = den < 0.0 ? -AngleEpsilon : AngleEpsilon;
  } else if (den != 0.0) {
    r = Atan(num / den);
  } else {
    r = num < 0.0 ? -HalfPi : HalfPi;
  }
  return r < 0.0 ? r + Pi : r;
}

double FirstQuadrant(double a, double tanPole, const EclipticTilt& tilt) {
  return FirstQuadrant(Sin(a), Cos(a), tanPole, tilt);
}

// ObliqueToEcliptic with the ascension reduced and the pole given by its
// tangent.
double ObliqueToEclipticTan(const ObliqueAscension& a, double tanPole, const EclipticTilt& tilt) {
  double r;
  switch (a.quadrant) {
    case 1:
      r = FirstQuadrant(a.sine, a.cosine, tanPole, tilt);
      break;
    case 2:
      r = Pi - FirstQuadrant(a.sine, a.cosine, -tanPole, tilt);
      break;
    case 3:
      r = Pi + FirstQuadrant(a.sine, a.cosine, -tanPole, tilt);
      break;
    default:
      r = TwoPi - FirstQuadrant(a.sine, a.cosine, tanPole, tilt);
      break;
  }
  r = Normalize2Pi(r);
  if (std::fabs(r) < AngleEpsilon) return 0.0;
  if (std::fabs(r - HalfPi) < AngleEpsilon) return HalfPi;
  if (std::fabs(r - Pi) < AngleEpsilon) return Pi;
  if (std::fabs(r - ThreeHalfPi) < AngleEpsilon) return ThreeHalfPi;
  if (std::fabs(r - TwoPi) < AngleEpsilon) return 0.0;
  return r;
}

double ObliqueToEclipticTan(double a, double tanPole, const EclipticTilt& tilt) {
  return ObliqueToEclipticTan(Reduced(a), tanPole, tilt);
}

// A latitude within AngleEpsilon of a pole moves AngleEpsilon inside it.
double PoleGuarded(double latitude) {
  if (std::fabs(std::fabs(latitude) - HalfPi) < AngleEpsilon)
    return latitude < 0.0 ? AngleEpsilon - HalfPi : HalfPi - AngleEpsilon;
  return latitude;
}

// The Midheaven culminates below the horizon (only inside the polar circles):
// the declination of the meridian's ecliptic point against the co-latitude.
bool MidheavenBelowHorizon(double ramc, double latitude, double obliquity) {
  double declination = Atan(Tan(obliquity) * Sin(ramc));
  if (latitude >= 0.0) return (HalfPi - latitude) + declination < 0.0;
  return declination - (HalfPi + latitude) > 0.0;
}

// Cusps 1, 4 to 9 from the Ascendant, Midheaven and cusps 11, 12, 2, 3; all
// twelve normalised.
void CompleteCusps(HouseFrame& f) {
  double* c = f.cusps;
  c[0] = f.ascendant;
  c[9] = f.midheaven;
  c[3] = f.midheaven + Pi;
  c[4] = c[Cusp11] + Pi;
  c[5] = c[Cusp12] + Pi;
  c[6] = c[0] + Pi;
  c[7] = c[Cusp2] + Pi;
  c[8] = c[Cusp3] + Pi;
  for (int k = 0; k < HouseCount; ++k) c[k] = Normalize2Pi(c[k]);
}

// Equal, Vehlow and Porphyry keep the Ascendant east of the Midheaven.
void TurnAscendantEastOfMidheaven(HouseFrame& f) {
  if (SignedDifference(f.ascendant, f.midheaven) < 0.0) f.ascendant = Normalize2Pi(f.ascendant + Pi);
}

void PorphyryCusps(HouseFrame& f) {
  TurnAscendantEastOfMidheaven(f);
  double d = SignedDifference(f.ascendant, f.midheaven);
  f.cusps[Cusp11] = Normalize2Pi(f.midheaven + d * OneThird);
  f.cusps[Cusp12] = Normalize2Pi(f.midheaven + d * TwoThirds);
  f.cusps[Cusp2] = Normalize2Pi(f.ascendant + (Pi - d) * OneThird);
  f.cusps[Cusp3] = Normalize2Pi(f.ascendant + (Pi - d) * TwoThirds);
  CompleteCusps(f);
}

void EqualCusps(HouseFrame& f) {
  TurnAscendantEastOfMidheaven(f);
  f.cusps[0] = f.ascendant;
  for (int k = 1; k < HouseCount; ++k) f.cusps[k] = Normalize2Pi(f.ascendant + k * Deg30);
}

void VehlowCusps(HouseFrame& f) {
  EqualCusps(f);
  for (double& cusp : f.cusps) cusp = Normalize2Pi(cusp - Deg15);
}

// One Placidus cusp: the ecliptic point whose hour angle is the fraction f of
// its semi-arc, found by refining the pole from the point's declination.
// Poles are carried as their tangents (the tangent of atan q is q).
double PlacidusCusp(const HouseFrame& frame, const EclipticTilt& tilt, double offset, double fraction,
                    double initialTanPole) {
  double tanLatitude = Tan(frame.latitude);
  double ra = Normalize2Pi(frame.ramc + offset);
  const ObliqueAscension ascension = Reduced(ra);
  double longitude = ObliqueToEclipticTan(ascension, initialTanPole, tilt);
  for (int step = 0; step < PlacidusMaxRefinements; ++step) {
    // The tangent of the declination of the point at this longitude.
    const double sinDeclination = Sin(longitude) * tilt.sine;
    double t = sinDeclination / Sqrt(1.0 - sinDeclination * sinDeclination);
    if (std::fabs(t) < AngleEpsilon) return ra;
    double tanPole = Sin(Asin(t * tanLatitude) * fraction) / t;
    double next = ObliqueToEclipticTan(ascension, tanPole, tilt);
    double change = std::fabs(SignedDifference(next, longitude));
    longitude = next;
    if (change < AngleEpsilon) break;
  }
  return longitude;
}

void PlacidusCusps(HouseFrame& f) {
  EclipticTilt tilt = TiltOf(f.obliquity);
  double tanObliquity = Tan(f.obliquity);
  double a = Asin(tanObliquity * Tan(f.latitude));
  double tanPoleThird = (1.0 / tanObliquity) * Sin(a * OneThird);
  double tanPoleTwoThirds = (1.0 / tanObliquity) * Sin(a * TwoThirds);
  f.cusps[Cusp11] = PlacidusCusp(f, tilt, Deg30, OneThird, tanPoleThird);
  f.cusps[Cusp12] = PlacidusCusp(f, tilt, Deg60, TwoThirds, tanPoleTwoThirds);
  f.cusps[Cusp2] = PlacidusCusp(f, tilt, Deg120, TwoThirds, tanPoleTwoThirds);
  f.cusps[Cusp3] = PlacidusCusp(f, tilt, Deg150, OneThird, tanPoleThird);
  CompleteCusps(f);
}

// Koch: the Midheaven's semi-arc in thirds, projected under the latitude
// itself. d is one third of the Midheaven degree's ascensional difference.
void KochCusps(HouseFrame& f) {
  double k = (Sin(f.obliquity) / Cos(f.latitude)) * Sin(f.midheaven);
  double s = Sqrt(1.0 - k * k);
  double u = Atan(Tan(f.latitude) / s);
  double d = Asin(Sin(u) * k) * OneThird;
  double d2 = 2.0 * d;
  EclipticTilt tilt = TiltOf(f.obliquity);
  double tanPole = Tan(f.latitude);
  f.cusps[Cusp11] = ObliqueToEclipticTan(f.ramc + Deg30 - d2, tanPole, tilt);
  f.cusps[Cusp12] = ObliqueToEclipticTan(f.ramc + Deg60 - d, tanPole, tilt);
  f.cusps[Cusp2] = ObliqueToEclipticTan(f.ramc + Deg120 + d, tanPole, tilt);
  f.cusps[Cusp3] = ObliqueToEclipticTan(f.ramc + Deg150 + d2, tanPole, tilt);
  CompleteCusps(f);
}

// Inside the polar circles the Midheaven may culminate below the horizon;
// Campanus and Regiomontanus then take the upper meridian point opposite it,
// and their intermediate cusps with it. (The Ascendant is already turned.)
void PolarTurn(HouseFrame& f, double latitude) {
  if (!MidheavenBelowHorizon(f.ramc, latitude, f.obliquity)) return;
  f.midheaven = Normalize2Pi(f.midheaven + Pi);
  for (int k : {Cusp11, Cusp12, Cusp2, Cusp3}) f.cusps[k] = Normalize2Pi(f.cusps[k] + Pi);
}

void CampanusCusps(HouseFrame& f) {
  double phi = PoleGuarded(f.latitude);
  double sqrt3 = Sqrt(3.0);
  double p1 = Asin(Sin(phi) * 0.5);
  double p2 = Asin(Sin(phi) * sqrt3 * 0.5);
  double inverseCos = 1.0 / Cos(phi);  // the pole guard keeps cos phi above 1e-12
  double a = Atan(sqrt3 * inverseCos);
  double b = Atan(inverseCos / sqrt3);
  double east = f.ramc + HalfPi;
  EclipticTilt tilt = TiltOf(f.obliquity);
  double tanP1 = Tan(p1), tanP2 = Tan(p2);
  f.cusps[Cusp11] = ObliqueToEclipticTan(east - a, tanP1, tilt);
  f.cusps[Cusp12] = ObliqueToEclipticTan(east - b, tanP2, tilt);
  f.cusps[Cusp2] = ObliqueToEclipticTan(east + b, tanP2, tilt);
  f.cusps[Cusp3] = ObliqueToEclipticTan(east + a, tanP1, tilt);
  PolarTurn(f, phi);
  CompleteCusps(f);
}

void RegiomontanusCusps(HouseFrame& f) {
  double phi = PoleGuarded(f.latitude);
  // Poles atan(tan phi / 2) and atan(cos 30 tan phi), carried as tangents.
  double tanP1 = Tan(phi) * 0.5;
  double tanP2 = Cos(Deg30) * Tan(phi);
  EclipticTilt tilt = TiltOf(f.obliquity);
  f.cusps[Cusp11] = ObliqueToEclipticTan(f.ramc + Deg30, tanP1, tilt);
  f.cusps[Cusp12] = ObliqueToEclipticTan(f.ramc + Deg60, tanP2, tilt);
  f.cusps[Cusp2] = ObliqueToEclipticTan(f.ramc + Deg120, tanP2, tilt);
  f.cusps[Cusp3] = ObliqueToEclipticTan(f.ramc + Deg150, tanP1, tilt);
  PolarTurn(f, phi);
  CompleteCusps(f);
}

}  // namespace

int EffectiveHouseSystem(int system) {
  return system >= Koch && system <= Porphyry ? system : Placidus;
}

double Ramc(double lst) { return Normalize2Pi(lst * (1.0 / 240.0) * (Pi / 180.0)); }

double FirstQuadrantLongitude(double a, double pole, double obliquity) {
  return FirstQuadrant(a, Tan(pole), TiltOf(obliquity));
}

double ObliqueToEcliptic(double a, double pole, double obliquity) {
  return ObliqueToEclipticTan(a, Tan(pole), TiltOf(obliquity));
}

double MidheavenOf(double ramc, double obliquity) {
  if (std::fabs(ramc - HalfPi) <= AngleEpsilon) return HalfPi;
  if (std::fabs(ramc - ThreeHalfPi) <= AngleEpsilon) return ThreeHalfPi;
  double mc = Atan(Tan(ramc) / Cos(obliquity));
  if (ramc > HalfPi && ramc <= ThreeHalfPi) mc += Pi;
  return Normalize2Pi(mc);
}

double AscendantOf(double ramc, double latitude, double obliquity) {
  double phi = PoleGuarded(latitude);
  double asc = ObliqueToEcliptic(ramc + HalfPi, phi, obliquity);
  if (MidheavenBelowHorizon(ramc, phi, obliquity)) asc = Normalize2Pi(asc + Pi);
  return asc;
}

bool IsPolarLatitude(double latitude, double obliquity) {
  return std::fabs(latitude) >= HalfPi - obliquity;
}

int HouseSystemUsed(int system, double latitude, double obliquity) {
  system = EffectiveHouseSystem(system);
  if ((system == Placidus || system == Koch) && IsPolarLatitude(latitude, obliquity)) return Porphyry;
  return system;
}

HouseFrame MakeHouseFrame(double lst, double latitude, double obliquity) {
  HouseFrame frame{};
  frame.ramc = Ramc(lst);
  frame.latitude = latitude;
  frame.obliquity = obliquity;
  frame.midheaven = MidheavenOf(frame.ramc, obliquity);
  frame.ascendant = AscendantOf(frame.ramc, latitude, obliquity);
  return frame;
}

void ComputeCusps(int system, HouseFrame& frame) {
  switch (HouseSystemUsed(system, frame.latitude, frame.obliquity)) {
    case Koch:
      KochCusps(frame);
      break;
    case EqualHouses:
      EqualCusps(frame);
      break;
    case Vehlow:
      VehlowCusps(frame);
      break;
    case Campanus:
      CampanusCusps(frame);
      break;
    case Regiomontanus:
      RegiomontanusCusps(frame);
      break;
    case Porphyry:
      PorphyryCusps(frame);
      break;
    default:
      PlacidusCusps(frame);
      break;
  }
}

int HouseOfLongitude(const double cusps[HouseCount], double longitude) {
  // With the cusps in order around the circle exactly one house passes
  // through 0 degrees: the one whose cusp is above the next. Inside the polar
  // circles Campanus and Regiomontanus cusps can fall out of order; there only
  // a house from the last quadrant into the first counts as wrapping.
  int descents = 0;
  for (int k = 0; k < HouseCount; ++k) descents += cusps[(k + 1) % HouseCount] < cusps[k];
  bool inOrder = descents == 1;
  for (int k = 0; k < HouseCount; ++k) {
    double lo = cusps[k];
    double hi = cusps[(k + 1) % HouseCount];
    if (lo <= longitude && longitude < hi) return k;
    bool wraps = inOrder ? lo > hi : lo > ThreeHalfPi && hi < HalfPi;
    if (wraps && (longitude >= lo || longitude < hi)) return k;
  }
  return 0;
}

double CorrectedLatitude(const ChartData& chart) {
  return DmsToRadians(chart.corrLatDegrees, chart.corrLatMinutes, chart.corrNorth != 0);
}

void ComputeMidheaven() {
  ChartData& chart = CurrentChart();
  chart.midheaven = MidheavenOf(Ramc(chart.lst), chart.obliquity);
}

void ComputeAscendant() {
  ChartData& chart = CurrentChart();
  chart.ascendant = AscendantOf(Ramc(chart.lst), CorrectedLatitude(chart), chart.obliquity);
}

void ComputeHouses() {
  ChartData& chart = CurrentChart();
  HouseFrame frame{};
  frame.ramc = Ramc(chart.lst);
  frame.latitude = CorrectedLatitude(chart);
  frame.obliquity = chart.obliquity;
  frame.midheaven = chart.midheaven;
  frame.ascendant = chart.ascendant;
  ComputeCusps(currentHouseSystem, frame);
  chart.midheaven = frame.midheaven;
  chart.ascendant = frame.ascendant;
  for (int k = 0; k < HouseCount; ++k) chart.cusps[k] = frame.cusps[k];
  AssignHouses();
}

void AssignHouses() {
  ChartData& chart = CurrentChart();
  for (int b = 0; b < BodyCount; ++b)
    chart.houseOf[b] = static_cast<std::int8_t>(HouseOfLongitude(chart.cusps, BodyTable[b].geocentric.x));
}

void ChangeHouseSystem(int system) {
  currentHouseSystem = static_cast<std::int8_t>(system);
  ChartData& chart = CurrentChart();
  chart.midheaven = BodyTable[Midheaven].geocentric.x;
  chart.ascendant = BodyTable[Ascendant].geocentric.x;
  ComputeHouses();
}

}  // namespace orrery
