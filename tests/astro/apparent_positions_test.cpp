// The apparent-position pipeline: what each BodyTable entry holds, the Earth
// and the Moon, annual aberration, and the retrograde flags.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/apparent_positions.h"
#include "astro/earth_orientation.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/time_scales.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

constexpr double Arcsec = RadiansPerArcsec;

bool InCircle(double angle) { return angle >= 0.0 && angle <= TwoPi; }

TEST(ComputeBodyPositions, FillsEveryEntryItOwnsAndNothingElse) {
  for (BodyPosition& entry : BodyTable) {
    entry.geocentric = entry.heliocentric = {9.0, 9.0, 9.0};
    entry.retrograde = 1;
    entry.factorFlags = 0x1234;
    entry.shown = 7;
  }
  for (Mjd ut : {-20000.25, 15000.5, 51544.5, 60000.1, 88000.9}) {
    ComputeBodyPositions(ut);
    for (int b = 0; b < BodyCount; ++b) {
      const BodyPosition& p = BodyTable[b];
      EXPECT_TRUE(InCircle(p.geocentric.x) && InCircle(p.geocentric.y)) << b;
      EXPECT_TRUE(InCircle(p.heliocentric.x) && InCircle(p.heliocentric.y)) << b;
      EXPECT_EQ(p.factorFlags, 0x1234);
      EXPECT_EQ(p.shown, 7u);
    }
    for (BodyId zero : {Ascendant, Midheaven}) {
      EXPECT_EQ(BodyTable[zero].geocentric.x, 0.0);
      EXPECT_EQ(BodyTable[zero].retrograde, 0);
    }
    EXPECT_EQ(BodyTable[Sun].heliocentric.z, 0.0);
    EXPECT_EQ(BodyTable[Moon].heliocentric.z, 0.0);
    EXPECT_EQ(BodyTable[Earth].geocentric.x, 0.0);
    EXPECT_EQ(BodyTable[Earth].geocentric.z, 0.0);
    EXPECT_EQ(BodyTable[Earth].retrograde, 0);
    EXPECT_EQ(BodyTable[Sun].retrograde, 0);
    EXPECT_EQ(BodyTable[Moon].retrograde, 0);
    // The mean node always regresses, and so does the node with nutation.
    for (BodyId node : {NorthNode, SouthNode, MeanNorthNode, MeanSouthNode}) {
      EXPECT_EQ(BodyTable[node].retrograde, 1) << node;
      EXPECT_EQ(BodyTable[node].heliocentric.z, 0.0);
    }
    for (int b = Mercury; b <= Pluto; ++b) EXPECT_GT(BodyTable[b].heliocentric.z, 0.3) << b;
  }
}

TEST(ComputePositions, TheSunIsTheEarthReversedWithNutationAndAberration) {
  for (Mjd tt : {30000.0, 51544.5, 51726.0, 70000.0}) {
    ComputePositionsAtTerrestrialTime(tt);
    const Vec3& earth = BodyTable[Earth].heliocentric;
    const Vec3& sun = BodyTable[Sun].geocentric;
    EXPECT_NEAR(sun.z, earth.z, 1e-12);
    EXPECT_NEAR(NormalizePi(sun.y) / Arcsec, -NormalizePi(earth.y) / Arcsec, 0.001);
    // Aberration -20.49" -/+ 0.34" by the Earth's distance from the Sun.
    double shift = SignedDifference(sun.x, earth.x + Pi) - Nutation(tt).longitude;
    EXPECT_NEAR(shift / Arcsec, -20.49, 0.36) << tt;
  }
}

TEST(ComputePositions, TheEarthIsMovedOffTheBarycentreByTheMoon) {
  const Mjd tt = 51544.5;
  ComputePositionsAtTerrestrialTime(tt);
  Vec3 barycentre = EvaluatePlanet(MjdToJd(tt), EarthMoonBarycentreTheory);
  PrecessEcliptic(barycentre, tt, J2000);
  const Vec3& earth = BodyTable[Earth].heliocentric;
  // The Earth sits 1/82.3 of the Moon's distance (about 4670 km) from the
  // barycentre, away from the Moon: seen from the Sun at most 6.4", in
  // longitude by the sine of the Moon's elongation.
  const Vec3 moon = MoonPosition(tt);
  double expected = 0.012149 * moon.z * std::cos(moon.y) / barycentre.z *
                    std::sin(barycentre.x - moon.x);
  double moved = SignedDifference(earth.x, barycentre.x);
  EXPECT_NEAR(moved / Arcsec, expected / Arcsec, 0.01);
  EXPECT_GT(std::fabs(moved / Arcsec), 1.0);
}

TEST(ComputePositions, TheMoonGetsNutationButNoAberration) {
  for (Mjd tt : {40000.3, 51544.5, 62000.7}) {
    ComputePositionsAtTerrestrialTime(tt);
    const Vec3 mean = MoonPosition(tt);
    const Vec3& apparent = BodyTable[Moon].geocentric;
    EXPECT_NEAR(SignedDifference(apparent.x, mean.x), Nutation(tt).longitude, 1e-13);
    EXPECT_NEAR(NormalizePi(apparent.y), mean.y, 1e-13);
    EXPECT_NEAR(apparent.z, mean.z, 1e-16);
  }
}

