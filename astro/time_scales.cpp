#include "astro/time_scales.h"

#include <cmath>

#include "astro/earth_orientation.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Seconds reduced into [0, 86400) by whole days; values far out of range are
// first brought near with fmod so that the loops always end.
double WrapSecondsOfDay(double s) {
  if (std::fabs(s) > 1e9) s = std::fmod(s, SecondsPerDay);
  while (s < 0.0) s += SecondsPerDay;
  while (s >= SecondsPerDay) s -= SecondsPerDay;
  return s;
}

}  // namespace

double CenturiesSinceJ2000(Mjd mjd) { return (mjd - 51544.5) * 2.7378507871321012e-5; }

double DeltaT(Mjd ut) {
  int year = MjdToCalendar(ut).year;
  double t = CenturiesSinceJ2000(ut);
  double u;
  // The 2005 polynomial also serves every later year: the rows below it are
  // fits to their own intervals and run away outside them.
  if (year >= 2005) return ((0.4626997 * t + 35.381914) * t + 103.10575) * t + 66.00277;
  if (year >= 2000) return ((42.005892 * t + 31.289654) * t + 102.93304) * t + 66.026064;
  if (year >= 1976) {
    u = t + 0.25;
    return ((1516.7 * u - 570.5) * u + 130.5) * u + 45.3;
  }
  if (year >= 1951) {
    u = t + 0.5;
    return ((550.7 * u - 3.8) * u + 32.5) * u + 29.3;
  }
  if (year >= 1926) {
    u = t + 0.75;
    return ((483.4 * u - 8.2) * u - 6.3) * u + 24.2;
  }
  if (year >= 1901) {
    u = t + 1.0;
    return ((327.5 - 1467.4 * u) * u + 114.1) * u - 2.6;
  }
  if (year >= 1876) {
    u = t + 1.25;
    return ((867.4 * u - 166.2) * u - 10.8) * u - 3.9;
  }
  if (year >= 1851) {
    u = t + 1.5;
    return ((18.8 * u - 358.4) * u + 46.3) * u + 6.6;
  }
  if (year >= 1826) {
    u = t + 1.75;
    return ((413.9 - 572.3 * u) * u - 80.8) * u + 10.4;
  }
  if (year >= 1801) return ((-5301.006 - 935.82159 * t) * t - 10007.423) * t - 6284.1748;
  if (year >= 1701) {
    return (((-889.78135 - 85.569166 * t) * t - 3451.6457) * t - 5908.4169) * t - 3745.9568;
  }
  if (year >= 1621) {
    return (((1035.0888 * t + 13828.017) * t + 69272.68) * t + 154128.76) * t + 128454.65;
  }
  if (year >= 1001) return (23.547732 * t + 100.07459) * t + 101.26664;
  if (year >= 1) {
    return (((0.075505404 * t + 4.6965486) * t + 143.04833) * t + 1351.3799) * t + 4587.4019;
  }
  return 0.0;
}

double MeanSiderealTime(Mjd ut) {
  Mjd dayStart = IntPart(ut);
  double seconds = SecondsPerDay * (ut - dayStart);
  double t0 = CenturiesSinceJ2000(dayStart);
  double t = CenturiesSinceJ2000(ut);
  double g = (0.093104 - 6.2e-6 * t) * t * t + 8640184.812866 * t0 + 1.0027379093 * seconds +
             24110.54841;
  double s = g - std::floor(g / SecondsPerDay) * SecondsPerDay;
  // A g a hair below a whole day rounds up to exactly 86400.
  return s < SecondsPerDay ? s : 0.0;
}

double ApparentSiderealTime(Mjd ut) {
  NutationAngles n = Nutation(ut);
  double equationOfEquinoxes = n.longitude * Cos(n.meanObliquity) * ArcsecPerRadian * (1.0 / 15.0);
  return equationOfEquinoxes + MeanSiderealTime(ut);
}

double LocalSiderealTime(Mjd ut, double longitude) {
  return WrapSecondsOfDay(longitude * (180.0 / Pi) * 240.0 + ApparentSiderealTime(ut));
}

}  // namespace orrery
