#include "shell/glyphs/register_glyphs.h"

#include "shell/platform/resources.h"

namespace orrery::glyphs {

platform::Image ImageOf(const StoredGlyph& g) {
  platform::Image image(g.width, g.height);
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const uint32_t v = g.argb[size_t(y) * g.width + x];
      if (v) image.SetPixel(x, y, platform::Colour::FromPacked(v), uint8_t(v >> 24));
    }
  }
  return image;
}

void RegisterGlyphResources() {
  for (const StoredGlyph& g : StoredGlyphs()) {
    if (g.kind == ResourceKind::Icon) {
      platform::AddIcon(g.id, ImageOf(g));
    } else {
      platform::AddBitmap(g.id, ImageOf(g));
    }
  }
}

}  // namespace orrery::glyphs
