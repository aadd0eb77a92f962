#include "foundation/numbers.h"

#include <cmath>

namespace orrery {

double ClampTiny(double v) { return std::fabs(v) <= TinyThreshold ? 0.0 : v; }

double Sin(double v) { return ClampTiny(std::sin(v)); }
double Cos(double v) { return ClampTiny(std::cos(v)); }
double Tan(double v) { return ClampTiny(std::tan(v)); }
double Asin(double v) { return ClampTiny(std::asin(v)); }
double Acos(double v) { return ClampTiny(std::acos(v)); }
double Atan(double v) { return ClampTiny(std::atan(v)); }
double Sqrt(double v) { return ClampTiny(std::sqrt(v)); }

int Sgn(int v) { return (v > 0) - (v < 0); }

double Frac(double x) { return x - std::floor(x); }

double IntPart(double x) { return std::trunc(x); }

double NormalizeArcsec(double x) {
  return x - std::floor(x * (1.0 / 1296000.0)) * 1296000.0;
}

}  // namespace orrery
