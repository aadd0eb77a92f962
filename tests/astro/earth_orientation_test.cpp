// Obliquity, nutation, precession and the ecliptic/equator rotations.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/earth_orientation.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

constexpr double Arcsec = RadiansPerArcsec;

TEST(Obliquity, MeanAtJ2000AndTrueAddsTheNutation) {
  EXPECT_NEAR(MeanObliquity(J2000), 0.4090926296894037, 1e-16);
  EXPECT_NEAR(MeanObliquity(J2000) * ArcsecPerRadian, 84381.412, 1e-9);
  for (Mjd mjd : {-50000.0, 20000.0, 51544.5, 88069.0}) {
    NutationAngles n = Nutation(mjd);
    EXPECT_EQ(n.meanObliquity, MeanObliquity(mjd));
    EXPECT_EQ(TrueObliquity(mjd), n.meanObliquity + n.obliquity);
  }
}

TEST(Nutation, AgreesWithTheFullSeriesOnAPublishedDate) {
  // 1987 April 10, 0h TT (Meeus, Astronomical Algorithms, example 22.a, from
  // the full IAU 1980 series): dpsi -3.788", deps +9.443", eps0 23 26'27.407".
  NutationAngles n = Nutation(46895.0);
  EXPECT_NEAR(n.longitude / Arcsec, -3.788, 0.3);
  EXPECT_NEAR(n.obliquity / Arcsec, 9.443, 0.2);
  // The mean obliquity starts from 84381.412" at J2000 instead of that
  // example's 84381.448".
  EXPECT_NEAR(n.meanObliquity / Arcsec, (23 * 60 + 26) * 60 + 27.407 - 0.036, 0.002);
}

TEST(ApplyNutation, TurnsAboutTheEclipticPole) {
  // The longitude gains dpsi; the latitude stays as it is, for bodies well
  // off the ecliptic too (a rotation about the equinox would tilt them by up
  // to dpsi sin(eps), about 7").
  for (Mjd mjd : {46895.0, 51544.5, 55000.25}) {
    const double dpsi = Nutation(mjd).longitude;
    for (double lon : {0.3, 1.9, 3.5, 5.8}) {
      for (double lat : {0.0, 0.15, -0.3}) {
        Vec3 p = {lon, Normalize2Pi(lat), 2.5};
        ApplyNutation(p, mjd);
        EXPECT_NEAR(SignedDifference(p.x, lon), dpsi, 1e-14);
        EXPECT_NEAR(NormalizePi(p.y), lat, 1e-14);
        EXPECT_NEAR(p.z, 2.5, 1e-14);
      }
    }
  }
}

TEST(EclipticEquator, MatchTheSphericalFormulasAndInvertEachOther) {
  const double jd = 2451545.0;
  const double eps = TrueObliquity(J2000);
  for (double lon = 0.1; lon < TwoPi; lon += 0.7) {
    for (double lat : {-1.2, -0.2, 0.0, 0.4, 1.4}) {
      const Vec3 ecliptic = {lon, Normalize2Pi(lat), 1.2345678901234567};
      Vec3 equatorial;
      EclipticToEquatorial(equatorial, ecliptic, jd);
      // sin(dec) = sin(lat) cos(eps) + cos(lat) sin(eps) sin(lon);
      // ra = atan2(sin(lon) cos(eps) - tan(lat) sin(eps), cos(lon)).
      double dec = std::asin(std::sin(lat) * std::cos(eps) +
                             std::cos(lat) * std::sin(eps) * std::sin(lon));
      double ra = std::atan2(std::sin(lon) * std::cos(eps) - std::tan(lat) * std::sin(eps),
                             std::cos(lon));
      EXPECT_NEAR(SignedDifference(equatorial.x, ra), 0.0, 1e-13) << lon << " " << lat;
      EXPECT_NEAR(NormalizePi(equatorial.y), dec, 1e-13) << lon << " " << lat;
      EXPECT_EQ(equatorial.z, ecliptic.z);

      Vec3 back;
      EquatorialToEcliptic(back, equatorial, jd);
      EXPECT_NEAR(SignedDifference(back.x, lon), 0.0, 1e-13);
      EXPECT_NEAR(NormalizePi(back.y), lat, 1e-13);
      EXPECT_EQ(back.z, ecliptic.z);
    }
  }
  // The solstice point lies at right ascension 90 degrees, declination +eps.
  Vec3 solstice;
  EclipticToEquatorial(solstice, Vec3{HalfPi, 0.0, 1.0}, jd);
  EXPECT_NEAR(solstice.x, HalfPi, 1e-15);
  EXPECT_NEAR(solstice.y, eps, 1e-15);
}

TEST(PrecessEcliptic, SameEpochIsTheIdentityAndEpochsChain) {
  Vec3 p = {-0.5, -0.1, 3.0};
  PrecessEcliptic(p, 60000.0, 60000.0);
  EXPECT_NEAR(p.x, TwoPi - 0.5, 1e-15);
  EXPECT_NEAR(p.y, TwoPi - 0.1, 1e-15);
  EXPECT_NEAR(p.z, 3.0, 1e-15);

  // J2000 -> 1800 -> 2100 equals J2000 -> 2100, and back again returns the
  // start: the angles of any source epoch describe one motion of the ecliptic.
  const Vec3 start = {1.0, 0.05, 1.0};
  Vec3 chained = start, direct = start;
  PrecessEcliptic(chained, -21183.0, J2000);
  PrecessEcliptic(chained, 88069.0, -21183.0);
  PrecessEcliptic(direct, 88069.0, J2000);
  EXPECT_NEAR(SignedDifference(chained.x, direct.x) / Arcsec, 0.0, 0.01);
  EXPECT_NEAR(SignedDifference(chained.y, direct.y) / Arcsec, 0.0, 0.01);
  PrecessEcliptic(direct, J2000, 88069.0);
  EXPECT_NEAR(SignedDifference(direct.x, start.x) / Arcsec, 0.0, 0.01);
  EXPECT_NEAR(SignedDifference(direct.y, start.y) / Arcsec, 0.0, 0.01);
}

TEST(PrecessEcliptic, MovesTheEquinoxByTheGeneralPrecession) {
  // Over one century the equinox recedes by 5029.0966" + 1.11113" (Lieske
  // 1977); a point on the ecliptic near the equinox gains that much longitude.
  Vec3 p = {0.0, 0.0, 1.0};
  PrecessEcliptic(p, J2000 + 36525.0, J2000);
  EXPECT_NEAR(SignedDifference(p.x, 0.0) / Arcsec, 5030.21, 0.5);
  // The ecliptic itself turns by about 47" per century about a node near
  // longitude 174.9 degrees, so the point leaves the ecliptic by about
  // 47" x sin(5.1 degrees).
  EXPECT_NEAR(std::fabs(NormalizePi(p.y)) / Arcsec, 47.0 * std::sin(5.1 * DegToRad), 0.5);
}

}  // namespace
}  // namespace orrery
