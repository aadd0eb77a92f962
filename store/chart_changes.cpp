#include "store/chart_changes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "chart/chart_slot.h"
#include "foundation/error_log.h"
#include "store/atomic_file.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/store_home.h"
#include "store/store_lock.h"
#include "store/store_notice.h"
#include "store/stored_file.h"

namespace orrery {

namespace {

std::vector<ChartChange> waiting;
int failedSaves = 0;

// An id a chart of this run carried before a save gave it another: every
// place that holds it takes the new one.
void Renumber(std::int32_t from, std::int32_t to, std::vector<ChartChange>& later) {
  for (std::vector<ChartChange>* list : {&waiting, &later}) {
    for (ChartChange& change : *list) {
      if (change.id == from) change.id = to;
    }
  }
  for (ChartSlot& slot : chartSlots) {
    if (slot.record.id == from) slot.record.id = to;
  }
  if (currentRecord.id == from) currentRecord.id = to;
}

// An added chart keeps the id it was given in memory while no process has
// handed that id out meanwhile; otherwise it takes the next one.
int PlaceAdded(ChartChange& change, std::vector<ChartChange>& later) {
  bool keepsId = change.id >= NextChartId() && FindSlot(change.id) < 0;
  if (keepsId) return TakeSlot(change.id);
  std::int32_t id = NewChartId();
  if (id < 0) return -1;
  if (change.id != 0) Renumber(change.id, id, later);
  change.id = id;
  return FindSlot(id);
}

// Applies one change to the store in memory; false (604 pushed) when a
// chart to be added, or an edited chart another process deleted, finds no
// free slot.
bool Apply(ChartChange& change, std::vector<ChartChange>& later) {
  if (change.kind == ChartChange::Kind::Delete) {
    DeleteChart(change.id);
    return true;
  }
  int index = change.kind == ChartChange::Kind::Add ? PlaceAdded(change, later) : FindSlot(change.id);
  // An edit of a chart deleted elsewhere meanwhile stores it again.
  if (index < 0 && change.kind == ChartChange::Kind::Edit) index = TakeSlot(change.id);
  if (index < 0) {
    PushError(604);
    return false;
  }
  ChartRecord record = change.record;
  record.id = change.id;
  PutChart(index, record);
  return true;
}

// Applies the list in order; the changes that could not be applied leave it.
void ApplyAll(std::vector<ChartChange>& changes, std::vector<ChartChange>& later) {
  for (std::size_t i = 0; i < changes.size();) {
    if (Apply(changes[i], later)) {
      ++i;
    } else {
      changes.erase(changes.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

int AddsIn(const std::vector<ChartChange>& changes) {
  return static_cast<int>(std::count_if(changes.begin(), changes.end(), [](const ChartChange& c) {
    return c.kind == ChartChange::Kind::Add;
  }));
}

bool RoomFor(const std::vector<ChartChange>& changes) {
  int adds = AddsIn(changes);
  return adds == 0 || adds <= FreeChartSlots();
}

SaveResult Failed(const std::string& cause) {
  PushError(601);
  ++failedSaves;
  PostStoreNotice(SaveFailureNotice(ChartFilePath(), cause));
  return SaveResult::Failed;
}

// The changes, when the file cannot be read now: applied in memory only.
SaveResult KeepInMemory(std::vector<ChartChange>& changes, const std::string& cause) {
  if (!RoomFor(changes)) return PushError(604), SaveResult::NoRoom;
  ApplyAll(changes, changes);
  waiting.insert(waiting.end(), changes.begin(), changes.end());
  return Failed(cause);
}

// Under the lock: the file as it is now, the waiting changes and these,
// written back.
SaveResult ReadChangeWrite(std::vector<ChartChange>& changes) {
  StoredFile file = ReadStoredFile(ChartFilePath(), ChartImageBytes);
  if (file.status == StoredFile::Status::Unreadable)
    return KeepInMemory(changes, "the file cannot be read (" + file.problem + ")");
  LoadStoredChartFile(file);
  const ChartFileStatus& status = LastChartFileStatus();
  ApplyAll(waiting, changes);
  bool room = RoomFor(changes);
  if (room) {
    ApplyAll(changes, changes);
    waiting.insert(waiting.end(), changes.begin(), changes.end());
  } else {
    PushError(604);
  }
  if (status.state == ChartFileStatus::State::Repaired && status.damagedCopy.empty())
    return Failed("the damaged file could not be copied aside (" + status.problem + ")");
  if (waiting.empty() && status.state != ChartFileStatus::State::Repaired)
    return room ? SaveResult::Saved : SaveResult::NoRoom;
  std::string problem;
  if (!WriteChartFile(&problem)) return Failed(problem);
  waiting.clear();
  return room ? SaveResult::Saved : SaveResult::NoRoom;
}

}  // namespace

SaveResult SaveChartChanges(std::vector<ChartChange>& changes) {
  if (!PrepareHome()) return KeepInMemory(changes, "the folder " + StoreHome().string() + " cannot be made");
  StoreLock lock(ChartFilePath(), StoreLock::Mode::Exclusive);
  if (!lock.Held()) return KeepInMemory(changes, lock.Problem());
  RemoveStaleTempFiles(ChartFilePath());
  return ReadChangeWrite(changes);
}

bool RemoveChart(std::int32_t id) {
  if (id <= 0 || FindSlot(id) < 0) return false;
  std::vector<ChartChange> changes{{ChartChange::Kind::Delete, id, {}}};
  SaveChartChanges(changes);
  return true;
}

SaveResult SaveWaitingChanges() {
  if (waiting.empty()) return SaveResult::Saved;
  std::vector<ChartChange> none;
  return SaveChartChanges(none);
}

bool ChartChangesWaiting() { return !waiting.empty(); }

int FailedChartSaves() { return failedSaves; }

void RefreshChartStore() {
  if (ChartFilePath().empty() || StampOf(ChartFilePath()) == LastChartFileStatus().stamp) return;
  StoreLock lock(ChartFilePath(), StoreLock::Mode::Shared);
  StoredFile file = ReadStoredFile(ChartFilePath(), ChartImageBytes);
  if (file.status == StoredFile::Status::Unreadable) return;
  LoadStoredChartFile(file);
  ApplyAll(waiting, waiting);
}

void ResetChartChanges() {
  waiting.clear();
  failedSaves = 0;
}

}  // namespace orrery
