// Numbers shared by every numeric layer: the start-up constants, the tiny-value
// clamp and the clamped trigonometric wrappers.
//
// All angles are radians in doubles. Every trigonometric and square-root result
// passes through ClampTiny, so results whose magnitude is at or below
// TinyThreshold become exactly 0 (for example cos 90 degrees).
#pragma once

#include <cmath>
#include <cstdint>

namespace orrery {

namespace detail {
// x = 0.5, multiplied by 0.9 until 1 + x no longer exceeds 1 (343 steps).
constexpr double SmallestVisibleStep() {
  double x = 0.5;
  do {
    x = x * 0.9;
  } while (1.0 + x > 1.0);
  return x;
}
}  // namespace detail

// Start-up constants, fixed before any other code runs and read-only afterwards.
inline constexpr double Pi = 3.141592653589793;
inline constexpr double TwoPi = 2.0 * Pi;
inline constexpr double HalfPi = Pi / 2.0;
inline constexpr double ThreeHalfPi = 3.0 * Pi / 2.0;
inline constexpr double DegToRad = Pi * 0.005555555555555556;  // 0.017453292519943295
inline constexpr double RadToDeg = 180.0 / Pi;                 // 57.29577951308232
inline constexpr double PiOver12 = Pi / 12.0;                  // 15 degrees

// Named angles: whole degrees times DegToRad.
inline constexpr double Deg15 = 15.0 * DegToRad;
inline constexpr double Deg30 = 30.0 * DegToRad;
inline constexpr double Deg60 = 60.0 * DegToRad;
inline constexpr double Deg120 = 120.0 * DegToRad;
inline constexpr double Deg150 = 150.0 * DegToRad;

// Tolerance of the house computations: 1e-10 degree in radians.
inline constexpr double AngleEpsilon = DegToRad * 1e-10;

// Magnitudes at or below this are treated as exact zero (3.028809764580903e-16).
inline constexpr double TinyThreshold = 3.0 * detail::SmallestVisibleStep();

// Inline, so that the compiler can pair the sine and cosine of one angle
// into a single library call.
inline double ClampTiny(double v) { return std::fabs(v) <= TinyThreshold ? 0.0 : v; }

inline double Sin(double v) { return ClampTiny(std::sin(v)); }
inline double Cos(double v) { return ClampTiny(std::cos(v)); }
inline double Tan(double v) { return ClampTiny(std::tan(v)); }
inline double Asin(double v) { return ClampTiny(std::asin(v)); }
inline double Acos(double v) { return ClampTiny(std::acos(v)); }
inline double Atan(double v) { return ClampTiny(std::atan(v)); }
inline double Sqrt(double v) { return ClampTiny(std::sqrt(v)); }

// -1, 0 or 1.
int Sgn(int v);
// x - floor(x).
double Frac(double x);
// Integer part of x toward zero, as a double.
double IntPart(double x);
// An arcsecond count reduced into [0, 1296000).
double NormalizeArcsec(double x);

}  // namespace orrery
