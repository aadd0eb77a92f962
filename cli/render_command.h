// orrery-cli render: one view of a chart as the handheld program shows it,
// written as a 240 x 320 PNG.
#pragma once

#include "cli/arguments.h"

namespace orrery::cli {

// orrery-cli render --view info|wheel|planets|aspects|cusps [--stop N]
//   [--house-system S] [--rulership R] [--lang en|de]
//   (--sample N | <record options>) --out FILE.png
// Exit codes: 0 written, 1 the file could not be written, 2 bad arguments.
int RunRender(Arguments& args);

}  // namespace orrery::cli