// Annual aberration in ecliptic form (Meeus, Astronomical Algorithms, 23.2):
// dlon = (-k cos(Ls - lon) + e k cos(perihelion - lon)) / cos(lat),
// dlat = -k sin(lat) (sin(Ls - lon) - e sin(perihelion - lon)).
struct Shift {
  double longitude, latitude;
};
Shift EclipticAberration(double lon, double lat, double sunLongitude) {
  const double k = 20.49552 * Arcsec, e = 0.016708634, perihelion = 102.93735 * DegToRad;
  return {(-k * std::cos(sunLongitude - lon) + e * k * std::cos(perihelion - lon)) /
              std::cos(lat),
          -k * std::sin(lat) *
              (std::sin(sunLongitude - lon) - e * std::sin(perihelion - lon))};
}

TEST(ApplyAnnualAberration, MatchesTheEclipticFormulaWithThePerihelionTerm) {
  const Mjd tt = 51544.5;
  for (double sunDegrees : {0.0, 90.0, 180.0, 283.0, 103.0, 330.0}) {
    const double ls = sunDegrees * DegToRad;
    for (double offset : {0.0, 60.0, 90.0, 200.0}) {
      for (double lat : {0.0, 0.1, -0.2}) {
        const double lon = Normalize2Pi(ls + offset * DegToRad);
        Vec3 p = {lon, Normalize2Pi(lat), 5.0};
        ApplyAnnualAberration(p, tt, ls);
        Shift expected = EclipticAberration(lon, lat, ls);
        EXPECT_NEAR(SignedDifference(p.x, lon) / Arcsec, expected.longitude / Arcsec, 0.01)
            << sunDegrees << " " << offset << " " << lat;
        EXPECT_NEAR(NormalizePi(p.y - lat) / Arcsec, expected.latitude / Arcsec, 0.01)
            << sunDegrees << " " << offset << " " << lat;
        EXPECT_EQ(p.z, 5.0);
      }
    }
  }
  // For the Sun itself the shift is largest at perihelion (early January,
  // Sun at 283 degrees) and smallest at aphelion.
  Vec3 january = {283.0 * DegToRad, 0.0, 1.0}, july = {103.0 * DegToRad, 0.0, 1.0};
  ApplyAnnualAberration(january, tt, january.x);
  ApplyAnnualAberration(july, tt, july.x);
  EXPECT_NEAR(SignedDifference(january.x, 283.0 * DegToRad) / Arcsec, -20.83, 0.01);
  EXPECT_NEAR(SignedDifference(july.x, 103.0 * DegToRad) / Arcsec, -20.15, 0.01);
}

// The UT at which the longitude of body b, as computed by f, crosses 0
// degrees between ut0 (before) and ut1 (after), to about a second.
template <typename Longitude>
Mjd Crossing(Mjd ut0, Mjd ut1, Longitude longitude) {
  for (int i = 0; i < 40; ++i) {
    Mjd mid = 0.5 * (ut0 + ut1);
    // Before the crossing the longitude lies on the same side as at ut0.
    if ((longitude(mid) > Pi) == (longitude(ut0) > Pi)) {
      ut0 = mid;
    } else {
      ut1 = mid;
    }
  }
  return 0.5 * (ut0 + ut1);
}

TEST(ComputeBodyPositions, CrossingZeroAriesKeepsTheDirectionOfMotion) {
  // Mars moving forward from Pisces into Aries: the hour's motion runs from
  // just below 360 degrees to just above 0 and is not backwards.
  auto mars = [](Mjd ut) {
    ComputePositionsAt(ut);
    return BodyTable[Mars].geocentric.x;
  };
  Mjd day = 51000.0;
  while (!(mars(day) > 6.0 && mars(day + 1.0) < 0.3)) day += 1.0;
  Mjd crossing = Crossing(day, day + 1.0, mars);
  ComputeBodyPositions(crossing + 0.5 / 24.0);
  EXPECT_LT(BodyTable[Mars].geocentric.x, 0.01);
  EXPECT_EQ(BodyTable[Mars].retrograde, 0);

  // The mean node moving backward out of Aries into Pisces is retrograde.
  auto node = [](Mjd ut) { return Normalize2Pi(MeanNodeLongitude(ut + DeltaT(ut) / 86400.0)); };
  day = 53000.0;
  while (!(node(day) < 0.3 && node(day + 1.0) > 6.0)) day += 1.0;
  crossing = Crossing(day, day + 1.0, node);
  ComputeBodyPositions(crossing + 0.5 / 24.0);
  EXPECT_GT(BodyTable[MeanNorthNode].geocentric.x, 6.28);
  EXPECT_EQ(BodyTable[MeanNorthNode].retrograde, 1);
}

TEST(ComputeBodyPositions, FlagsRetrogradeMotionAtTheKnownStations) {
  // Mercury's stations of 2000 (UT): stationary retrograde 2000-02-21,
  // direct 2000-03-14 (published ephemeris; the Swiss Ephemeris agrees).
  ComputeBodyPositions(CalendarToMjd(2000, 3, 1, 0, Gregorian));
  EXPECT_EQ(BodyTable[Mercury].retrograde, 1);
  ComputeBodyPositions(CalendarToMjd(2000, 3, 20, 0, Gregorian));
  EXPECT_EQ(BodyTable[Mercury].retrograde, 0);
  ComputeBodyPositions(CalendarToMjd(2000, 2, 10, 0, Gregorian));
  EXPECT_EQ(BodyTable[Mercury].retrograde, 0);
}

}  // namespace
}  // namespace orrery
