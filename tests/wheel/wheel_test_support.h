// Charts and display flags for the wheel tests.
#pragma once

#include <initializer_list>

#include "astro/body_table.h"
#include "shell/platform/geometry.h"

namespace orrery::wheel_test {

// Display flags of a fresh start (InitialiseBodyDisplayFlags).
void ResetDisplayFlags();

// Sample chart n computed into slot 0, the slot on show, with the default
// orbs and Placidus houses.
void ComputeSample(int n);

// A chart of hand-set longitudes in degrees with this Ascendant and no
// aspects: only the listed bodies are drawn in the wheel (the layout always
// draws the Sun, so list it too).
struct Placement {
  int body;
  double longitude;
};
void SetChart(double ascendantDegrees, std::initializer_list<Placement> placements);

// The box of a body's large glyph at its stored corner (inner bitmap).
platform::Rect StoredGlyphBox(int body);

}  // namespace orrery::wheel_test
