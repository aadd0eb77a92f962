// Speed of the shell: start-up to the first frame, rendering each text view
// into the TextBuffer (what a change of the chart on show costs per view),
// drawing House cusps, and a complete switch to a view with its paint, in a
// headless desktop.
#include <benchmark/benchmark.h>

#include "shell/platform/desktop.h"
#include "shell/platform/message.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/text_views.h"
#include "shell/view_menus.h"
#include "store/sample_charts.h"

namespace orrery {
namespace {

// The program started on sample chart 0 in a headless desktop, for the
// whole run of the benchmarks.
struct Program {
  platform::Desktop desktop;
  MainWindow* main;
  Program() {
    LoadSampleChart(0);
    main = &StartShell(desktop, StartChart::Current);
    main->SetSaveAtExit(false);
    desktop.ProcessPending();
  }
};

Program& TheProgram() {
  static Program program;
  return program;
}

void BM_RenderInfo(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) RenderInfo();
}
BENCHMARK(BM_RenderInfo)->Unit(benchmark::kMicrosecond);

void BM_RenderPlanets(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) RenderPlanets();
}
BENCHMARK(BM_RenderPlanets)->Unit(benchmark::kMicrosecond);

void BM_RenderAspects(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) RenderAspects();
}
BENCHMARK(BM_RenderAspects)->Unit(benchmark::kMicrosecond);

void BM_PaintHouseCusps(benchmark::State& state) {
  Program& p = TheProgram();
  platform::DrawContext dc(p.desktop.Screen(), p.main->ToScreen({0, 0}), p.main->ScreenRect());
  for (auto _ : state) PaintHouseCuspsView(dc, p.main->ClientRect().right);
}
BENCHMARK(BM_PaintHouseCusps)->Unit(benchmark::kMicrosecond);

// Start-up to the first frame: the main window with its bars, the drawing
// resources, the start chart computed and its Info view rendered and painted.
void BM_StartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    platform::Desktop desktop;
    LoadSampleChart(0);
    MainWindow& main = StartShell(desktop, StartChart::Current);
    main.SetSaveAtExit(false);
    desktop.ProcessPending();
    main.Destroy();
    desktop.ProcessPending();
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

// Info and Planets in turn: each switch renders the view again (they share
// the TextBuffer) and paints the whole screen.
void BM_SwitchTextViews(benchmark::State& state) {
  Program& p = TheProgram();
  int view = PlanetsView;
  for (auto _ : state) {
    p.main->Send(platform::Message::Command(ViewCommand(view)));
    p.desktop.ProcessPending();
    view = view == PlanetsView ? InfoView : PlanetsView;
  }
}
BENCHMARK(BM_SwitchTextViews)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orrery
