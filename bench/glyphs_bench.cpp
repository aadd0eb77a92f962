// Glyph pictures: registering the compiled pictures (start-up work) and
// drawing them from the artwork (the build's work).
#include <benchmark/benchmark.h>

#include "shell/glyphs/glyph_catalogue.h"
#include "shell/glyphs/register_glyphs.h"

namespace {

void BM_RegisterGlyphResources(benchmark::State& state) {
  for (auto _ : state) orrery::glyphs::RegisterGlyphResources();
}
BENCHMARK(BM_RegisterGlyphResources)->Unit(benchmark::kMillisecond);

void BM_DrawGlyphResources(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(orrery::glyphs::DrawGlyphResources());
}
BENCHMARK(BM_DrawGlyphResources)->Unit(benchmark::kMillisecond);

}  // namespace
