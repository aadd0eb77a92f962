// The program's pictures (glyph_ids.h) as compiled into it, and their
// registration with the platform's resources.
//
// The build draws every picture once (orrery-glyph-gen, from the artwork of
// glyph_catalogue.h) and compiles the pixels in, so start-up only copies
// them.
#pragma once

#include <cstdint>
#include <span>

#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/surface.h"

namespace orrery::glyphs {

// Registers every picture under its id (platform::AddIcon, AddBitmap).
// Call once at start-up, before the first paint.
void RegisterGlyphResources();

struct StoredGlyph {
  ResourceKind kind;
  int id;
  const char* what;  // a short description
  int width;
  int height;
  const uint32_t* argb;  // row-major 0xAARRGGBB
};

// The compiled pictures, in the order of glyph_ids.h.
std::span<const StoredGlyph> StoredGlyphs();
platform::Image ImageOf(const StoredGlyph& g);

}  // namespace orrery::glyphs
