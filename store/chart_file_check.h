// A look at a chart file without changing it or the store: what a load would
// find and repair. Used by `orrery-cli charts verify`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orrery {

struct ChartFileProblem {
  int slot;         // slot index, or -1 for the file as a whole
  std::int32_t id;  // the slot's id (0 for the file as a whole)
  std::string what;
};

struct ChartFileReport {
  std::size_t size = 0;
  int slotCount = 0;           // slots the header's checksum covers (n)
  bool checksumValid = false;  // false: a load pushes 603 and repairs
  int droppedByRepair = 0;     // records a load would drop (only when the checksum fails)
  std::vector<ChartFileProblem> problems;
};

// Checks the bytes of a chart file: its length, the file checksum, and each
// slot's record check, id and strings.
ChartFileReport InspectChartFile(const std::uint8_t* bytes, std::size_t size);

}  // namespace orrery
