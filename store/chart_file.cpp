#include "store/chart_file.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include "foundation/error_log.h"
#include "store/atomic_file.h"
#include "store/store_home.h"

namespace orrery {

namespace {

// lastId never lies below the sample ids nor below an id in the table, so a
// new id can never repeat one that is stored.
void RaiseLastIdToStoredIds(ChartStore& store) {
  std::int32_t lastId = std::max(store.LastId(), static_cast<std::int32_t>(LastSampleId + 1));
  for (int i = 0; i < StoreSlotCount; ++i) lastId = std::max(lastId, store.IdAt(i));
  store.SetLastId(lastId);
}

// The home folder exists (created on the first save); false while none is set.
bool PrepareHome() {
  if (StoreHome().empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(StoreHome(), error);
  return !error;
}

}  // namespace

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

void LoadChartBytes(const std::uint8_t* bytes, std::size_t size) {
  FillChartStore(chartStore, bytes, size);
  if (FileChecksum(chartStore, FileSlotCount(chartStore)) != chartStore.Checksum()) {
    PushError(603);
    RepairChartStore(chartStore);
  } else {
    RaiseLastIdToStoredIds(chartStore);
  }
  chartStore.SetChanged(0);
}

bool LoadChartFile() {
  ResetChartStore(chartStore);
  std::optional<std::vector<std::uint8_t>> bytes;
  if (!ChartFilePath().empty()) bytes = ReadFilePrefix(ChartFilePath(), ChartImageBytes);
  if (!bytes) {
    PushError(602);
    return false;
  }
  LoadChartBytes(bytes->data(), bytes->size());
  return true;
}

std::vector<std::uint8_t> ChartFileBytes() {
  auto copy = std::make_unique<ChartStore>(chartStore);
  CompactChartStore(*copy);
  int slotCount = FileSlotCount(*copy);
  PutU32(copy->image.data() + 4, FileChecksum(*copy, slotCount));
  return {copy->image.begin(), copy->image.begin() + ChartHeaderBytes + ChartSlotBytes * slotCount};
}

bool SaveChartFile() {
  std::vector<std::uint8_t> bytes = ChartFileBytes();
  if (!PrepareHome() || !WriteFileAtomically(ChartFilePath(), bytes.data(), bytes.size())) {
    PushError(601);
    return false;
  }
  chartStore.SetChanged(0);
  return true;
}

bool RemoveChart(std::int32_t id) {
  if (!DeleteChart(id)) return false;
  SaveChartFile();
  return true;
}

}  // namespace orrery
