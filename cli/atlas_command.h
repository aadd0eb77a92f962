// orrery-cli atlas: the world atlas from the command line.
#pragma once

#include "cli/arguments.h"

namespace orrery::cli {

// orrery-cli atlas search TEXT
// orrery-cli atlas city NAME --lat 48N24 --lon 10E00
// orrery-cli atlas entry --name NAME [--near LAT,LON] --moment YYYY-MM-DDTHH:MM [--json]
// orrery-cli atlas entry --batch FILE|-
// orrery-cli atlas regions | countries REGION | provinces COUNTRY | stats
// Exit codes: 0 done, 1 no such city (or a batch line failed), 2 bad arguments.
int RunAtlas(Arguments& args);

}  // namespace orrery::cli
