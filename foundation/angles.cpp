#include "foundation/angles.h"

#include <cmath>

#include "foundation/numbers.h"

namespace orrery {

namespace {

// Values far outside a few turns (or not finite) are first reduced with fmod so
// that the subtraction loops below always end quickly.
double ReduceLargeAngle(double x) {
  return std::fabs(x) > 1e6 ? std::fmod(x, TwoPi) : x;
}

// Angles whose degrees fit an int; anything else (NaN, infinities) converts to 0.
bool IsConvertible(double x) { return std::fabs(x) < 1e7; }

}  // namespace

double Normalize2Pi(double x) {
  x = ReduceLargeAngle(ClampTiny(x));
  while (x > TwoPi) x -= TwoPi;
  while (x < 0.0) x += TwoPi;
  return x;
}

double NormalizePi(double x) {
  x = ReduceLargeAngle(ClampTiny(x));
  while (x > Pi) x -= TwoPi;
  while (x < -Pi) x += TwoPi;
  return x;
}

double SignedDifference(double a, double b) {
  double d = Normalize2Pi(a - b);
  return d >= Pi ? d - TwoPi : d;
}

double Separation(double a, double b) {
  double d = std::fabs(Normalize2Pi(a) - Normalize2Pi(b));
  return d > Pi ? TwoPi - d : d;
}

double Midpoint(double a, double b) {
  a = Normalize2Pi(a);
  b = Normalize2Pi(b);
  if (a == b) return a;
  double hi = a > b ? a : b;
  double lo = a > b ? b : a;
  double d = hi - lo;
  if (d >= Pi) return Normalize2Pi((TwoPi - d) * 0.5 + hi);
  return Normalize2Pi(d * 0.5 + lo);
}

double PointAngle(double xa, double ya, double xb, double yb) {
  double dx = std::fabs(xa - xb);
  double dy = std::fabs(ya - yb);
  if (dx == 0.0 && dy == 0.0) return 0.0;  // coincident points: no direction
  double t = std::fabs(Atan(dy / dx));
  double r;
  if (xb > xa) {
    r = yb > ya ? t : TwoPi - t;
  } else {
    r = yb <= ya ? Pi + t : Pi - t;
  }
  return Normalize2Pi(r);
}

int SignNumber(double longitude) {
  double n = Normalize2Pi(longitude);
  if (n == TwoPi || !(n >= 0.0)) n = 0.0;
  int s = static_cast<int>(n / Deg30) + 1;
  return s > 12 ? 12 : s;
}

double DmsToRadians(int degrees, int minutes, int positive) {
  double r = (std::abs(minutes) * (1.0 / 60.0) + std::abs(degrees)) * DegToRad;
  return positive == 0 ? -r : r;
}

DegreesMinutes RadiansToDm(double x) {
  if (!IsConvertible(x)) return {0, 0};
  double v = std::fabs(x) * RadToDeg;
  DegreesMinutes dm{static_cast<int>(v), 0};
  dm.minutes = static_cast<int>((v - dm.degrees) * 60.0);
  if (x < 0.0) {
    if (dm.degrees != 0) {
      dm.degrees = -dm.degrees;
    } else {
      dm.minutes = -dm.minutes;
    }
  }
  return dm;
}

DegreesMinutesSeconds RadiansToDms(double x) {
  if (!IsConvertible(x)) return {0, 0, 0.0};
  double v = std::fabs(x) * RadToDeg;
  DegreesMinutesSeconds dms{static_cast<int>(v), 0, 0.0};
  double minutesExact = (v - dms.degrees) * 60.0;
  dms.minutes = static_cast<int>(minutesExact);
  dms.seconds = (minutesExact - dms.minutes) * 60.0;
  if (x < 0.0) {
    if (dms.degrees != 0) {
      dms.degrees = -dms.degrees;
    } else if (dms.minutes != 0) {
      dms.minutes = -dms.minutes;
    } else {
      dms.seconds = -dms.seconds;
    }
  }
  return dms;
}

HoursMinutes SecondsToHm(double s) {
  if (!std::isfinite(s)) return {0, 0};
  if (std::fabs(s) > 1e9) s = std::fmod(s, 86400.0);
  while (s > 86400.0) s -= 86400.0;
  while (s < 0.0) s += 86400.0;
  HoursMinutes hm{static_cast<int>(s * (1.0 / 3600.0)), 0};
  hm.minutes = static_cast<int>((s - hm.hours * 3600.0) * (1.0 / 60.0));
  return hm;
}

double DateKey(int year, int month, int day, int hour, int minute) {
  return year * 10000.0 + month * 100.0 + day + hour * 0.01 + minute * 0.0001;
}

}  // namespace orrery
