// The user's changes to the stored charts, each saved the moment it is
// made, safely beside other processes on the same home (orrery-cli and the
// program may work on one home at the same time):
//
//   1. the chart file's lock is taken exclusively (store_lock.h);
//   2. the file is read again under it, so changes other processes made
//      meanwhile are kept (a damaged file is copied aside first);
//   3. just this change is applied: an added chart takes the next id of the
//      file as it is now, so ids stay unique across processes;
//   4. the file is replaced atomically, and the lock let go.
//
// A change that cannot be saved (a file that cannot be read, a folder that
// cannot be written, a full disk) pushes 601, stays applied in memory and
// waits: every later change, and the close, tries it again, and a notice
// tells the user (store_notice.h).
#pragma once

#include <cstdint>
#include <vector>

#include "chart/chart_record.h"

namespace orrery {

struct ChartChange {
  enum class Kind { Add, Edit, Delete };
  Kind kind = Kind::Add;
  // Add: 0, set to the chart's id once added; Edit, Delete: the chart's id.
  std::int32_t id = 0;
  ChartRecord record{};  // Add, Edit
};

enum class SaveResult {
  Saved,   // in the file
  Failed,  // 601: kept in memory, waiting for the next save
  NoRoom,  // 604: the new charts do not all fit in the free slots: none of them was added
};

// Applies the changes (in order, all or none of their new charts) and
// saves them, together with any changes still waiting.
SaveResult SaveChartChanges(std::vector<ChartChange>& changes);
// Deletes the stored chart with that id and saves the deletion; false when
// the store holds no chart with that id (nothing is saved then).
bool RemoveChart(std::int32_t id);
// Tries the waiting changes again; Saved when none is waiting.
SaveResult SaveWaitingChanges();
// Whether changes that could not be saved yet are waiting.
bool ChartChangesWaiting();
// How many saves failed since the program started.
int FailedChartSaves();

// Reloads the store when another process changed the chart file since it
// was last read or written here (its stamp differs), then applies the
// waiting changes on top. A file that cannot be read now leaves the store
// as it was. Call before listing charts or counting free slots.
void RefreshChartStore();

// Forgets the waiting changes and the count of failed saves (a new start).
void ResetChartChanges();

}  // namespace orrery
