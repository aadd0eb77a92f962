#include "store/chart_import.h"

#include <memory>
#include <vector>

#include "chart/chart_record.h"
#include "store/chart_file.h"
#include "store/chart_file_check.h"
#include "store/chart_store.h"

namespace orrery {

namespace {

std::string Refusal(const std::string& why) { return "Nothing imported: " + why + "."; }

std::string DamageOf(const ChartFileReport& report) {
  const ChartFileProblem& p = report.problems.front();
  if (p.slot < 0) return Refusal("the file is damaged (" + p.what + ")");
  return Refusal("the file is damaged (record " + std::to_string(p.slot + 1) + ", id " +
                 std::to_string(p.id) + ": " + p.what + ")");
}

// Stores the charts of the given slots as new charts; false when an id runs out.
bool AddCharts(const ChartStore& incoming, const std::vector<int>& slots) {
  for (int index : slots) {
    DecodeChartSlot(incoming.Slot(index), currentRecord);
    currentRecord.id = NewChartId();
    if (currentRecord.id < 0 || !StoreChart(currentRecord.id)) return false;
  }
  return true;
}

}  // namespace

std::string ImportChartFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > std::size_t(ChartImageBytes)) {
    return Refusal("the file is " + std::to_string(bytes.size()) +
                   " bytes, longer than any chart file");
  }
  const ChartFileReport report = InspectChartFile(bytes.data(), bytes.size());
  if (!report.problems.empty()) return DamageOf(report);

  auto incoming = std::make_unique<ChartStore>();
  FillChartStore(*incoming, bytes.data(), bytes.size());
  std::vector<int> slots;
  for (int i = 0; i < report.slotCount; ++i) {
    if (incoming->IdAt(i) > LastSampleId) slots.push_back(i);
  }
  if (slots.empty()) return Refusal("the file holds no charts");
  const int free = StoreSlotCount - CountCharts();
  if (int(slots.size()) > free) {
    return Refusal("the file holds " + std::to_string(slots.size()) + " charts and only " +
                   std::to_string(free) + " places are free");
  }

  const auto before = std::make_unique<ChartStore>(chartStore);
  const ChartRecord shown = currentRecord;
  const bool added = AddCharts(*incoming, slots);
  currentRecord = shown;
  if (added && SaveChartFile()) return "";
  chartStore = *before;
  return Refusal(added ? "the chart file cannot be written" : "no chart id is left");
}

}  // namespace orrery
