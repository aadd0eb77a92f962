// Aspects: notable angles between the ecliptic longitudes of two chart bodies.
// AspectInfo holds the twelve aspects (row 0 is "none"); the aspect matrix of
// the chart on show is built from the BodyTable and the current orbs
// (live_settings.h).
#pragma once

#include <cstdint>

#include "astro/body_table.h"

namespace orrery {

enum AspectId : int {
  NoAspect = 0,
  Conjunction = 1,
  Opposition = 2,
  Square = 3,
  Trine = 4,
  Sextile = 5,
  SemiSextile = 6,
  Quincunx = 7,
  SemiSquare = 8,
  SesquiSquare = 9,
  Quintile = 10,
  Biquintile = 11,
  Tao = 12,
};

inline constexpr int AspectRowCount = 13;

struct AspectInfo {
  int id;              // the AspectId
  int commandId;       // tool-bar button and icon command, 102..113 (0 for row 0)
  int index;           // AspectId - 1 (0 for row 0)
  int nameStringId;    // into the localised string table (0 for row 0: no name)
  int angle;           // exact angle, whole degrees
  std::int8_t defaultOrbs[BodyCount];  // whole degrees per BodyId
  std::uint32_t colour;  // RGB, red in the low byte
  int lineCode;          // 1..3, how the wheel draws the aspect line
};

extern const AspectInfo aspectInfo[AspectRowCount];

// The aspect two bodies form at these longitudes under the current orbs, or
// NoAspect. Rows are tried in AspectId order and the first match wins; a body
// whose current orb for a row is 0 takes no part in that row.
int AspectBetween(int bodyA, double longitudeA, int bodyB, double longitudeB);

// Fills the aspect matrix of the current slot from the BodyTable longitudes.
void ComputeAspects();

// 1 when some pair of bodies that are both shown (BodyTable `shown`) has this
// aspect in the current matrix; kind 0 gives 0.
int AspectPresent(int kind);

}  // namespace orrery
