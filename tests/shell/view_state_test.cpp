// The view state machine and the command table of the main window, run in a
// headless desktop: house systems, scroll stops, "Edit" and "New", the
// present-moment button, the angle modes, the aspect buttons and "Exit".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "shell/dialog_hooks.h"
#include "shell/shell_drawing.h"
#include "shell/shell_ids.h"
#include "shell/shell_state.h"
#include "shell/view_menus.h"
#include "shell_test_support.h"
#include "store/chart_store.h"
#include "store/store_home.h"

namespace orrery::testing {
namespace {

using platform::Message;
using platform::MsgType;
using platform::ScrollAction;

struct Calls {
  std::vector<int> wizardModes;
  std::vector<int> notices;
  int about = 0;
};

void InstallDialogs(Calls& calls) {
  Dialogs().runChartWizard = [&calls](platform::Window&, int mode) {
    calls.wizardModes.push_back(mode);
  };
  Dialogs().showCautionNotice = [&calls](platform::Window&, int notice) {
    calls.notices.push_back(notice);
  };
  Dialogs().runAbout = [&calls](platform::Window&) { ++calls.about; };
}

std::vector<bool> RenderFlags() {
  std::vector<bool> flags;
  for (const ViewRecord& r : viewRecords) {
    flags.push_back(r.needsRender);
    flags.insert(flags.end(), std::begin(r.layerFlags), std::end(r.layerFlags));
  }
  return flags;
}

class ViewStateTest : public ShellTest {
 protected:
  // Taps the scroll bar's down or up arrow.
  void ScrollArrow(bool down) {
    platform::ScrollBar& bar = *main_->ViewScrollBar();
    const platform::Rect arrow = down ? bar.DownArrow() : bar.UpArrow();
    Tap(arrow.Offset(bar.ScreenRect().left, bar.ScreenRect().top));
  }
};

TEST_F(ViewStateTest, StartsWithTheInfoViewOfTheEclipseChartOnAFirstRun) {
  MainWindow& main = Start();
  EXPECT_EQ(shellState.currentView, InfoView);
  EXPECT_EQ(currentHouseSystem, Placidus);
  EXPECT_EQ(CurrentSlot().record.id, 0);
  EXPECT_TRUE(main.MenuBarOf(InfoView)->Visible());
  for (int view = 1; view < ViewCount; ++view) EXPECT_FALSE(main.MenuBarOf(view)->Visible());
  EXPECT_FALSE(main.AspectToolBar()->Visible());
  EXPECT_TRUE(main.ViewScrollBar()->Visible());
  EXPECT_EQ(main.Text(), u"Chart info");
  // The first run stored the default settings at once.
  EXPECT_EQ(std::filesystem::file_size(SettingsValuePath()), 356u);
}

TEST_F(ViewStateTest, TheHouseSystemAlreadyCheckedChangesNothingNotEvenARepaint) {
  MainWindow& main = Start();
  ASSERT_TRUE(desktop_.Idle());
  const std::vector<bool> flags = RenderFlags();
  double cusps[HouseCount];
  std::memcpy(cusps, CurrentChart().cusps, sizeof cusps);

  main.Send(Message::Command(houseSystemInfo[Placidus].menuCommand));
  EXPECT_TRUE(desktop_.Idle());
  EXPECT_EQ(RenderFlags(), flags);

  main.Send(Message::Command(houseSystemInfo[Koch].menuCommand));
  EXPECT_TRUE(desktop_.NeedsPaint());
  EXPECT_EQ(currentHouseSystem, Koch);
  EXPECT_TRUE(viewRecords[HouseCuspsView].needsRender);
  EXPECT_TRUE(viewRecords[PlanetsView].needsRender);
  EXPECT_TRUE(viewRecords[NatalChartView].layerFlags[RedrawBodies]);
  EXPECT_FALSE(std::equal(std::begin(cusps), std::end(cusps), CurrentChart().cusps));
  const platform::Menu& menu = *main.MenuOfView(InfoView);
  EXPECT_TRUE(menu.IsChecked(houseSystemInfo[Koch].menuCommand));
  EXPECT_FALSE(menu.IsChecked(houseSystemInfo[Placidus].menuCommand));
  // Another view's menu gets the check mark when it is entered.
  Command(CmdAspects);
  EXPECT_TRUE(main.MenuOfView(AspectsView)->IsChecked(houseSystemInfo[Koch].menuCommand));
}

TEST_F(ViewStateTest, ScrollStopsAreKeptAcrossTheWheelAndResetAcrossAnotherTextView) {
  Start();
  Command(CmdPlanets);
  ASSERT_EQ(viewRecords[PlanetsView].scrollMax, 1);
  ScrollArrow(true);
  EXPECT_EQ(viewRecords[PlanetsView].scrollPos, 1);
  // Beyond the last stop and before the first, the ends hold.
  ScrollArrow(true);
  EXPECT_EQ(viewRecords[PlanetsView].scrollPos, 1);
  EXPECT_EQ(main_->ViewScrollBar()->Position(), 1);

  Command(CmdNatalChart);
  EXPECT_FALSE(main_->ViewScrollBar()->Visible());
  Command(CmdPlanets);
  EXPECT_EQ(viewRecords[PlanetsView].scrollPos, 1);
  EXPECT_EQ(main_->ViewScrollBar()->Position(), 1);

  Command(CmdInfo);
  EXPECT_TRUE(viewRecords[PlanetsView].needsRender);
  Command(CmdPlanets);
  EXPECT_EQ(viewRecords[PlanetsView].scrollPos, 0);
  ScrollArrow(false);
  EXPECT_EQ(viewRecords[PlanetsView].scrollPos, 0);
}

TEST_F(ViewStateTest, AScrollStepCopiesTheBufferFromTheNextStop) {
  Start();
  Command(CmdPlanets);
  ScrollArrow(true);
  // The view's top row is the TextBuffer's row at the stop's offset.
  const platform::Surface& screen = desktop_.Screen();
  const int top = main_->ScreenRect().top;
  const int offset = viewRecords[PlanetsView].stopOffsets[1];
  int same = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      same += screen.Pixel(x, top + y) == shellDrawing.textBuffer.Pixel(x, offset + y);
    }
  }
  EXPECT_EQ(same, 100 * 200);
}

