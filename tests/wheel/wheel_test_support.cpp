#include "tests/wheel/wheel_test_support.h"

#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "foundation/numbers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/startup.h"
#include "store/sample_charts.h"

namespace orrery::wheel_test {

void ResetDisplayFlags() { InitialiseBodyDisplayFlags(); }

void ComputeSample(int n) {
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  rulershipIndex = 0;
  currentHouseSystem = Placidus;
  currentSlotIndex = 0;
  LoadSampleChart(n);
  CurrentSlot().record = currentRecord;
  ComputeChart();
}

void SetChart(double ascendantDegrees, std::initializer_list<Placement> placements) {
  currentSlotIndex = 0;
  ChartData& chart = CurrentChart();
  chart = ChartData{};
  chart.ascendant = ascendantDegrees * DegToRad;
  for (BodyPosition& b : BodyTable) {
    b = BodyPosition{};
    b.geocentric = {0.0, 0.0, 1.0};
  }
  for (const Placement& p : placements) {
    BodyTable[p.body].geocentric.x = p.longitude * DegToRad;
    BodyTable[p.body].drawnInWheel = 1;
  }
}

platform::Rect StoredGlyphBox(int body) {
  const glyphs::GlyphRef& g = glyphs::kBodyGlyphs[body].large;
  return platform::Rect::At(BodyTable[body].glyphX, BodyTable[body].glyphY, g.width, g.height);
}

}  // namespace orrery::wheel_test
