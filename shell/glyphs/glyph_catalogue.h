// Every picture of the program (glyph_ids.h), drawn from the artwork. The
// build runs this once (orrery-glyph-gen) and compiles the pixels into the
// program, which registers them at start-up (register_glyphs.h).
#pragma once

#include <vector>

#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/surface.h"

namespace orrery::glyphs {

struct GlyphResource {
  ResourceKind kind;
  int id;
  const char* what;  // a short description
  platform::Image image;
};

// Every picture, drawn afresh, in the order of glyph_ids.h.
std::vector<GlyphResource> DrawGlyphResources();

}  // namespace orrery::glyphs
