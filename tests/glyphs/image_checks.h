// Measurements of pictures shared by the glyph tests.
#pragma once

#include "shell/platform/surface.h"

namespace orrery::glyphs::testing {

// Bounds of the pixels at least minAlpha opaque; empty when there are none.
inline platform::Rect InkBounds(const platform::Image& img, int minAlpha = 1) {
  platform::Rect r{img.Width(), img.Height(), 0, 0};
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) {
      if (img.Alpha(x, y) < minAlpha) continue;
      r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
           std::max(r.bottom, y + 1)};
    }
  }
  return r.Empty() ? platform::Rect{} : r;
}

inline bool SamePixels(const platform::Image& a, const platform::Image& b) {
  if (a.Dimensions() != b.Dimensions()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Alpha(x, y) != b.Alpha(x, y)) return false;
      if (a.Alpha(x, y) && a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace orrery::glyphs::testing
