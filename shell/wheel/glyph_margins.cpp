#include "shell/wheel/glyph_margins.h"

#include <algorithm>

#include "astro/body_table.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

constexpr int MarginRows = 13;  // bodies 0..12
constexpr int Sectors = 12;

using MarginTable = signed char[MarginRows][Sectors];

constexpr MarginTable OuterMargins = {
    {-10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10},
    {-8, -10, -11, -12, -13, -12, -9, -11, -12, -11, -10, -10},
    {-8, -9, -11, -12, -11, -8, -8, -10, -12, -11, -13, -11},
    {-8, -9, -10, -11, -10, -8, -7, -9, -9, -10, -11, -10},
    {-10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10},
    {-12, -9, -9, -10, -12, -12, -11, -11, -9, -11, -14, -14},
    {-11, -12, -13, -12, -10, -10, -9, -11, -11, -10, -9, -9},
    {-12, -14, -15, -12, -12, -11, -9, -12, -12, -11, -9, -9},
    {-9, -11, -11, -11, -11, -10, -8, -9, -9, -11, -10, -9},
    {-11, -9, -10, -10, -10, -8, -10, -12, -12, -10, -13, -13},
    {-7, -11, -11, -10, -11, -11, -7, -10, -10, -10, -10, -10},
    {-10, -12, -12, -10, -12, -12, -10, -10, -10, -10, -10, -9},
    {-10, -10, -11, -10, -10, -10, -10, -12, -11, -10, -12, -12},
};

constexpr MarginTable InnerMargins = {
    {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9},
    {7, 10, 12, 10, 9, 9, 9, 9, 10, 12, 13, 11},
    {6, 9, 11, 10, 12, 10, 7, 8, 10, 11, 10, 7},
    {6, 8, 9, 9, 10, 9, 7, 8, 9, 10, 9, 7},
    {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9},
    {10, 10, 9, 10, 13, 13, 10, 9, 9, 10, 10, 11},
    {8, 10, 11, 9, 8, 8, 9, 11, 12, 11, 9, 9},
    {8, 11, 12, 10, 9, 8, 9, 13, 14, 10, 11, 9},
    {7, 8, 9, 10, 10, 9, 8, 9, 11, 10, 9, 9},
    {9, 12, 12, 8, 12, 12, 10, 8, 10, 10, 9, 7},
    {6, 9, 10, 9, 9, 9, 5, 9, 10, 9, 10, 9},
    {9, 9, 9, 9, 9, 9, 10, 10, 10, 9, 11, 11},
    {9, 11, 11, 9, 11, 11, 9, 9, 9, 9, 9, 9},
};

int MarginRow(int body) {
  if (body == MeanNorthNode) return NorthNode;
  if (body == MeanSouthNode) return SouthNode;
  return body;
}

double Interpolate(const MarginTable& table, int body, double angle) {
  const int row = MarginRow(body);
  if (row < 0 || row >= MarginRows) return 0.0;
  const double a = Normalize2Pi(angle);
  if (!(a >= 0.0 && a <= TwoPi)) return table[row][0];  // not a number
  // 2pi itself belongs to the last sector, whose end value is sector 0's.
  const int sector = std::min(static_cast<int>(a / Deg30), Sectors - 1);
  const double from = table[row][sector];
  const double to = table[row][(sector + 1) % Sectors];
  return from + (to - from) * (a - sector * Deg30) / Deg30;
}

}  // namespace

double OuterGlyphMargin(int body, double angle) { return Interpolate(OuterMargins, body, angle); }

double InnerGlyphMargin(int body, double angle) { return Interpolate(InnerMargins, body, angle); }

}  // namespace orrery
