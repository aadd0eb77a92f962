// Screenshots of the text views, rendered headless and compared pixel for
// pixel with the committed PNGs in tests/data/shell/: every scroll stop of
// Info, Planets, Aspects and House cusps for sample charts 0 and 3 in
// English and 2 in German. A mismatch writes the screenshot and a diff
// image (differing pixels red over a faded copy of the expected one) to
// <build>/test-output/shell/ and names them.
//
// tests/data/shell/regenerate-goldens.sh rewrites the PNGs on purpose
// (ORRERY_REGENERATE_GOLDENS=1).
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "foundation/localized_strings.h"
#include "golden_compare.h"
#include "shell/shell_state.h"
#include "shell/view_render.h"
#include "shell_test_support.h"
#include "store/sample_charts.h"
#include "store/store_home.h"

namespace orrery::testing {
namespace {

namespace fs = std::filesystem;

struct Case {
  int sample;
  int language;
  int view;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << "sample " << c.sample << (c.language ? " in German, view " : " in English, view ") << c.view;
}

const char* ViewName(int view) {
  switch (view) {
    case InfoView: return "info";
    case PlanetsView: return "planets";
    case AspectsView: return "aspects";
    case HouseCuspsView: return "cusps";
    default: return "wheel";
  }
}

std::string GoldenName(const Case& c, int stop) {
  return "sample" + std::to_string(c.sample) + (c.language ? "-de-" : "-en-") + ViewName(c.view) +
         "-" + std::to_string(stop) + ".png";
}

const fs::path GoldenDir = fs::path(ORRERY_SOURCE_DIR) / "tests/data/shell";
const fs::path OutputDir = fs::path(ORRERY_BIN_DIR) / "../test-output/shell";

class GoldenTest : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override { SetStoreHome({}); }
  void TearDown() override { SetLanguage(English); }
};

TEST_P(GoldenTest, EveryStopMatchesItsScreenshot) {
  const Case c = GetParam();
  LoadSampleChart(c.sample);
  const ChartRecord record = currentRecord;
  ViewRenderRequest request{c.view, 0, 0, c.language, 0};
  int lastStop = 0;
  for (int stop = 0; stop <= lastStop; ++stop) {
    request.stop = stop;
    const RenderedView rendered = RenderChartView(record, request);
    lastStop = rendered.lastStop;
    ExpectMatchesGolden(rendered.screen, GoldenDir, GoldenName(c, stop), OutputDir);
  }
  // No golden is left over from a stop the view no longer has.
  EXPECT_FALSE(fs::exists(GoldenDir / GoldenName(c, lastStop + 1)));
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (const auto& [sample, language] : {std::pair{0, 0}, std::pair{3, 0}, std::pair{2, 1}}) {
    for (int view : {InfoView, PlanetsView, AspectsView, HouseCuspsView}) {
      cases.push_back({sample, language, view});
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(TextViews, GoldenTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           const Case& c = info.param;
                           return "sample" + std::to_string(c.sample) +
                                  (c.language ? "_de_" : "_en_") + ViewName(c.view);
                         });

}  // namespace
}  // namespace orrery::testing
