// The contact sheet's preview of the pictures in place (orrery-glyph-sheet).
#pragma once

#include "shell/platform/surface.h"

namespace orrery::glyphs {

// Three 240-pixel-wide panels side by side: a wheel, rows of the text
// views, and the aspect grid with the Info view's factor rows. Needs the
// pictures registered.
platform::Surface Preview();

}  // namespace orrery::glyphs
