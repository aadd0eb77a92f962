#include "store/chart_import.h"

#include <memory>
#include <vector>

#include "chart/chart_record.h"
#include "store/chart_changes.h"
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

// The charts of the given slots as changes that add them.
std::vector<ChartChange> AddsOf(const ChartStore& incoming, const std::vector<int>& slots) {
  std::vector<ChartChange> adds;
  for (int index : slots) {
    ChartChange add;
    DecodeChartSlot(incoming.Slot(index), add.record);
    adds.push_back(add);
  }
  return adds;
}

std::string NoRoom(std::size_t charts) {
  return Refusal("the file holds " + std::to_string(charts) + " charts and only " +
                 std::to_string(FreeChartSlots()) + " places are free");
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
  // Counted against the chart file as other processes left it.
  RefreshChartStore();
  if (int(slots.size()) > FreeChartSlots()) return NoRoom(slots.size());

  // Saved under the chart file's lock, merged with what is there; a write
  // that fails keeps the charts in memory for the next save, and the
  // program's save notice says so.
  std::vector<ChartChange> adds = AddsOf(*incoming, slots);
  if (SaveChartChanges(adds) == SaveResult::NoRoom) return NoRoom(slots.size());
  return "";
}

}  // namespace orrery
