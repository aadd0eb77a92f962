// The Options sheet driven by scripts: what the pages show, what accepting
// and cancelling leave in the live tables, the settings and the chart on
// show, and that accepted changes survive a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "dialog_test_support.h"
#include "dialogs/options_pages.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/desktop.h"
#include "shell/platform/resources.h"
#include "shell/platform/static_control.h"
#include "shell/platform/track_bar.h"
#include "shell/shell_ids.h"
#include "store/store_home.h"

namespace orrery::testing {
namespace {

using platform::Desktop;

TEST(OptionsTexts, OrbsInHalfDegreesAndAnglesRightAligned) {
  EXPECT_EQ(OrbText(0), u" 0.0\u00b0");
  EXPECT_EQ(OrbText(1), u" 0.5\u00b0");
  EXPECT_EQ(OrbText(15), u" 7.5\u00b0");
  EXPECT_EQ(OrbText(29), u"14.5\u00b0");
  EXPECT_EQ(OrbText(30), u"15.0\u00b0");
  EXPECT_EQ(AspectAngleText(0), u"  0\u00b0 \u00b1");
  EXPECT_EQ(AspectAngleText(72), u" 72\u00b0 \u00b1");
  EXPECT_EQ(AspectAngleText(180), u"180\u00b0 \u00b1");
}

// A control of the page on show.
template <class W>
W& Shown(Desktop& d, int id) {
  for (const auto& page : d.ActiveWindow()->Children()) {
    if (!page->Visible()) continue;
    if (platform::Window* w = page->Child(id)) return static_cast<W&>(*w);
  }
  throw std::runtime_error("no control " + std::to_string(id));
}

bool SameImage(const platform::Image& a, const platform::Image* b) {
  if (!b || a.Width() != b->Width() || a.Height() != b->Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b->Pixel(x, y) || a.Alpha(x, y) != b->Alpha(x, y)) return false;
    }
  }
  return true;
}

std::vector<char> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OptionsTest : public DialogTest {
 protected:
  MainWindow& StartCounting() {
    MainWindow& main = Start();
    CountChartChanges();
    std::memcpy(orbsBefore_, currentOrbs, sizeof orbsBefore_);
    std::memcpy(pointsBefore_, currentPoints, sizeof pointsBefore_);
    settingsBefore_ = FileBytes(SettingsValuePath());
    return main;
  }
  void Options(const std::string& script) {
    Drive(script, [&] { Command(CmdOptions); });
  }

  std::int8_t orbsBefore_[AspectRowCount][BodyCount];
  std::int8_t pointsBefore_[BodyCount];
  std::vector<char> settingsBefore_;
};

TEST_F(OptionsTest, TheOrbPageFollowsAspectAndObjectAndAcceptingStoresTheOrb) {
  StartCounting();
  look_ = [](Desktop& d) {
    EXPECT_EQ(d.ActiveWindow()->Text(), u"Options");
    EXPECT_EQ(Shown<platform::ComboBox>(d, AovAspectComboId).ItemText(2), u"Square");
    EXPECT_EQ(Shown<platform::ComboBox>(d, AovObjectComboId).ItemText(4), u"Mars");
    const auto& track = Shown<platform::TrackBar>(d, AovOrbTrackId);
    // Square for the Moon: orb 12, the default, the only tick but the ends.
    EXPECT_EQ(track.Position(), 12);
    EXPECT_EQ(track.Min(), 0);
    EXPECT_EQ(track.Max(), 30);
    EXPECT_EQ(track.Ticks(), std::vector<int>{12});
    EXPECT_EQ(Shown<platform::Static>(d, AovAngleTextId).Text(), u" 90\u00b0 \u00b1");
    EXPECT_EQ(Shown<platform::Static>(d, AovOrbTextId).Text(), u" 6.0\u00b0");
    EXPECT_TRUE(SameImage(Shown<platform::Static>(d, AovAspectSymbolId).GetImage(),
                          platform::FindBitmap(glyphs::kAspectGlyphs[Square].symbol.id)));
    EXPECT_TRUE(SameImage(Shown<platform::Static>(d, AovObjectSymbolId).GetImage(),
                          platform::FindBitmap(glyphs::kBodyGlyphs[Moon].symbol.id)));
  };
  // A tap beside the thumb moves it a step toward the tap, the keys one each.
  Options("select 1009 2\nselect 1008 1\nlook\nclick 1012\nkey right\nkey right\nok\n");
  EXPECT_EQ(currentOrbs[Square][Moon], 15);
  currentOrbs[Square][Moon] = orbsBefore_[Square][Moon];
  EXPECT_EQ(std::memcmp(currentOrbs, orbsBefore_, sizeof orbsBefore_), 0);
  EXPECT_EQ(ChartChanges(), 1);
  EXPECT_NE(FileBytes(SettingsValuePath()), settingsBefore_);
}

