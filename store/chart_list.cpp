#include "store/chart_list.h"

#include <algorithm>
#include <vector>

#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "foundation/error_log.h"
#include "store/chart_changes.h"
#include "store/chart_store.h"
#include "store/sample_charts.h"

namespace orrery {

namespace {

void (*chartChangeHook)() = nullptr;

}  // namespace

void SetChartChangeHook(void (*hook)()) { chartChangeHook = hook; }

bool LoadChart(std::int32_t id) {
  if (!IsSampleChart(id)) return FetchChart(id);
  LoadSampleChart(id);
  return true;
}

void CommitChart(int mode) {
  // The committed chart always becomes the natal chart, also while the
  // present-moment chart is on show: slot 0 is the one shown below.
  ChartRecord& natal = chartSlots[0].record;
  natal = currentRecord;
  if (mode == CommitNew) {
    std::vector<ChartChange> add{{ChartChange::Kind::Add, 0, natal}};
    // No free slot: shown, not stored (604 is on the error log).
    std::int32_t id = SaveChartChanges(add) == SaveResult::NoRoom ? -1 : add[0].id;
    natal.id = currentRecord.id = id;
  } else if (mode == CommitEdit && !IsSampleChart(natal.id)) {
    std::vector<ChartChange> edit{{ChartChange::Kind::Edit, natal.id, natal}};
    SaveChartChanges(edit);
  }
  ShowSlot(0, true);
}

void ChooseStartChart(std::int32_t id) {
  if (IsSampleChart(id)) {
    LoadSampleChart(id);
  } else if (!FetchChart(id)) {
    LoadSampleChart(0);
  }
  CommitChart(CommitShow);
}

void ShowSlot(int slot, bool recompute) {
  currentSlotIndex = static_cast<std::int8_t>(slot >= 0 && slot < ChartSlotCount ? slot : 0);
  ChartSlot& shown = CurrentSlot();
  if (recompute) {
    ComputeChart();
    std::copy(BodyTable, BodyTable + BodyCount, shown.data.bodies);
  } else {
    std::copy(shown.data.bodies, shown.data.bodies + BodyCount, BodyTable);
  }
  if (chartChangeHook != nullptr) chartChangeHook();
}

}  // namespace orrery
