#include "astro/earth_orientation.h"

#include "astro/time_scales.h"

namespace orrery {

double MeanObliquity(Mjd mjd) {
  // Laskar (1986), arcseconds, t in Julian millennia from J2000.
  double t = CenturiesSinceJ2000(mjd) * 0.1;
  double arcsec =
      (((((((((2.45e-10 * t + 5.79e-9) * t + 2.787e-7) * t + 7.12e-7) * t - 3.905e-5) * t -
           0.0024967) * t - 0.005138) * t + 1.9989) * t - 0.0152) * t - 468.0927) * t +
      84381.412;
  return arcsec * RadiansPerArcsec;
}

NutationAngles Nutation(Mjd mjd) {
  double t = CenturiesSinceJ2000(mjd);
  double sunAnomaly = TwoPi * Frac(0.993133 + 99.997306 * t);
  double elongation = TwoPi * Frac(0.827362 + 1236.853087 * t);
  double latitudeArgument = TwoPi * Frac(0.259089 + 1342.227826 * t);
  double node = TwoPi * Frac(0.347346 - 5.372447 * t);
  double a = 2.0 * (latitudeArgument - elongation + node);
  double b = 2.0 * (latitudeArgument + node);
  double c = 2.0 * node;
  double dpsi = -17.2 * Sin(node) - 1.319 * Sin(a) - 0.227 * Sin(b) + 0.206 * Sin(c) +
                0.143 * Sin(sunAnomaly);
  double deps = 9.203 * Cos(node) + 0.574 * Cos(a) + 0.098 * Cos(b) - 0.09 * Cos(c);
  return {dpsi * RadiansPerArcsec, deps * RadiansPerArcsec, MeanObliquity(mjd)};
}

double TrueObliquity(Mjd mjd) { return TrueObliquity(Nutation(mjd)); }

double TrueObliquity(const NutationAngles& n) { return n.meanObliquity + n.obliquity; }

Mat3 EclipticPrecessionMatrix(Mjd target, Mjd source) {
  // Lieske et al. (1977) ecliptic precession angles, arcseconds.
  double t1 = CenturiesSinceJ2000(source);
  double dt = CenturiesSinceJ2000(target) - t1;
  double inclination =
      ((47.0029 - (0.06603 - 0.000598 * t1) * t1) +
       ((-0.03302 + 0.000598 * t1) + 0.00006 * dt) * dt) * dt * RadiansPerArcsec;
  double nodeLongitude =
      174.876383889 * (Pi / 180.0) +
      ((3289.4789 + 0.60622 * t1) * t1 + ((-869.8089 - 0.50491 * t1) + 0.03536 * dt) * dt) *
          RadiansPerArcsec;
  double generalPrecession =
      ((5029.0966 + (2.22226 - 0.000042 * t1) * t1) +
       ((1.11113 - 0.000042 * t1) - 0.000006 * dt) * dt) * dt * RadiansPerArcsec;
  Mat3 p;
  MatTimesMat(p, RotZ(-(nodeLongitude + generalPrecession)), RotX(inclination));
  MatTimesMat(p, p, RotZ(nodeLongitude));
  return p;
}

void PrecessEcliptic(Vec3& position, Mjd target, Mjd source) {
  RotatePolar(position, EclipticPrecessionMatrix(target, source));
}

Mat3 NutationMatrix(const NutationAngles& n) { return RotZ(-n.longitude); }

void ApplyNutation(Vec3& position, Mjd mjd) {
  RotatePolar(position, NutationMatrix(Nutation(mjd)));
}

void RotatePolar(Vec3& position, const Mat3& m) {
  PolarToCartesian(position, position);
  MatTimesVec(position, m, position);
  CartesianToPolar(position, position);
}

void RotateKeepingRadius(Vec3& out, const Vec3& in, const Mat3& m) {
  double radius = in.z;
  Vec3 v;
  PolarToCartesian(v, in);
  MatTimesVec(v, m, v);
  CartesianToPolar(out, v);
  out.z = radius;
}

void EclipticToEquatorial(Vec3& out, const Vec3& in, double jd) {
  RotateKeepingRadius(out, in, RotX(-TrueObliquity(JdToMjd(jd))));
}

void EquatorialToEcliptic(Vec3& out, const Vec3& in, double jd) {
  RotateKeepingRadius(out, in, RotX(TrueObliquity(JdToMjd(jd))));
}

}  // namespace orrery
