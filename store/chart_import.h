// Charts brought in from a chart file of another device (the web page's
// "Import charts"): the file is checked as `orrery-cli charts verify` checks
// it, and its charts join the store as new charts.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orrery {

// Adds every chart of the chart file's bytes to the store as a new chart
// (a new id, the order kept) and writes the chart file. All or nothing: a
// file with any problem InspectChartFile finds, one holding no chart or more
// charts than the store has free slots, and a failed write leave the store,
// the chart file and the current ChartRecord as they were. Returns the empty
// string when the charts were added, else why nothing changed.
std::string ImportChartFile(std::span<const std::uint8_t> bytes);

}  // namespace orrery