TEST_F(ViewStateTest, EditIsGreyedAndIgnoredForASampleChart) {
  Calls calls;
  InstallDialogs(calls);
  MainWindow& main = Start();
  for (int view = 0; view < ViewCount; ++view) {
    if (view != InfoView) Command(ViewCommand(view));
    EXPECT_FALSE(main.MenuOfView(view)->IsEnabled(CmdEdit)) << view;
  }
  Command(CmdEdit);
  EXPECT_TRUE(calls.wizardModes.empty());
}

TEST_F(ViewStateTest, EditOpensTheWizardForAStoredChart) {
  StoreCharts(1);
  Calls calls;
  InstallDialogs(calls);
  MainWindow& main = Start();
  EXPECT_EQ(CurrentSlot().record.id, 6);
  EXPECT_TRUE(main.MenuOfView(InfoView)->IsEnabled(CmdEdit));
  Command(CmdEdit);
  EXPECT_EQ(calls.wizardModes, std::vector<int>{2});
}

TEST_F(ViewStateTest, NewWithAFullStoreShowsTheNoticeAndNoWizard) {
  StoreCharts(StoreSlotCount);
  Calls calls;
  InstallDialogs(calls);
  Start();
  ASSERT_FALSE(HasFreeSlot());
  Command(CmdNew);
  EXPECT_EQ(calls.notices, std::vector<int>{NoticeStoreFull});
  EXPECT_TRUE(calls.wizardModes.empty());
}

