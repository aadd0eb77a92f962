// Charts brought in from a chart file of another device (the web page's
// "Import charts"): the file is checked as `orrery-cli charts verify` checks
// it, and its charts join the store as new charts.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orrery {

// Adds every chart of the chart file's bytes to the store as a new chart
// (a new id, the order kept), saved as one change under the chart file's
// lock (chart_changes.h). All or nothing: a file with any problem
// InspectChartFile finds, or one holding no chart or more charts than the
// store has free slots, leaves the store, the chart file and the current
// ChartRecord as they were. A write that fails keeps the charts in memory
// for the next save, as every change does, and the save notice says so.
// Returns the empty string when the charts were added, else why nothing
// changed.
std::string ImportChartFile(std::span<const std::uint8_t> bytes);

}  // namespace orrery