TEST_F(OptionsTest, APageNeverShownIsNotApplied) {
  StartCounting();
  // The points page was never made: its working copy is empty and must not
  // replace the live points.
  Options("ok\n");
  EXPECT_EQ(std::memcmp(currentPoints, pointsBefore_, sizeof pointsBefore_), 0);
  EXPECT_EQ(std::memcmp(currentOrbs, orbsBefore_, sizeof orbsBefore_), 0);
  EXPECT_EQ(ChartChanges(), 1);  // accepted: the chart is computed again
}

TEST_F(OptionsTest, CancellingLeavesOrbsPointsAndSettingsAlone) {
  StartCounting();
  Options("select 1008 3\nclick 1012\npage TFV\nselect 1014 0\nclick 1016\ncancel\n");
  EXPECT_EQ(std::memcmp(currentOrbs, orbsBefore_, sizeof orbsBefore_), 0);
  EXPECT_EQ(std::memcmp(currentPoints, pointsBefore_, sizeof pointsBefore_), 0);
  EXPECT_EQ(FileBytes(SettingsValuePath()), settingsBefore_);
  EXPECT_EQ(ChartChanges(), 0);
}

TEST_F(OptionsTest, TheRulershipHoldsAtOnceAndCancellingShowsItsDignities) {
  StartCounting();  // sample 0, 1999-08-11, with Mars in Scorpio
  const double mars = CurrentChart().bodies[Mars].geocentric.x * 180 / 3.14159265358979323846;
  ASSERT_GE(mars, 210.0);
  ASSERT_LT(mars, 240.0);
  ASSERT_EQ(rulershipIndex, 0);
  // Modern rulership gives Scorpio to Pluto: Mars has no dignity there.
  EXPECT_EQ(CurrentChart().factors.dignity[Mars], 0);
  int rulershipWhileOpen = -1;
  look_ = [&](Desktop&) { rulershipWhileOpen = rulershipIndex; };
  Options("page TFV\nselect 1017 1\nlook\ncancel\n");
  EXPECT_EQ(rulershipWhileOpen, 1);
  EXPECT_EQ(rulershipIndex, 1);
  EXPECT_EQ(ChartChanges(), 1);
  // Under the old rulership Mars rules Scorpio: "In Ruler".
  EXPECT_EQ(CurrentChart().factors.dignity[Mars], 0x02);
  EXPECT_EQ(FileBytes(SettingsValuePath()), settingsBefore_);
}

TEST_F(OptionsTest, ThePointsPageShowsAndTakesTheWorkingPoints) {
  StartCounting();
  std::u16string shown;
  look_ = [&](Desktop& d) {
    const auto& track = Shown<platform::TrackBar>(d, TfvPointsTrackId);
    EXPECT_EQ(track.Max(), 9);
    EXPECT_EQ(track.Ticks(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Shown<platform::ComboBox>(d, TfvRulershipComboId).ItemText(1), u"Old Ruler");
    shown = Shown<platform::Static>(d, TfvPointsTextId).Text();
  };
  // Jupiter (1 point) up to the end of the bar, then the Sun looked at.
  Options("page TFV\nselect 1014 5\nclick 1016\nkey end\nselect 1014 0\nlook\nok\n");
  EXPECT_EQ(shown, u"3");
  EXPECT_EQ(currentPoints[Jupiter], 9);
  currentPoints[Jupiter] = pointsBefore_[Jupiter];
  EXPECT_EQ(std::memcmp(currentPoints, pointsBefore_, sizeof pointsBefore_), 0);
}

using OptionsProgramTest = ProgramRunTest;

TEST_F(OptionsProgramTest, AcceptedChangesAreThereAfterARestart) {
  ASSERT_EQ(Run("command 40034\nshot options-aov\nselect 1009 3\nselect 1008 10\nclick 1012\n"
                "page TFV\nselect 1014 2\nclick 1016\nselect 1017 1\nshot options-tfv\nok\n"),
            0);
  // Trine for the North Node 8 -> 9; Mercury's points 2 -> 3; old rulership.
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  rulershipIndex = 0;
  ASSERT_EQ(Run("command 40034\nselect 1009 3\nselect 1008 10\nshot options-restart\ncancel\n"), 0);
  EXPECT_EQ(currentOrbs[Trine][NorthNode], 9);
  EXPECT_EQ(currentPoints[Mercury], 3);
  EXPECT_EQ(rulershipIndex, 1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"open 104", "close 104 0"}));
  for (const char* name : {"options-aov", "options-tfv", "options-restart"}) {
    ExpectDialogGolden(Shot(name), name);
  }
}

}  // namespace
}  // namespace orrery::testing
