// orrery-cli positions: the apparent positions of every body at one moment.
#pragma once

#include "cli/arguments.h"

namespace orrery::cli {

// orrery-cli positions (--ut YYYY-MM-DDTHH:MM[:SS] [--julian] | --now) [--json]
int RunPositions(Arguments& args);

}  // namespace orrery::cli
