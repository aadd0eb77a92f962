// Speed of the chart wheel: the glyph layout alone and the bodies layer
// (layout plus drawing) for each sample chart, with the Moon's nodes drawn
// too; the wheel and aspect layers for comparison.
#include <benchmark/benchmark.h>

#include "astro/body_table.h"
#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/live_settings.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/wheel/body_layout.h"
#include "shell/wheel/wheel_layers.h"
#include "store/sample_charts.h"

namespace orrery {
namespace {

// Sample chart n on show with the wheel's drawing resources, every body
// with a check box drawn, Conjunction, Square and Trine checked.
void PrepareWheel(int n) {
  RegisterShellResources();
  CreateDrawingObjects();
  CreateWheelBuffers({240, 294});
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  currentSlotIndex = 0;
  LoadSampleChart(n);
  CurrentSlot().record = currentRecord;
  ComputeChart();
  InitialiseBodyDisplayFlags();
  BodyTable[NorthNode].drawnInWheel = 1;
  BodyTable[SouthNode].drawnInWheel = 1;
  for (int aspect : {Conjunction, Square, Trine}) aspectButtonChecked[aspect] = true;
  DrawWheelLayer();
}

void BM_LayoutBodyGlyphs(benchmark::State& state) {
  PrepareWheel(int(state.range(0)));
  for (auto _ : state) LayoutBodyGlyphs();
}
BENCHMARK(BM_LayoutBodyGlyphs)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_DrawBodiesLayer(benchmark::State& state) {
  PrepareWheel(int(state.range(0)));
  for (auto _ : state) DrawBodiesLayer();
}
BENCHMARK(BM_DrawBodiesLayer)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_DrawWheelLayer(benchmark::State& state) {
  PrepareWheel(0);
  for (auto _ : state) DrawWheelLayer();
}
BENCHMARK(BM_DrawWheelLayer)->Unit(benchmark::kMicrosecond);

void BM_DrawAspectLayer(benchmark::State& state) {
  PrepareWheel(0);
  DrawBodiesLayer();
  for (auto _ : state) DrawAspectLayer();
}
BENCHMARK(BM_DrawAspectLayer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orrery
