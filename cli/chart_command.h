// orrery-cli chart: computes one chart (or a batch of them) and prints it.
#pragma once

#include "chart/chart_record.h"
#include "cli/arguments.h"
#include "cli/record_options.h"

namespace orrery::cli {

// orrery-cli chart <record options> [chart settings] [--json]
//   (the place may come from the atlas: --city NAME [--near LAT,LON])
// orrery-cli chart --sample 0..4 [chart settings] [--json]
// orrery-cli chart --batch FILE|- [chart settings]
// Exit codes: 0 done, 2 bad arguments or record (nothing printed on standard
// output), 1 when some batch line failed (its error object is printed and the
// other lines are still computed).
int RunChart(Arguments& args);

// Computes the record in slot 0 under the settings and prints it as
// `orrery-cli chart` does: for people, or with json as one JSON object.
void PrintComputedChart(const ChartRecord& record, const ChartSettings& settings, bool json);

}  // namespace orrery::cli
