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
// A reader never destroys: a file that is there but cannot be read is
// reported and left alone (nothing writes over it), and a damaged file is
// copied aside (damaged_copy.h) before anything can write its repair.
// Changes reach the file through chart_changes.h, one locked
// read-change-write each; nothing writes the file merely because the
// program closes. Each write holds the table compacted, while the slots in
// memory keep their places until the next load, so lists shown during a run
// keep their order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/chart_store.h"
#include "store/stored_file.h"

namespace orrery {

// What the last load of the chart file found.
struct ChartFileStatus {
  enum class State { Missing, Read, Repaired, Unreadable };
  State state = State::Missing;
  std::string problem;        // Unreadable: why; Repaired: why no copy could be kept
  int droppedRecords = 0;     // Repaired: damaged records left out
  std::filesystem::path damagedCopy;  // Repaired: the file as it was (empty: none kept)
  std::optional<FileStamp> stamp;     // the file as read (none while there is no file)
};

// Resets the store and fills it from the chart file, under the file's
// shared lock (removing temporary files of writers that were killed).
// Pushes 602 and returns false when there is no file or it cannot be read
// (the store stays empty; LastChartFileStatus says which); pushes 603,
// copies the file aside and repairs on a checksum mismatch, and returns true then too.
bool LoadChartFile();
const ChartFileStatus& LastChartFileStatus();

// Fills the store from a chart file that was read: the load above, for a
// caller that holds the lock. Sets LastChartFileStatus.
bool LoadStoredChartFile(const StoredFile& file);

// The same for the bytes of a chart file already in memory; a longer input
// is read only to its first 90416 bytes, a shorter one fills the front.
// Says whether a repair was needed and how many records it dropped.
struct ChartBytesLoad {
  bool repaired = false;
  int droppedRecords = 0;
};
ChartBytesLoad LoadChartBytes(const std::uint8_t* bytes, std::size_t size);

// Drops damaged records after a file checksum mismatch: slots with id 0 are
// cleared, other slots whose record check disagrees are cleared (changed =
// 1); lastId becomes the largest id left (at least 5); the table is compacted.
void RepairChartStore(ChartStore& store);

// The bytes a save writes: a compacted copy of the store, its first
// 16 + 452 x n bytes, with the file checksum in the header.
std::vector<std::uint8_t> ChartFileBytes();

// Replaces the chart file by the store in memory, atomically, for a caller
// that holds the file's lock exclusively; then sets changed = 0 and
// remembers the stamp of the file written. False, with the old file intact
// and the cause in problem, when it cannot be written.
bool WriteChartFile(std::string* problem);

// The home folder exists (made on the first write); false while none is set
// or it cannot be made.
bool PrepareHome();

}  // namespace orrery
