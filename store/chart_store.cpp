#include "store/chart_store.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "foundation/crc31.h"
#include "foundation/error_log.h"

namespace orrery {

ChartStore chartStore;

void ResetChartStore(ChartStore& store) {
  store.image.fill(0);
  PutU32(store.image.data(), ChartFileFormat);
  store.SetLastId(LastSampleId + 1);
}

void FillChartStore(ChartStore& store, const std::uint8_t* bytes, std::size_t size) {
  ResetChartStore(store);
  if (size > 0) std::memcpy(store.image.data(), bytes, std::min<std::size_t>(size, ChartImageBytes));
}

void ClearSlot(ChartStore& store, int index) {
  if (index < 0 || index >= StoreSlotCount) return;
  std::memset(store.Slot(index), 0, ChartSlotBytes);
}

void CompactChartStore(ChartStore& store) {
  // Each free slot takes the last chart behind it. Slots behind a moved chart
  // hold none, so the search for the next one goes on from where it stopped.
  int from = StoreSlotCount - 1;
  for (int i = 0; i < StoreSlotCount - 1; ++i) {
    if (store.IdAt(i) != 0) continue;
    while (from > i && store.IdAt(from) < 1) --from;
    if (from <= i) return;  // no chart behind this free slot
    std::memcpy(store.Slot(i), store.Slot(from), ChartSlotBytes);
    ClearSlot(store, from);
  }
}

int FileSlotCount(const ChartStore& store) {
  for (int i = StoreSlotCount - 1; i > 0; --i) {
    if (store.IdAt(i) >= 1) return i + 1;
  }
  return 1;
}

std::uint32_t FileChecksum(const ChartStore& store, int slotCount) {
  return Crc31(store.image.data(), ChartHeaderBytes + ChartSlotBytes * slotCount, 4);
}

int FindSlot(std::int32_t id) {
  for (int i = 0; i < StoreSlotCount; ++i) {
    if (chartStore.IdAt(i) == id) return i;
  }
  return -1;
}

std::int32_t NextChartId() {
  // A file may carry any lastId; new ids stay above the sample ids.
  return std::max(chartStore.LastId(), LastSampleId + 1) + 1;
}

int TakeSlot(std::int32_t id) {
  int index = FindSlot(0);
  if (index < 0) return -1;
  ClearSlot(chartStore, index);
  PutI32(chartStore.Slot(index), id);
  chartStore.SetLastId(std::max(chartStore.LastId(), id));
  return index;
}

std::int32_t NewChartId() {
  if (!HasFreeSlot()) return -1;
  std::int32_t id = NextChartId();
  TakeSlot(id);
  return id;
}

void PutChart(int index, const ChartRecord& record) {
  EncodeChartSlot(record, chartStore.Slot(index));
  SetRecordCheck(chartStore.Slot(index));
  chartStore.SetChanged(1);
}

bool StoreChart(std::int32_t id) {
  int index = FindSlot(id);
  if (index < 0) {
    PushError(604);
    return false;
  }
  PutChart(index, currentRecord);
  return true;
}

bool FetchChart(std::int32_t id) {
  int index = FindSlot(id);
  if (index < 0) {
    PushError(605);
    return false;
  }
  DecodeChartSlot(chartStore.Slot(index), currentRecord);
  return true;
}

bool DeleteChart(std::int32_t id) {
  int index = FindSlot(id);
  if (index < 0) return false;
  ClearSlot(chartStore, index);
  return true;
}

int CountCharts() {
  int count = 0;
  for (int i = 0; i < StoreSlotCount; ++i) count += chartStore.IdAt(i) >= 1;
  return count;
}

std::int32_t ChartIdAt(int index) {
  if (index < 0 || index >= StoreSlotCount) return -1;
  std::int32_t id = chartStore.IdAt(index);
  return id >= 1 ? id : -1;
}

bool HasFreeSlot() {
  return FindSlot(0) >= 0 && chartStore.LastId() < std::numeric_limits<std::int32_t>::max();
}

int FreeChartSlots() { return HasFreeSlot() ? StoreSlotCount - CountCharts() : 0; }

bool IsSampleChart(std::int32_t id) { return id <= LastSampleId; }

}  // namespace orrery
