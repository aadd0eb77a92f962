// Which body glyph of the wheel a tap meets.
#pragma once

#include "shell/platform/geometry.h"

namespace orrery {

// Sizes of the Ascendant's and Midheaven's marks, their tap boxes.
inline constexpr platform::Size AscendantMarkSize{7, 13};
inline constexpr platform::Size MidheavenMarkSize{14, 7};

// The first body, in BodyId order, drawn in the wheel (drawnInWheel) whose
// glyph box holds (x, y) in window coordinates, not counting the box's
// outermost pixels; -1 when none does. Glyph corners are those of the last
// layout (inner bitmap coordinates, placed round centre), the Ascendant's
// and Midheaven's those of their marks (window coordinates).
int BodyAtPoint(platform::Point centre, int x, int y);

}  // namespace orrery
