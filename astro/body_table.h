// The BodyTable: one entry per chart body, indexed by BodyId. The apparent
// position pipeline writes the positions and retrograde flags; the chart
// computation adds the Ascendant and Midheaven longitudes and the factor
// flags; the chart wheel keeps its display flags and glyph positions here.
#pragma once

#include <cstdint>

#include "foundation/vectors.h"

namespace orrery {

enum BodyId : int {
  Sun = 0,
  Moon = 1,
  Mercury = 2,
  Venus = 3,
  Earth = 4,
  Mars = 5,
  Jupiter = 6,
  Saturn = 7,
  Uranus = 8,
  Neptune = 9,
  Pluto = 10,
  NorthNode = 11,      // node with nutation
  SouthNode = 12,      // opposite of 11
  Ascendant = 13,
  Midheaven = 14,
  MeanNorthNode = 15,  // mean node
  MeanSouthNode = 16,  // opposite of 15
};

inline constexpr int BodyCount = 17;

struct BodyPosition {
  // Apparent geocentric ecliptic (longitude, latitude, distance in AU),
  // ecliptic and equinox of date; angles in [0, 2pi].
  Vec3 geocentric;
  // Heliocentric ecliptic position in the same frame.
  Vec3 heliocentric;
  // 1 when the body moves backwards.
  std::uint8_t retrograde;
  // Sign flags of the body's sign when it scored, plus quadrant bits.
  std::uint16_t factorFlags;
  // Takes part in the displayed aspects.
  std::uint32_t shown;
  // Drawn in the wheel (and can be tapped there).
  std::uint32_t drawnInWheel;
  // Takes part in the glyph layout of the wheel.
  std::uint32_t placedByLayout;
  // Top-left corner of the body's wheel glyph, in pixels.
  std::int16_t glyphX;
  std::int16_t glyphY;
};

extern BodyPosition BodyTable[BodyCount];

}  // namespace orrery
