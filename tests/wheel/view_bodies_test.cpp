// The View dialog run as a user would, from a script: its boxes, its move
// buttons, OK and Cancel, and the wheel it leaves behind.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "astro/body_table.h"
#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "shell/dialog_hooks.h"
#include "shell/main_window.h"
#include "shell/platform/dialog_script.h"
#include "shell/platform/headless_host.h"
#include "shell/shell_drawing.h"
#include "shell/shell_ids.h"
#include "shell/wheel/body_popup.h"
#include "shell/wheel/view_bodies_dialog.h"
#include "tests/wheel/wheel_screen.h"

namespace orrery {
namespace {

using platform::Rect;
using wheel_test::WheelScreen;

// What the script saw at its "grab NAME" lines.
struct Grab {
  platform::Surface wheel;
  std::uint32_t drawn[BodyCount];
  std::uint32_t shown[BodyCount];
  Rect activeFrame;
  bool buttonEnabled[AspectRowCount];
  bool popupShown;
};

// Whether two shown bodies of the chart on show form this aspect.
bool AspectAmongShown(const Grab& g, int kind) {
  for (int p = 0; p < BodyCount; ++p) {
    for (int q = 0; q < p; ++q) {
      if (g.shown[p] && g.shown[q] && CurrentChart().aspects[p][q] == kind) return true;
    }
  }
  return false;
}

class ViewBodiesScript : public ::testing::Test {
 protected:
  void SetUp() override { Dialogs().runViewBodies = RunViewBodiesDialog; }
  void TearDown() override { Dialogs() = DialogHooks{}; }

  // Runs the script on the program showing the wheel of sample 0.
  void Run(WheelScreen& screen, const std::string& script) {
    platform::HeadlessHost host;
    platform::AddDialogCommands(host);
    host.AddCommand("grab", [this](platform::Desktop& desktop, std::string_view name) {
      Grab g{shellDrawing.wheelBuffer, {}, {}, {}, {}, TheBodyPopup() && TheBodyPopup()->Shown()};
      for (int aspect = 1; aspect < AspectRowCount; ++aspect) {
        g.buttonEnabled[aspect] =
            TheMainWindow()->AspectToolBar()->IsButtonEnabled(AspectButtonCommand(aspect));
      }
      for (int b = 0; b < BodyCount; ++b) {
        g.drawn[b] = BodyTable[b].drawnInWheel;
        g.shown[b] = BodyTable[b].shown;
      }
      if (platform::Window* active = desktop.ActiveWindow()) g.activeFrame = active->Frame();
      grabs_[std::string(name)] = g;
      return std::string();
    });
    host.SetScript(script);
    screen.Desktop().SetHost(&host);
    screen.Desktop().Run();
    screen.Desktop().SetHost(nullptr);
    ASSERT_EQ(host.Error(), "");
  }

  // "tap X Y" on an aspect button of the tool bar.
  static std::string TapAspect(WheelScreen& screen, int aspect) {
    platform::ToolBar* bar = screen.Main().AspectToolBar();
    const Rect r = bar->ButtonRect(AspectButtonCommand(aspect));
    const platform::Point p = bar->ToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    return "tap " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
  }