TEST_F(ViewStateTest, NewWithRoomOpensTheWizardForANewChart) {
  Calls calls;
  InstallDialogs(calls);
  Start();
  Command(CmdNew);
  EXPECT_EQ(calls.wizardModes, std::vector<int>{1});
  EXPECT_TRUE(calls.notices.empty());
}

TEST_F(ViewStateTest, ThePresentMomentButtonTwiceReturnsToTheNatalChartWithoutComputingIt) {
  MainWindow& main = Start();
  Command(CmdNatalChart);
  EXPECT_TRUE(main.AspectToolBar()->Visible());
  const platform::Rect button = main.MenuBarOf(NatalChartView)->ImageButtonRect(CmdPresentMoment);
  ASSERT_FALSE(button.Empty());

  Tap(button);
  EXPECT_EQ(currentSlotIndex, 1);
  EXPECT_EQ(presentMomentState, 255);
  EXPECT_EQ(chartSlots[1].presentMoment, 1u);
  // The sky of the fixed present moment, 2024-03-20 12:00 UT (MJD 60389.5).
  EXPECT_NEAR(chartSlots[1].data.mjdUt, 60389.5, 0.5 / 86400);
  EXPECT_NE(BodyTable[Sun].geocentric.x, chartSlots[0].data.bodies[Sun].geocentric.x);

  // A mark a new computation of the natal chart would overwrite.
  chartSlots[0].data.deltaT = -12345.0;
  Tap(button);
  EXPECT_EQ(currentSlotIndex, 0);
  EXPECT_EQ(presentMomentState, 0);
  EXPECT_EQ(chartSlots[0].data.deltaT, -12345.0);
  EXPECT_EQ(BodyTable[Sun].geocentric.x, chartSlots[0].data.bodies[Sun].geocentric.x);
  EXPECT_EQ(shellState.currentView, NatalChartView);
}

TEST_F(ViewStateTest, TheNatalChartFollowsAHouseSystemChosenOverThePresentMoment) {
  MainWindow& main = Start();
  main.SelectHouseSystem(Koch);
  Settle();
  double kochCusps[HouseCount];
  std::memcpy(kochCusps, chartSlots[0].data.cusps, sizeof kochCusps);
  main.SelectHouseSystem(Placidus);
  Settle();

  Command(CmdPresentMoment);
  main.SelectHouseSystem(Koch);
  Settle();
  Command(CmdPresentMoment);
  ASSERT_EQ(currentSlotIndex, 0);
  EXPECT_TRUE(std::equal(std::begin(kochCusps), std::end(kochCusps), chartSlots[0].data.cusps));
}

TEST_F(ViewStateTest, AChartChangeUnchecksTheAspectButtonsAndEnablesThoseInTheChart) {
  MainWindow& main = Start();
  Command(CmdNatalChart);
  platform::ToolBar& bar = *main.AspectToolBar();
  int enabled = 0;
  for (int aspect = 1; aspect <= AspectButtonCount; ++aspect) {
    const int command = AspectButtonCommand(aspect);
    EXPECT_EQ(bar.IsButtonEnabled(command), AspectPresent(aspect) != 0) << aspect;
    enabled += bar.IsButtonEnabled(command);
  }
  ASSERT_GT(enabled, 0);
  int first = 1;
  while (!bar.IsButtonEnabled(AspectButtonCommand(first))) ++first;
  const int command = AspectButtonCommand(first);

  viewRecords[NatalChartView].layerFlags[RedrawAspectLines] = false;
  Tap(bar.ButtonRect(command).Offset(bar.ScreenRect().left, bar.ScreenRect().top));
  EXPECT_TRUE(aspectButtonChecked[first]);
  EXPECT_TRUE(bar.IsChecked(command));

  main.Send(Message::Command(CmdPresentMoment));
  EXPECT_FALSE(aspectButtonChecked[first]);
  EXPECT_FALSE(bar.IsChecked(command));
  for (const ViewRecord& r : viewRecords) EXPECT_TRUE(r.needsRender);
  EXPECT_TRUE(viewRecords[NatalChartView].layerFlags[RedrawWheel]);
  EXPECT_TRUE(viewRecords[NatalChartView].layerFlags[RedrawAspectLines]);
}

