#include "astro/apparent_positions.h"

#include "astro/earth_orientation.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/time_scales.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

constexpr double SpeedOfLight = 299792458.0;   // m/s
constexpr double AstronomicalUnit = 149597870660.0;  // m
constexpr double SecondsPerDay = 86400.0;
constexpr double EarthMass = 5.977e24;  // kg
constexpr double MoonMass = 7.35e22;    // kg
// Offset of the Earth from the Earth-Moon barycentre, as the angle it spans at
// one Moon distance per unit of barycentre radius.
constexpr double BarycentreAngle = 0.6961111111111111 * (Pi / 180.0);
constexpr double AberrationConstant = -20.49 * RadiansPerArcsec;
constexpr double EccentricityTerm = 0.343 * RadiansPerArcsec;
// Longitude of the Earth's perihelion: the eccentricity term points there.
constexpr double PerihelionLongitude = 102.94 * DegToRad;

// The rotations of one instant that every body shares. Each one is computed
// exactly as the single-body operations compute it, so the results are the
// same bits as without this cache.
struct FrameOfDate {
  Mat3 precession;  // J2000 to the ecliptic and equinox of date
  NutationAngles angles;
  Mat3 nutation;
  double obliquity;  // true obliquity
  double sinObliquity, cosObliquity;
  Mat3 toEquator, toEcliptic;  // at the true obliquity of the date's Julian date
};

FrameOfDate MakeFrameOfDate(Mjd tt) {
  FrameOfDate f;
  f.precession = EclipticPrecessionMatrix(tt, J2000);
  f.angles = Nutation(tt);
  f.nutation = NutationMatrix(f.angles);
  f.obliquity = TrueObliquity(f.angles);
  f.sinObliquity = Sin(f.obliquity);
  f.cosObliquity = Cos(f.obliquity);
  double rotation = TrueObliquity(JdToMjd(MjdToJd(tt)));
  f.toEquator = RotX(-rotation);
  f.toEcliptic = RotX(rotation);
  return f;
}

SinCos SinCosOf(double angle) { return {Sin(angle), Cos(angle)}; }

// sun: sine and cosine of the Sun's apparent longitude.
void Aberrate(Vec3& position, const FrameOfDate& f, const SinCos& sun) {
  static const double sinW = Sin(PerihelionLongitude);
  static const double cosW = Cos(PerihelionLongitude);
  const double se = f.sinObliquity, ce = f.cosObliquity;
  Vec3 eq;
  RotateKeepingRadius(eq, position, f.toEquator);
  const double sa = Sin(eq.x), ca = Cos(eq.x);
  const double sd = Sin(eq.y), cd = Cos(eq.y);
  const double sl = sun.sin, cl = sun.cos;
  const double k = se * cd - sa * sd * ce;
  double a = eq.x + (EccentricityTerm * (ce * cosW * ca + sa * sinW) +
                     AberrationConstant * (ce * cl * ca + sa * sl)) / cd;
  double d = eq.y + EccentricityTerm * (sinW * sd * ca + cosW * k) +
             AberrationConstant * (sl * sd * ca + cl * k);
  RotateKeepingRadius(position, Vec3{a, d, eq.z}, f.toEcliptic);
}

// The planet's series from argument rows already filled for tt.
void PlanetOfDate(Mjd tt, BodyId body, const Mat3& precession) {
  // The polar conversion after the rotation leaves both angles in [0, 2pi].
  Vec3 v = SumPlanetSeries(MjdToJd(tt), *PlanetTheoryOf(body));
  RotatePolar(v, precession);
  BodyTable[body].heliocentric = v;
}

void HeliocentricOfDate(Mjd tt, BodyId body, const Mat3& precession) {
  BodyPosition& entry = BodyTable[body];
  if (body == Sun) {
    entry.heliocentric = {0.0, 0.0, 0.0};
    return;
  }
  if (body == Moon) {
    Vec3 moon = MoonPosition(tt);
    entry.geocentric = {Normalize2Pi(moon.x), Normalize2Pi(moon.y), moon.z};
    entry.heliocentric = {0.0, 0.0, 0.0};
    return;
  }
  FillFundamentalArguments(MjdToJd(tt), PlanetTheoryOf(body)->maxHarmonic);
  PlanetOfDate(tt, body, precession);
}

