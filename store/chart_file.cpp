#include "store/chart_file.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include "foundation/error_log.h"
#include "store/atomic_file.h"
#include "store/damaged_copy.h"
#include "store/store_home.h"
#include "store/store_lock.h"

namespace orrery {

namespace {

ChartFileStatus lastStatus;

// lastId never lies below the sample ids nor below an id in the table, so a
// new id can never repeat one that is stored.
void RaiseLastIdToStoredIds(ChartStore& store) {
  std::int32_t lastId = std::max(store.LastId(), static_cast<std::int32_t>(LastSampleId + 1));
  for (int i = 0; i < StoreSlotCount; ++i) lastId = std::max(lastId, store.IdAt(i));
  store.SetLastId(lastId);
}

}  // namespace

bool PrepareHome() {
  if (StoreHome().empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(StoreHome(), error);
  return !error;
}

void RepairChartStore(ChartStore& store) {
  for (int i = 0; i < StoreSlotCount; ++i) {
    if (store.IdAt(i) == 0) {
      ClearSlot(store, i);
    } else if (!RecordCheckMatches(store.Slot(i))) {
      ClearSlot(store, i);
      store.SetChanged(1);
    }
  }
  store.SetLastId(LastSampleId + 1);
  RaiseLastIdToStoredIds(store);
  CompactChartStore(store);
}

ChartBytesLoad LoadChartBytes(const std::uint8_t* bytes, std::size_t size) {
  FillChartStore(chartStore, bytes, size);
  ChartBytesLoad load;
  if (FileChecksum(chartStore, FileSlotCount(chartStore)) != chartStore.Checksum()) {
    PushError(603);
    int before = CountCharts();
    RepairChartStore(chartStore);
    load = {true, before - CountCharts()};
  } else {
    RaiseLastIdToStoredIds(chartStore);
  }
  chartStore.SetChanged(0);
  return load;
}

bool LoadStoredChartFile(const StoredFile& file) {
  ResetChartStore(chartStore);
  lastStatus = {};
  if (file.status != StoredFile::Status::Read) {
    lastStatus.state = file.status == StoredFile::Status::Missing ? ChartFileStatus::State::Missing
                                                                  : ChartFileStatus::State::Unreadable;
    lastStatus.problem = file.problem;
    PushError(602);
    return false;
  }
  lastStatus.stamp = file.stamp;
  lastStatus.state = ChartFileStatus::State::Read;
  ChartBytesLoad load = LoadChartBytes(file.bytes.data(), file.bytes.size());
  lastStatus.droppedRecords = load.droppedRecords;
  if (load.repaired) {
    lastStatus.state = ChartFileStatus::State::Repaired;
    lastStatus.damagedCopy = KeepDamagedCopy(ChartFilePath(), lastStatus.problem);
  }
  return true;
}

bool LoadChartFile() {
  if (ChartFilePath().empty()) return LoadStoredChartFile({});
  StoreLock lock(ChartFilePath(), StoreLock::Mode::Shared);
  if (lock.Held()) RemoveStaleTempFiles(ChartFilePath());
  return LoadStoredChartFile(ReadStoredFile(ChartFilePath(), ChartImageBytes));
}

const ChartFileStatus& LastChartFileStatus() { return lastStatus; }

std::vector<std::uint8_t> ChartFileBytes() {
  auto copy = std::make_unique<ChartStore>(chartStore);
  CompactChartStore(*copy);
  int slotCount = FileSlotCount(*copy);
  PutU32(copy->image.data() + 4, FileChecksum(*copy, slotCount));
  return {copy->image.begin(), copy->image.begin() + ChartHeaderBytes + ChartSlotBytes * slotCount};
}

bool WriteChartFile(std::string* problem) {
  std::vector<std::uint8_t> bytes = ChartFileBytes();
  if (!WriteFileAtomically(ChartFilePath(), bytes.data(), bytes.size(), problem)) return false;
  chartStore.SetChanged(0);
  lastStatus.stamp = StampOf(ChartFilePath());
  return true;
}

}  // namespace orrery