TEST_F(ViewStateTest, AnAspectButtonMarksOnlyTheAspectLayer) {
  MainWindow& main = Start();
  Command(CmdNatalChart);
  for (ViewRecord& r : viewRecords) {
    r.needsRender = false;
    std::fill(std::begin(r.layerFlags), std::end(r.layerFlags), false);
  }
  main.Send(Message::Command(AspectButtonCommand(Conjunction)));
  EXPECT_TRUE(viewRecords[NatalChartView].layerFlags[RedrawAspectLines]);
  EXPECT_FALSE(viewRecords[NatalChartView].layerFlags[RedrawBodies]);
  EXPECT_FALSE(viewRecords[NatalChartView].layerFlags[RedrawWheel]);
}

TEST_F(ViewStateTest, AngleModesSwitchOnceAndMarkThePlanetsView) {
  MainWindow& main = Start();
  Command(CmdPlanets);
  ASSERT_FALSE(viewRecords[PlanetsView].needsRender);
  const platform::Menu& menu = *main.MenuOfView(PlanetsView);
  EXPECT_TRUE(menu.IsChecked(CmdZodiacAngles));

  main.Send(Message::Command(CmdModulusAngles));
  EXPECT_EQ(shellState.angleMode, 1);
  EXPECT_TRUE(viewRecords[PlanetsView].needsRender);
  EXPECT_TRUE(menu.IsChecked(CmdModulusAngles));
  EXPECT_FALSE(menu.IsChecked(CmdZodiacAngles));
  Settle();

  main.Send(Message::Command(CmdModulusAngles));
  EXPECT_TRUE(desktop_.Idle());
  main.Send(Message::Command(CmdZodiacAngles));
  EXPECT_EQ(shellState.angleMode, 0);
  EXPECT_TRUE(menu.IsChecked(CmdZodiacAngles));
}

TEST_F(ViewStateTest, AViewCommandForTheViewOnShowDoesNothing) {
  Start();
  const std::vector<bool> flags = RenderFlags();
  main_->Send(Message::Command(CmdInfo));
  EXPECT_TRUE(desktop_.Idle());
  EXPECT_EQ(RenderFlags(), flags);
}

TEST_F(ViewStateTest, TerminalWithoutATerminalInstalledChangesNothing) {
  Start();
  const std::vector<bool> flags = RenderFlags();
  main_->Send(Message::Command(CmdTerminal));
  EXPECT_TRUE(desktop_.Idle());
  EXPECT_EQ(RenderFlags(), flags);
}

TEST_F(ViewStateTest, TheAboutAcceleratorOpensAbout) {
  Calls calls;
  InstallDialogs(calls);
  Start();
  desktop_.InjectKey('A', platform::kModCtrl | platform::kModShift);
  desktop_.InjectKey('Q', platform::kModCtrl | platform::kModShift);
  Settle();
  EXPECT_EQ(calls.about, 1);
  EXPECT_NE(TheMainWindow(), nullptr);
}

TEST_F(ViewStateTest, ExitSavesTheSettingsButWritesNoUnchangedChartFileAndQuits) {
  StoreCharts(2);
  Start();
  std::filesystem::remove(ChartFilePath());
  std::filesystem::remove(SettingsValuePath());
  Command(CmdExit);
  EXPECT_TRUE(desktop_.QuitPosted());
  EXPECT_EQ(TheMainWindow(), nullptr);
  // Every change was saved when made: closing writes no chart file.
  EXPECT_FALSE(std::filesystem::exists(ChartFilePath()));
  EXPECT_EQ(std::filesystem::file_size(SettingsValuePath()), 356u);
  main_ = nullptr;
}

}  // namespace
}  // namespace orrery::testing