// Entry Earth holds the Earth-Moon barycentre; move it to the Earth.
void BarycentreToEarth() {
  const Vec3 moon = BodyTable[Moon].geocentric;
  Vec3& e = BodyTable[Earth].heliocentric;
  const double q = moon.z / e.z * BarycentreAngle;
  const double f = MoonMass / (EarthMass + MoonMass);
  const double cosMoonLatitude = Cos(moon.y);
  const double sinElongation = Sin(e.x - moon.x);
  const double cosElongation = Cos(e.x - moon.x);
  e = {Normalize2Pi(e.x + sinElongation * cosMoonLatitude * q),
       Normalize2Pi(e.y - Sin(moon.y) * q),
       e.z - cosElongation * cosMoonLatitude * moon.z * f};
}

Vec3 GeocentricOf(const Vec3& heliocentric, const Vec3& earth) {
  Vec3 v;
  PolarToCartesian(v, heliocentric);
  v = Subtract(v, earth);
  CartesianToPolar(v, v);
  return v;
}

}  // namespace

void HeliocentricOfDate(Mjd tt, BodyId body) {
  HeliocentricOfDate(tt, body, EclipticPrecessionMatrix(tt, J2000));
}

void ApplyAnnualAberration(Vec3& position, Mjd tt, double sunLongitude) {
  Aberrate(position, MakeFrameOfDate(tt), SinCosOf(sunLongitude));
}

void ComputePositionsAtTerrestrialTime(Mjd t) {
  const FrameOfDate frame = MakeFrameOfDate(t);
  HeliocentricOfDate(t, Sun, frame.precession);
  HeliocentricOfDate(t, Moon, frame.precession);
  // The planets share one instant: their argument rows are filled once.
  FillFundamentalArguments(MjdToJd(t), AllPlanetsMaxHarmonic);
  for (int b = Mercury; b <= Pluto; ++b) PlanetOfDate(t, BodyId(b), frame.precession);
  BarycentreToEarth();

  const Vec3 earth = BodyTable[Earth].heliocentric;
  Vec3 earthCartesian;
  PolarToCartesian(earthCartesian, earth);
  SinCos sun;
  for (int b = Sun; b <= Pluto; ++b) {
    if (b == Earth) continue;
    BodyPosition& entry = BodyTable[b];
    const Vec3 heliocentric = entry.heliocentric;
    if (b != Moon) {
      entry.geocentric = GeocentricOf(heliocentric, earthCartesian);
      // One light-time iteration; the Earth is not moved back. The Sun stays
      // at the origin, so for it the iteration changes nothing.
      if (b != Sun) {
        double tau = entry.geocentric.z / SpeedOfLight * AstronomicalUnit / SecondsPerDay;
        Mjd emitted = t - tau;
        HeliocentricOfDate(emitted, BodyId(b), EclipticPrecessionMatrix(emitted, J2000));
        entry.geocentric = GeocentricOf(entry.heliocentric, earthCartesian);
      }
    }
    RotatePolar(entry.geocentric, frame.nutation);
    if (b != Moon) {
      // The Sun's longitude feeds the aberration: for the Sun itself before
      // its own aberration, for every later body after it.
      if (b == Sun || b == Mercury) sun = SinCosOf(BodyTable[Sun].geocentric.x);
      Aberrate(entry.geocentric, frame, sun);
      entry.heliocentric = heliocentric;
    }
  }
  BodyTable[Earth].heliocentric = earth;
  BodyTable[Sun].heliocentric = {0.0, 0.0, 0.0};
  BodyTable[Earth].geocentric = {0.0, 0.0, 0.0};

  NodeWithNutation(t, frame.angles.longitude);
  MeanNode(t);
}

void ComputePositionsAt(Mjd ut) { ComputePositionsAtTerrestrialTime(ut + DeltaT(ut) / 86400.0); }

void ComputeBodyPositions(Mjd ut) {
  for (BodyPosition& entry : BodyTable) {
    entry.geocentric = {0.0, 0.0, 0.0};
    entry.heliocentric = {0.0, 0.0, 0.0};
    entry.retrograde = 0;
  }
  ComputePositionsAt(ut - 3600.0 / 86400.0);
  double earlier[BodyCount];
  for (int b = 0; b < BodyCount; ++b) earlier[b] = BodyTable[b].geocentric.x;
  ComputePositionsAt(ut);
  for (int b = Mercury; b < BodyCount; ++b) {
    // Backwards when the hour's motion, reduced to (-pi, pi], is negative.
    BodyTable[b].retrograde = SignedDifference(earlier[b], BodyTable[b].geocentric.x) > 0.0;
  }
}

}  // namespace orrery
