// orrery-cli chart: computes one chart (or a batch of them) and prints it.
#pragma once

#include "cli/arguments.h"

namespace orrery::cli {

// orrery-cli chart <record options> [chart settings] [--json]
//   (the place may come from the atlas: --city NAME [--near LAT,LON])
// orrery-cli chart --batch FILE|- [chart settings]
// Exit codes: 0 done, 2 bad arguments or record (nothing printed on standard
// output), 1 when some batch line failed (its error object is printed and the
// other lines are still computed).
int RunChart(Arguments& args);

}  // namespace orrery::cli
