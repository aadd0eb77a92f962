// Speed of the atlas held in the program: a name search (index probes and
// the records after the last one), one entry with its rule blocks loaded for
// a moment, stepping to a running number, and opening the atlas.
#include <benchmark/benchmark.h>

#include <vector>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"

namespace orrery {
namespace {

// Typed texts of every kind: whole names, prefixes, diacritics, "Saint"
// forms, names before and after the whole list.
const char16_t* const Queries[] = {
    u"München", u"Ber",       u"Springfield", u"São Paulo", u"Saint-Étienne", u"wien",
    u"Zürich",  u"Los Angeles", u"x",         u"Ouagadougou", u"a",          u"zzzz",
};

bool Open(benchmark::State& state) {
  UseEmbeddedAtlas();
  if (OpenAtlas() == 0) return true;
  state.SkipWithError("the atlas cannot be opened");
  return false;
}

void BM_SeekCityName(benchmark::State& state) {
  if (!Open(state)) return;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SeekCityName(Queries[i++ % std::size(Queries)]));
  }
}
BENCHMARK(BM_SeekCityName);

// Cities spread over the whole list, each loaded for another moment.
void BM_LoadAtlasEntry(benchmark::State& state) {
  if (!Open(state)) return;
  std::vector<AtlasRef> cities;
  for (std::int32_t n = 0; n < OpenedAtlas().cityCount; n += 997) cities.push_back(SeekCityNumber(n));
  std::size_t i = 0;
  for (auto _ : state) {
    atlasCursor.moment = {1900 + static_cast<int>(i % 200), 1 + static_cast<int>(i % 12), 15, 12, 0};
    LoadAtlasEntry(cities[i++ % cities.size()]);
    benchmark::DoNotOptimize(atlasCursor.zoneHours);
  }
}
BENCHMARK(BM_LoadAtlasEntry);

void BM_SeekCityNumber(benchmark::State& state) {
  if (!Open(state)) return;
  std::int32_t n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SeekCityNumber(n));
    n = (n + 7919) % OpenedAtlas().cityCount;
  }
}
BENCHMARK(BM_SeekCityNumber);

void BM_OpenAtlas(benchmark::State& state) {
  UseEmbeddedAtlas();
  for (auto _ : state) benchmark::DoNotOptimize(OpenAtlas());
}
BENCHMARK(BM_OpenAtlas);

}  // namespace
}  // namespace orrery
