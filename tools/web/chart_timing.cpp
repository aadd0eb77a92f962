// Times the chart computation, built natively and for the browser from this
// one source (web/CMakeLists.txt), so `make bench` can set the two side by
// side: computes the five built-in sample charts round and round for about
// a second and prints "chart_us <microseconds per chart>".
#include <chrono>
#include <cstdio>

#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/live_settings.h"
#include "store/sample_charts.h"

int main() {
  using Clock = std::chrono::steady_clock;
  orrery::ResetOrbsToDefaults();
  orrery::ResetPointsToDefaults();
  orrery::currentSlotIndex = 0;
  const Clock::time_point start = Clock::now();
  long charts = 0;
  double sum = 0;
  while (Clock::now() - start < std::chrono::seconds(1)) {
    orrery::LoadSampleChart(std::int32_t(charts % orrery::SampleChartCount));
    orrery::CurrentSlot().record = orrery::currentRecord;
    orrery::ComputeChart();
    sum += orrery::CurrentChart().gast;
    ++charts;
  }
  const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / charts;
  std::printf("chart_us %.2f (%ld charts, check %.1f)\n", us, charts, sum);
  return 0;
}
