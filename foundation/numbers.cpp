#include "foundation/numbers.h"

#include <cmath>

namespace orrery {

int Sgn(int v) { return (v > 0) - (v < 0); }

double Frac(double x) { return x - std::floor(x); }

double IntPart(double x) { return std::trunc(x); }

double NormalizeArcsec(double x) {
  return x - std::floor(x * (1.0 / 1296000.0)) * 1296000.0;
}

}  // namespace orrery
