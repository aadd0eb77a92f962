// orrery-cli charts: the chart file of a home folder.
#pragma once

#include "cli/arguments.h"

namespace orrery::cli {

// orrery-cli charts [--home DIR] list [--json] | show ID [chart settings] [--json] |
//   add <record options> [--sex neutral|male|female]
//       [--country T] [--state T] [--city-name T] (names of a typed place) |
//   delete ID | export ID|all --json | import FILE.json|- | verify
// The home defaults to $XDG_DATA_HOME/orrery (~/.local/share/orrery).
// Exit codes: 0 done, 1 the operation failed (no such chart, store full, the
// file could not be written, verify found damage), 2 bad arguments or input.
int RunCharts(Arguments& args);

}  // namespace orrery::cli
