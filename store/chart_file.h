// The chart file, <home>/qastrology.dat: the ChartStore's header followed by
// its first n slots, n being the index of the last slot holding a chart plus
// one (at least 1), so 16 + 452 x n bytes and at most 90416.
//
// Checksums: the file checksum is the 31-bit checksum of the first
// 16 + 452 x n bytes with the field at offset 4 (the checksum itself) skipped;
// because of the way the skip counts, the very last byte of the file is not
// covered. A mismatch on load drops every slot whose record check disagrees
// with its bytes, recomputes lastId and compacts the table.
//
// The file is written after every change that reaches the store (a chart
// committed or removed) and at shutdown, always atomically. Each write holds
// the table compacted, while the slots in memory keep their places until the
// next load, so lists shown during a run keep their order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/chart_store.h"

namespace orrery {

// Resets the store and fills it from the chart file. Pushes 602 and returns
// false when the file cannot be opened (the store stays empty); pushes 603
// and repairs on a checksum mismatch, and returns true then too.
bool LoadChartFile();
// The same for the bytes of a chart file already in memory; a longer input
// is read only to its first 90416 bytes, a shorter one fills the front.
void LoadChartBytes(const std::uint8_t* bytes, std::size_t size);

// Drops damaged records after a file checksum mismatch: slots with id 0 are
// cleared, other slots whose record check disagrees are cleared (changed =
// 1); lastId becomes the largest id left (at least 5); the table is compacted.
void RepairChartStore(ChartStore& store);

// The bytes SaveChartFile writes: a compacted copy of the store, its first
// 16 + 452 x n bytes, with the file checksum in the header.
std::vector<std::uint8_t> ChartFileBytes();
// Writes ChartFileBytes atomically and sets changed = 0. Pushes 601 and
// returns false, with the old file intact, when it cannot be written.
bool SaveChartFile();

// Deletes the stored chart with that id and writes the chart file; false
// when no chart has that id (nothing is written then).
bool RemoveChart(std::int32_t id);

}  // namespace orrery
