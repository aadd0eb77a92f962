#include "chart/aspects.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

// Exact angle of each row, degrees.
constexpr double AspectAngles[AspectRowCount] = {0, 0, 180, 90, 120, 60, 30, 150, 45, 135, 72, 144, 165};

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

constexpr AspectInfo Row(int id, int nameStringId, OrbRow orbs, std::uint32_t colour, int lineCode) {
  AspectInfo row{id, id == 0 ? 0 : 101 + id, id == 0 ? 0 : id - 1, nameStringId, static_cast<int>(AspectAngles[id]), {},
                 colour, lineCode};
  for (int b = 0; b < BodyCount; ++b) row.defaultOrbs[b] = orbs.orbs[b];
  return row;
}

}  // namespace

const AspectInfo aspectInfo[AspectRowCount] = {
    Row(NoAspect, 0, Orbs(0, 0, 0, 0, 0, 0), Rgb(255, 255, 255), 1),
    Row(Conjunction, 30, Orbs(20, 18, 14, 10, 10, 10), Rgb(255, 0, 0), 1),
    Row(Opposition, 31, Orbs(18, 16, 14, 10, 10, 10), Rgb(255, 0, 0), 1),
    Row(Square, 32, Orbs(14, 12, 10, 8, 8, 8), Rgb(255, 0, 0), 3),
    Row(Trine, 33, Orbs(14, 12, 10, 8, 8, 8), Rgb(0, 0, 255), 3),
    Row(Sextile, 34, Orbs(12, 10, 8, 6, 6, 6), Rgb(0, 0, 255), 1),
    Row(SemiSextile, 35, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 255, 0), 1),
    Row(Quincunx, 36, Orbs(6, 6, 5, 3, 2, 2), Rgb(0, 255, 0), 3),
    Row(SemiSquare, 37, Orbs(4, 4, 3, 2, 2, 2), Rgb(255, 100, 255), 1),
    Row(SesquiSquare, 38, Orbs(6, 6, 4, 3, 2, 2), Rgb(255, 100, 255), 3),
    Row(Quintile, 39, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 0, 255), 2),
    Row(Biquintile, 40, Orbs(4, 4, 3, 2, 2, 2), Rgb(255, 100, 255), 2),
    Row(Tao, 41, Orbs(4, 4, 3, 2, 2, 2), Rgb(0, 0, 0), 2),
};

namespace {

// Rows Conjunction..Tao two at a time: lane pair q holds rows 2q + 1, 2q + 2.
typedef double RowPair __attribute__((vector_size(16)));
typedef long long RowPairMask __attribute__((vector_size(16)));
constexpr int RowPairs = (AspectRowCount - 1) / 2;

constexpr RowPair AngleLanes(int q) { return RowPair{AspectAngles[2 * q + 1], AspectAngles[2 * q + 2]}; }
constexpr RowPair RowAngles[RowPairs] = {AngleLanes(0), AngleLanes(1), AngleLanes(2),
                                         AngleLanes(3), AngleLanes(4), AngleLanes(5)};

// A body's share of a pair's orb in each row: a quarter of its orb, so that
// two shares add up to half the mean of both orbs. A body whose orb is 0
// takes no part in that row: its share is so negative that no pair fits.
struct OrbShares {
  RowPair share[RowPairs];
  bool takesPart;  // some row's orb is above 0 (never for the mean nodes)
};

OrbShares SharesOf(int body) {
  auto share = [body](int kind) {
    const int orb = currentOrbs[kind][body];
    return orb > 0 ? orb * 0.25 : -1e9;
  };
  OrbShares s;
  s.takesPart = false;
  for (int q = 0; q < RowPairs; ++q) s.share[q] = RowPair{share(2 * q + 1), share(2 * q + 2)};
  for (int kind = Conjunction; kind < AspectRowCount; ++kind) s.takesPart |= currentOrbs[kind][body] > 0;
  return s;
}

// The first row, in AspectId order, whose orb for the pair holds the
// separation (degrees, 0..180); all rows are tested at once, two per step.
int AspectAtSeparation(const OrbShares& a, const OrbShares& b, double separation) {
  unsigned fits = 0;
  for (int q = 0; q < RowPairs; ++q) {
    const RowPair difference = separation - RowAngles[q];
    const RowPair orb = a.share[q] + b.share[q];
    const RowPairMask within = (difference <= orb) & (-difference <= orb);
    fits |= unsigned((within[0] & 1) | (within[1] & 2)) << (2 * q + 1);
  }
  return fits == 0 ? NoAspect : __builtin_ctz(fits);
}

}  // namespace

int AspectBetween(int bodyA, double longitudeA, int bodyB, double longitudeB) {
  return AspectAtSeparation(SharesOf(bodyA), SharesOf(bodyB),
                            Separation(longitudeA, longitudeB) * RadToDeg);
}

void ComputeAspects() {
  ChartData& chart = CurrentChart();
  double longitude[BodyCount];
  OrbShares shares[BodyCount];
  for (int b = 0; b < BodyCount; ++b) {
    longitude[b] = Normalize2Pi(BodyTable[b].geocentric.x);
    shares[b] = SharesOf(b);
  }
  for (int i = 0; i < BodyCount; ++i) {
    chart.aspects[i][i] = NoAspect;
    for (int j = i + 1; j < BodyCount; ++j) {
      // Separation of the two longitudes, already reduced to a circle.
      const double d = std::fabs(longitude[i] - longitude[j]);
      const double separation = std::min(d, TwoPi - d);
      const auto kind = static_cast<std::uint8_t>(
          shares[i].takesPart && shares[j].takesPart
              ? AspectAtSeparation(shares[i], shares[j], separation * RadToDeg)
              : NoAspect);
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
