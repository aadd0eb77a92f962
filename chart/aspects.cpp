#include "chart/aspects.h"

#include <cmath>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

// Orbs are 0..30 (the settings and the Options sheet keep them there), so no
// pair's orb exceeds 15 degrees: farther rows need no orb lookup.
constexpr double LargestPairOrb = MaxOrb * 0.5;

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// Orbs in BodyId order from the per-group values: Sun, Moon, Mercury..Mars
// (2..5), Jupiter..Neptune (6..9), Pluto, the true nodes, Ascendant and
// Midheaven (11..14), and the mean nodes (15, 16), which never form aspects.
struct OrbRow {
  std::int8_t orbs[BodyCount];
};
constexpr OrbRow Orbs(int sun, int moon, int inner, int outer, int pluto, int points) {
  auto b = [](int v) { return static_cast<std::int8_t>(v); };
  return {{b(sun), b(moon), b(inner), b(inner), b(inner), b(inner), b(outer), b(outer), b(outer),
           b(outer), b(pluto), b(points), b(points), b(points), b(points), 0, 0}};
}

constexpr AspectInfo Row(int id, int nameStringId, int angle, OrbRow orbs, std::uint32_t colour,
                         int lineCode) {
  AspectInfo row{id, id == 0 ? 0 : 101 + id, id == 0 ? 0 : id - 1, nameStringId, angle, {},
                 colour, lineCode};
  for (int b = 0; b < BodyCount; ++b) row.defaultOrbs[b] = orbs.orbs[b];
  return row;
}

}  // namespace

const AspectInfo aspectInfo[AspectRowCount] = {
    Row(NoAspect, 0, 0, Orbs(0, 0, 0, 0, 0, 0), Rgb(255, 255, 255), 1),
    Row(Conjunction, 30, 0, Orbs(20, 18, 14, 10, 10, 10), Rgb(255, 0, 0), 1),
    Row(Opposition, 31, 180, Orbs(18, 16, 14, 10, 10, 10), Rgb(255, 0, 0), 1),
    Row(Square, 32, 90, Orbs(14, 12, 10, 8, 8, 8), Rgb(255, 0, 0), 3),
    Row(Trine, 33, 120, Orbs(14, 12, 10, 8, 8, 8), Rgb(0, 0, 255), 3),
    Row(Sextile, 34, 60, Orbs(12, 10, 8, 6, 6, 6), Rgb(0, 0, 255), 1),
    Row(SemiSextile, 35, 30, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 255, 0), 1),
    Row(Quincunx, 36, 150, Orbs(6, 6, 5, 3, 2, 2), Rgb(0, 255, 0), 3),
    Row(SemiSquare, 37, 45, Orbs(4, 4, 3, 2, 2, 2), Rgb(255, 100, 255), 1),
    Row(SesquiSquare, 38, 135, Orbs(6, 6, 4, 3, 2, 2), Rgb(255, 100, 255), 3),
    Row(Quintile, 39, 72, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 0, 255), 2),
    Row(Biquintile, 40, 144, Orbs(4, 4, 3, 2, 2, 2), Rgb(255, 100, 255), 2),
    Row(Tao, 41, 165, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 0, 0), 2),
};

int AspectBetween(int bodyA, double longitudeA, int bodyB, double longitudeB) {
  const double separation = Separation(longitudeA, longitudeB) * RadToDeg;
  // Rows within the widest pair orb, found without a branch per row; at most
  // a few remain, tried in AspectId order.
  unsigned near = 0;
  for (int kind = Conjunction; kind < AspectRowCount; ++kind) {
    near |= unsigned(std::fabs(separation - aspectInfo[kind].angle) <= LargestPairOrb) << kind;
  }
  for (; near != 0; near &= near - 1) {
    const int kind = __builtin_ctz(near);
    const int orbA = currentOrbs[kind][bodyA];
    const int orbB = currentOrbs[kind][bodyB];
    if (orbA <= 0 || orbB <= 0) continue;
    if (std::fabs(separation - aspectInfo[kind].angle) <= ((orbA + orbB) * 0.5) * 0.5) return kind;
  }
  return NoAspect;
}

void ComputeAspects() {
  ChartData& chart = CurrentChart();
  for (int i = 0; i < BodyCount; ++i) {
    chart.aspects[i][i] = NoAspect;
    for (int j = i + 1; j < BodyCount; ++j) {
      auto kind = static_cast<std::uint8_t>(
          AspectBetween(i, BodyTable[i].geocentric.x, j, BodyTable[j].geocentric.x));
      chart.aspects[i][j] = kind;
      chart.aspects[j][i] = kind;
    }
  }
}

int AspectPresent(int kind) {
  if (kind == NoAspect) return 0;
  const ChartData& chart = CurrentChart();
  for (int i = 0; i < BodyCount; ++i) {
    if (BodyTable[i].shown == 0) continue;
    for (int j = i + 1; j < BodyCount; ++j) {
      if (BodyTable[j].shown != 0 && chart.aspects[i][j] == kind) return 1;
    }
  }
  return 0;
}

}  // namespace orrery
