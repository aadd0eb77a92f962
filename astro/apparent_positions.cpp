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

// Annual aberration of a geocentric position given as a cartesian vector on
// the true equator of date; returns the apparent ecliptic position, with the
// distance carried through. sun: sine and cosine of the Sun's apparent
// longitude.
Vec3 Aberrated(const Vec3& equatorial, const FrameOfDate& f, const SinCos& sun) {
  static const double sinW = Sin(PerihelionLongitude);
  static const double cosW = Cos(PerihelionLongitude);
  const double se = f.sinObliquity, ce = f.cosObliquity;
  Vec3 eq;
  CartesianToPolar(eq, equatorial);
  const double sa = Sin(eq.x), ca = Cos(eq.x);
  const double sd = Sin(eq.y), cd = Cos(eq.y);
  const double sl = sun.sin, cl = sun.cos;
  const double k = se * cd - sa * sd * ce;
  double a = eq.x + (EccentricityTerm * (ce * cosW * ca + sa * sinW) +
                     AberrationConstant * (ce * cl * ca + sa * sl)) / cd;
  double d = eq.y + EccentricityTerm * (sinW * sd * ca + cosW * k) +
             AberrationConstant * (sl * sd * ca + cl * k);
  Vec3 apparent;
  RotateKeepingRadius(apparent, Vec3{a, d, eq.z}, f.toEcliptic);
  return apparent;
}

// A planet's heliocentric position of date in cartesian form, from argument
// rows already filled for tt.
Vec3 PlanetOfDate(Mjd tt, BodyId body, const Mat3& precession) {
  Vec3 v = SumPlanetSeries(MjdToJd(tt), *PlanetTheoryOf(body));
  PolarToCartesian(v, v);
  MatTimesVec(v, precession, v);
  return v;
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
  // The polar conversion leaves both angles in [0, 2pi].
  CartesianToPolar(entry.heliocentric, PlanetOfDate(tt, body, precession));
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

// The geocentric vector of a planet, light time included: the planet where
// it was when the light now arriving left it (one iteration); the Earth is
// not moved back. helio: its cartesian heliocentric position at tt.
// arguments: the fundamental arguments filled for tt.
Vec3 LightTimeGeocentric(Mjd tt, BodyId body, const Vec3& helio, const Vec3& earth,
                         const FundamentalArgumentsAt& arguments) {
  const double tau = Norm(Subtract(helio, earth)) / SpeedOfLight * AstronomicalUnit / SecondsPerDay;
  const Mjd emitted = tt - tau;
  FillFundamentalArgumentsNear(MjdToJd(emitted), PlanetTheoryOf(body)->maxHarmonic, arguments);
  return Subtract(PlanetOfDate(emitted, body, EclipticPrecessionMatrix(emitted, J2000)), earth);
}

}  // namespace

void HeliocentricOfDate(Mjd tt, BodyId body) {
  HeliocentricOfDate(tt, body, EclipticPrecessionMatrix(tt, J2000));
}

void ApplyAnnualAberration(Vec3& position, Mjd tt, double sunLongitude) {
  const FrameOfDate frame = MakeFrameOfDate(tt);
  Vec3 equatorial;
  PolarToCartesian(equatorial, position);
  MatTimesVec(equatorial, frame.toEquator, equatorial);
  const double distance = position.z;
  position = Aberrated(equatorial, frame, SinCosOf(sunLongitude));
  position.z = distance;
}

// Between the steps of the chain a body stays a cartesian vector; it becomes
// polar only where an angle is stored or feeds a formula (the heliocentric
// position, the Sun's longitude, the equatorial angles of the aberration).
void ComputePositionsAtTerrestrialTime(Mjd t) {
  const FrameOfDate frame = MakeFrameOfDate(t);
  HeliocentricOfDate(t, Sun, frame.precession);
  HeliocentricOfDate(t, Moon, frame.precession);
  // The planets share one instant: their argument rows are filled once.
  const FundamentalArgumentsAt arguments = FillFundamentalArguments(MjdToJd(t), AllPlanetsMaxHarmonic);
  Vec3 helio[BodyCount];  // cartesian heliocentric positions at t
  for (int b = Mercury; b <= Pluto; ++b) {
    helio[b] = PlanetOfDate(t, BodyId(b), frame.precession);
    // The polar conversion leaves both angles in [0, 2pi].
    CartesianToPolar(BodyTable[b].heliocentric, helio[b]);
  }
  BarycentreToEarth();

  Vec3 earth;
  PolarToCartesian(earth, BodyTable[Earth].heliocentric);
  SinCos sun;
  for (int b = Sun; b <= Pluto; ++b) {
    if (b == Earth) continue;
    BodyPosition& entry = BodyTable[b];
    if (b == Moon) {
      RotatePolar(entry.geocentric, frame.nutation);
      continue;
    }
    // The Sun sits at the origin: light time changes nothing for it.
    Vec3 geocentric = b == Sun ? Subtract(Vec3{0.0, 0.0, 0.0}, earth)
                               : LightTimeGeocentric(t, BodyId(b), helio[b], earth, arguments);
    MatTimesVec(geocentric, frame.nutation, geocentric);
    // The Sun's longitude feeds the aberration: for the Sun itself before
    // its own aberration, for every later body after it.
    if (b == Sun) {
      Vec3 nutated;
      CartesianToPolar(nutated, geocentric);
      sun = SinCosOf(nutated.x);
    }
    if (b == Mercury) sun = SinCosOf(BodyTable[Sun].geocentric.x);
    MatTimesVec(geocentric, frame.toEquator, geocentric);
    entry.geocentric = Aberrated(geocentric, frame, sun);
  }
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
