// Speed of the chart computation: ComputeChart for one record (two complete
// position evaluations plus houses, aspects and factors), and the parts the
// chart layer adds to the engine.
#include <benchmark/benchmark.h>

#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "foundation/angles.h"

namespace orrery {
namespace {

// A different birth for every iteration: dates spread over three centuries,
// places over the latitudes the program accepts.
void PrepareRecord(std::int64_t i) {
  ChartRecord& r = CurrentSlot().record;
  r = ChartRecord{};
  r.year = static_cast<std::int16_t>(1750 + i % 300);
  r.month = static_cast<std::uint8_t>(1 + i % 12);
  r.day = static_cast<std::uint8_t>(1 + i % 28);
  r.hour = static_cast<std::uint8_t>(i % 24);
  r.minute = static_cast<std::uint8_t>(i * 7 % 60);
  r.latDegrees = static_cast<std::uint16_t>(i * 13 % 66);
  r.north = static_cast<std::uint32_t>(i % 2);
  r.lonDegrees = static_cast<std::uint16_t>(i * 37 % 180);
  r.east = static_cast<std::uint32_t>(i / 2 % 2);
  r.zonePlus = 1;
  r.dstPlus = 1;
  r.corrDistance = static_cast<std::uint16_t>(i % 3 == 0 ? 12 : 0);
  r.corrDirection = static_cast<std::uint8_t>(i % 16);
}

void BM_ComputeChart(benchmark::State& state) {
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  currentSlotIndex = 0;
  currentHouseSystem = static_cast<std::int8_t>(state.range(0));
  std::int64_t i = 0;
  for (auto _ : state) {
    PrepareRecord(i++);
    ComputeChart();
    benchmark::DoNotOptimize(CurrentChart());
  }
  currentHouseSystem = Placidus;
}
BENCHMARK(BM_ComputeChart)->Arg(Placidus)->Arg(Regiomontanus);

void BM_HouseCusps(benchmark::State& state) {
  int system = static_cast<int>(state.range(0));
  std::int64_t i = 0;
  for (auto _ : state) {
    double lst = static_cast<double>(i * 7919 % 86400);
    double latitude = DmsToRadians(static_cast<int>(i++ % 66), 0, 1);
    HouseFrame frame = MakeHouseFrame(lst, latitude, 0.4090928);
    ComputeCusps(system, frame);
    benchmark::DoNotOptimize(frame);
  }
}
BENCHMARK(BM_HouseCusps)->DenseRange(Placidus, Porphyry);

}  // namespace
}  // namespace orrery
