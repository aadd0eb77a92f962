// Runs every atlas reader over the atlas in use, as the wizard and the
// command line would, and checks what must hold for any blob, however
// damaged: codes, positions inside the city records, terminated names and
// corrections inside their fields. Shared by the damaged-blob tests and
// the fuzz target.
#pragma once

#include <string>

namespace orrery::testing {

// Opens the atlas and exercises it; returns the first broken invariant, or "".
std::string ExerciseAtlas();

}  // namespace orrery::testing
