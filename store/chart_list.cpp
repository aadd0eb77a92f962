#include "store/chart_list.h"

#include <algorithm>

#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "foundation/error_log.h"
#include "store/chart_file.h"
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
  bool stored = false;
  if (mode == CommitNew) {
    std::int32_t id = NewChartId();
    natal.id = currentRecord.id = id;
    if (id < 0) {
      PushError(604);  // no free slot: shown, not stored
    } else {
      stored = StoreChart(id);
    }
  } else if (mode == CommitEdit && !IsSampleChart(natal.id)) {
    stored = StoreChart(natal.id);
  }
  if (stored) SaveChartFile();
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
