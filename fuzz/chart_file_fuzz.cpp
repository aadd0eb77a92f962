// Fuzzes loading a chart file: whatever the bytes, loading stays in bounds
// and leaves a store that is consistent and saves to a file which loads
// back without repair and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/error_log.h"
#include "foundation/wide_string.h"
#include "store/chart_file.h"
#include "store/chart_store.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckStoredChartsReadBack() {
  for (int i = 0; i < orrery::StoreSlotCount; ++i) {
    std::int32_t id = orrery::chartStore.IdAt(i);
    Require(id <= orrery::chartStore.LastId());
    if (orrery::ChartIdAt(i) < 1) continue;
    Require(orrery::FetchChart(id));
    Require(orrery::BoundedLength(orrery::currentRecord.name, orrery::RecordNameUnits) <
            orrery::RecordNameUnits);
    Require(orrery::BoundedLength(orrery::currentRecord.city, orrery::RecordCityUnits) <
            orrery::RecordCityUnits);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orrery::ClearErrorLog();
  orrery::LoadChartBytes(data, size);
  Require(orrery::chartStore.LastId() >= 5);
  CheckStoredChartsReadBack();
  int count = orrery::CountCharts();

  std::vector<std::uint8_t> saved = orrery::ChartFileBytes();
  Require(saved.size() >= 16 + 452 && saved.size() <= orrery::ChartImageBytes &&
          (saved.size() - 16) % 452 == 0);
  orrery::ClearErrorLog();
  orrery::LoadChartBytes(saved.data(), saved.size());
  Require(orrery::LastErrorCode() == 0);
  Require(orrery::CountCharts() == count);
  Require(orrery::ChartFileBytes() == saved);

  if (orrery::HasFreeSlot()) {
    std::int32_t last = orrery::chartStore.LastId();
    std::int32_t id = orrery::NewChartId();
    Require(id > last && id >= 6 && orrery::FindSlot(id) >= 0);
  }
  return 0;
}
