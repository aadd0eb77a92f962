// Which body glyph of the wheel a tap meets.
#pragma once

#include "shell/platform/geometry.h"

namespace orrery {

// Sizes of the Ascendant's and Midheaven's marks, their tap boxes.
inline constexpr platform::Size AscendantMarkSize{7, 13};
inline constexpr platform::Size MidheavenMarkSize{14, 7};

// The box of a body's glyph in window coordinates: the large glyph at the
// last layout's corner (inner bitmap coordinates round the wheel centre),
// the Ascendant's and Midheaven's marks where the wheel layer put them.
platform::Rect GlyphWindowBox(int body);

// The first body, in BodyId order, drawn in the wheel (drawnInWheel) whose
// glyph box holds the window point (x, y), not counting the box's first two
// and last column and row; -1 when none does.
int WheelHitTest(int x, int y);

}  // namespace orrery
