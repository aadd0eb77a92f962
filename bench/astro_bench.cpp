// Speed of the astronomical engine: one chart's body positions (two complete
// evaluations), and the parts each evaluation is made of.
#include <benchmark/benchmark.h>

#include "astro/apparent_positions.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/time_scales.h"

namespace orrery {
namespace {

// Instants spread over a century, so no evaluation repeats the one before.
Mjd InstantNumber(std::int64_t i) { return 36934.5 + static_cast<double>(i % 1000) * 36.52501; }

void BM_ComputeBodyPositions(benchmark::State& state) {
  std::int64_t i = 0;
  for (auto _ : state) {
    ComputeBodyPositions(InstantNumber(i++));
    benchmark::DoNotOptimize(BodyTable);
  }
}
BENCHMARK(BM_ComputeBodyPositions);

void BM_EvaluatePlanetAll(benchmark::State& state) {
  std::int64_t i = 0;
  for (auto _ : state) {
    double jd = InstantNumber(i++) + 2400000.5;
    for (int b = Mercury; b <= Pluto; ++b) {
      benchmark::DoNotOptimize(EvaluatePlanet(jd, *PlanetTheoryOf(BodyId(b))));
    }
  }
}
BENCHMARK(BM_EvaluatePlanetAll);

void BM_MoonPosition(benchmark::State& state) {
  std::int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(MoonPosition(InstantNumber(i++)));
}
BENCHMARK(BM_MoonPosition);

void BM_ApparentSiderealTime(benchmark::State& state) {
  std::int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ApparentSiderealTime(InstantNumber(i++)));
}
BENCHMARK(BM_ApparentSiderealTime);

}  // namespace
}  // namespace orrery
