// The moving reference planes: obliquity of the ecliptic, a short nutation
// series, ecliptic precession and the rotations between ecliptic and equator.
//
// Angles are radians, day numbers Mjd (Terrestrial Time for everything here).
// Positions are polar Vec3 values (longitude, latitude, radius); rotations
// convert them to cartesian form, turn the frame with a Mat3 and convert back,
// so the resulting angles lie in [0, 2pi].
#pragma once

#include "foundation/calendar.h"
#include "foundation/numbers.h"
#include "foundation/vectors.h"

namespace orrery {

inline constexpr double ArcsecPerRadian = 180.0 / Pi * 3600.0;      // 206264.80624709636
inline constexpr double RadiansPerArcsec = 1.0 / ArcsecPerRadian;  // 4.84813681109536e-06
inline constexpr Mjd J2000 = 51544.5;

struct NutationAngles {
  double longitude;      // nutation in longitude, dpsi
  double obliquity;      // nutation in obliquity, deps
  double meanObliquity;  // eps
};

// Mean obliquity of the ecliptic (Laskar's polynomial in millennia from J2000).
double MeanObliquity(Mjd mjd);
// Nutation from the four-argument, five-term series, with the mean obliquity.
NutationAngles Nutation(Mjd mjd);
// Mean obliquity plus nutation in obliquity.
double TrueObliquity(Mjd mjd);
double TrueObliquity(const NutationAngles& n);

// Frame rotation from the mean ecliptic and equinox of source to those of target.
Mat3 EclipticPrecessionMatrix(Mjd target, Mjd source);
// The position (in place) referred to the ecliptic and equinox of target
// instead of source.
void PrecessEcliptic(Vec3& position, Mjd target, Mjd source);

// Frame rotation by the nutation in longitude about the pole of the ecliptic:
// turns a mean ecliptic position of date into the true one (longitude + dpsi,
// latitude unchanged).
Mat3 NutationMatrix(const NutationAngles& n);
// An ecliptic position of date (in place) with nutation applied.
void ApplyNutation(Vec3& position, Mjd mjd);

// Polar position turned into another frame by the rotation m (in place).
void RotatePolar(Vec3& position, const Mat3& m);

// Ecliptic of date to equator of date and back, at the true obliquity of the
// full Julian date jd. The radius is copied from the input unchanged.
void EclipticToEquatorial(Vec3& out, const Vec3& in, double jd);
void EquatorialToEcliptic(Vec3& out, const Vec3& in, double jd);
// The same with the frame rotation given (RotX(-eps) to the equator, RotX(eps) back).
void RotateKeepingRadius(Vec3& out, const Vec3& in, const Mat3& m);

}  // namespace orrery