  std::map<std::string, Grab> grabs_;
};

TEST_F(ViewBodiesScript, TheMoveButtonsTakeTheDialogLeftAndBack) {
  WheelScreen screen(0);
  Run(screen,
      "command 40052\ngrab opened\nclick 1078\ngrab left\nclick 1079\ngrab right\nok\nquit\n");
  // The view area is 240 x 268 below the navigation bar; the dialog
  // stands 10 pixels from its right and 6 above its bottom.
  const Rect opened = grabs_.at("opened").activeFrame;
  EXPECT_EQ(opened.right, 240 - 10);
  EXPECT_EQ(opened.bottom, 26 + 268 - 6);
  const Rect left = grabs_.at("left").activeFrame;
  EXPECT_EQ(left.left, 6);
  EXPECT_EQ(left.top, opened.top);
  EXPECT_EQ(grabs_.at("right").activeFrame, opened);
}

TEST_F(ViewBodiesScript, UntickingMoonNodesRemovesBothNodesAndTheirLines) {
  // The eclipse of 1999 fell near the Moon's node: the nodes take part in
  // conjunctions, oppositions and squares.
  WheelScreen screen(0);
  std::string aspects;
  for (int aspect : {Conjunction, Opposition, Square, Trine}) aspects += TapAspect(screen, aspect);
  Run(screen, "command 40052\nclick 1077\nok\ngrab ticked\n" + aspects +
                  "grab lines\ncommand 40052\nclick 1077\nok\ngrab unticked\nquit\n");
  const Grab& ticked = grabs_.at("ticked");
  for (int node : {NorthNode, SouthNode}) {
    EXPECT_EQ(ticked.drawn[node], 1u);
    EXPECT_EQ(ticked.shown[node], 1u);
    EXPECT_EQ(grabs_.at("unticked").drawn[node], 0u);
    EXPECT_EQ(grabs_.at("unticked").shown[node], 0u);
  }
  EXPECT_EQ(ticked.drawn[MeanNorthNode], 0u);
  int nodeLines = 0;
  for (int other = 0; other < BodyCount; ++other) {
    for (int node : {NorthNode, SouthNode}) {
      const int kind = CurrentChart().aspects[node][other];
      nodeLines += ticked.shown[other] && (kind == Conjunction || kind == Opposition ||
                                           kind == Square || kind == Trine);
    }
  }
  EXPECT_GT(nodeLines, 0);
  // The aspect buttons follow the bodies shown.
  for (int aspect = 1; aspect < AspectRowCount; ++aspect) {
    for (const char* name : {"ticked", "unticked"}) {
      const Grab& g = grabs_.at(name);
      EXPECT_EQ(g.buttonEnabled[aspect], AspectAmongShown(g, aspect)) << name << " " << aspect;
    }
  }
  EXPECT_NE(grabs_.at("lines").wheel, ticked.wheel);

  // The same buttons on a wheel that never showed the nodes: the same picture.
  WheelScreen fresh(0);
  for (int aspect : {Conjunction, Opposition, Square, Trine}) fresh.TapAspectButton(aspect);
  EXPECT_TRUE(shellDrawing.wheelBuffer == grabs_.at("unticked").wheel);
}

TEST_F(ViewBodiesScript, CancelKeepsEveryBodyAndOkAppliesTheBoxes) {
  WheelScreen screen(3);
  screen.TapBody(Mercury);
  ASSERT_TRUE(TheBodyPopup()->Shown());
  Run(screen,
      "command 40052\ngrab before\nclick 1068\nclick 1075\ncancel\ngrab cancelled\n"
      "command 40052\nclick 1068\nclick 1075\nclick 1076\nok\ngrab applied\nquit\n");
  const Grab& before = grabs_.at("before");
  const Grab& cancelled = grabs_.at("cancelled");
  const Grab& applied = grabs_.at("applied");
  for (int b = 0; b < BodyCount; ++b) EXPECT_EQ(cancelled.drawn[b], before.drawn[b]) << b;
  EXPECT_TRUE(cancelled.wheel == before.wheel);
  EXPECT_TRUE(cancelled.popupShown);
  // Mercury is gone: the pop-up that showed it is hidden.
  EXPECT_FALSE(applied.popupShown);
  for (int body : {Mercury, Pluto, Moon}) {
    EXPECT_EQ(applied.drawn[body], 0u) << body;
    EXPECT_EQ(applied.shown[body], 0u) << body;
  }
  for (int body : {Sun, Venus, Mars, Jupiter, Saturn, Uranus, Neptune}) {
    EXPECT_EQ(applied.drawn[body], 1u) << body;
    EXPECT_EQ(applied.shown[body], 1u) << body;
  }
  EXPECT_EQ(applied.shown[Ascendant], 0u);
  EXPECT_EQ(applied.shown[Midheaven], 0u);
  EXPECT_FALSE(applied.wheel == before.wheel);
}

}  // namespace
}  // namespace orrery
