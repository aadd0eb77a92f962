// ObjectInfo: the static per-body table of the chart computation, indexed by
// BodyId. The views keep their glyph and drawing data beside it.
#pragma once

#include <cstdint>

#include "astro/body_table.h"

namespace orrery {

struct ObjectInfo {
  int id;                    // the BodyId
  const char* abbreviation;  // two letters, e.g. "SO"
  int nameStringId;          // into the localised string table
  std::int8_t defaultPoints; // traditional-factor points, 0..9
};

extern const ObjectInfo objectInfo[BodyCount];

}  // namespace orrery
