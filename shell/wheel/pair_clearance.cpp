#include "shell/wheel/pair_clearance.h"

#include <array>

#include "astro/body_table.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

// The body whose records a body uses, or -1.
constexpr int RecordBody(int body) {
  if (body == MeanNorthNode) return NorthNode;
  if (body == MeanSouthNode) return SouthNode;
  for (int b : ClearanceBodies) {
    if (b == body) return body;
  }
  return -1;
}

// Record index of every ordered pair (first, second) that has a record, else -1.
constexpr std::array<std::array<int, BodyCount>, BodyCount> RecordIndex() {
  std::array<std::array<int, BodyCount>, BodyCount> index{};
  for (auto& row : index) row.fill(-1);
  int n = 0;
  for (int i = 0; i < ClearanceBodyCount; ++i) {
    for (int j = i + 1; j < ClearanceBodyCount; ++j) {
      index[ClearanceBodies[i]][ClearanceBodies[j]] = n++;
    }
  }
  return index;
}

constexpr auto recordIndex = RecordIndex();

double ReadRecord(int record, double direction) {
  const double degrees = Normalize2Pi(direction) * RadToDeg;
  if (!(degrees >= 0.0 && degrees <= 360.0)) return 0.0;  // not a number
  const int d = static_cast<int>(degrees) % 360;
  return pairClearances[record].tenths[d] * 0.1;
}

}  // namespace

double PairClearance(int p, int q, double direction) {
  if (p < 0 || p >= BodyCount || q < 0 || q >= BodyCount) return 0.0;
  const int rp = RecordBody(p);
  const int rq = RecordBody(q);
  if (rp < 0 || rq < 0) return 0.0;
  if (recordIndex[rp][rq] >= 0) return ReadRecord(recordIndex[rp][rq], direction);
  if (recordIndex[rq][rp] >= 0) return ReadRecord(recordIndex[rq][rp], direction + Pi);
  return 0.0;
}

}  // namespace orrery
