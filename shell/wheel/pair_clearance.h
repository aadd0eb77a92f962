// How close the glyphs of two bodies may come in the wheel: for every pair
// of the bodies that the wheel lays out, and every whole degree of the
// direction between their glyph corners, the smallest distance between the
// corners at which the two glyph boxes stay apart, plus a margin.
//
// The table is generated at build time from the glyph boxes by
// orrery-pair-clearance-gen (tools/wheel/pair_clearance_gen.cpp).
#pragma once

#include <cstdint>

namespace orrery {

// The bodies with records, in record order: Sun, Moon, Mercury, Venus and
// Mars to the South Node. The mean nodes use the true nodes' records.
inline constexpr int ClearanceBodies[] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12};
inline constexpr int ClearanceBodyCount = 12;
// One record per unordered pair: (0,1), (0,2) .. (0,12), (1,2) .. (11,12).
inline constexpr int PairClearanceCount = ClearanceBodyCount * (ClearanceBodyCount - 1) / 2;

// Record (first, second): at index d, the smallest allowed distance between
// the glyph corners, in tenths of a pixel, when the first body's glyph lies
// in a direction of d to d + 1 degrees (screen angle) from the second's.
struct PairClearanceRecord {
  std::uint8_t first;
  std::uint8_t second;
  std::uint8_t tenths[360];
};

extern const PairClearanceRecord pairClearances[PairClearanceCount];

// The smallest allowed distance in pixels between the glyph corners of p and
// q when p's glyph lies in direction (screen angle, radians) from q's. Read
// from record (p, q), or from (q, p) at the opposite direction; 0 for a pair
// without a record.
double PairClearance(int p, int q, double direction);

}  // namespace orrery
