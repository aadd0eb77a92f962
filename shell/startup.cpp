#include "shell/startup.h"

#include <cmath>
#include <cstdint>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/calendar.h"
#include "shell/glyphs/register_glyphs.h"
#include "shell/platform/clock.h"
#include "shell/platform/message.h"
#include "shell/shell_drawing.h"
#include "shell/shell_ids.h"
#include "shell/shell_state.h"
#include "shell/view_menus.h"
#include "shell/wheel_view.h"
#include "store/chart_list.h"
#include "store/present_chart.h"
#include "store/settings_record.h"
#include "store/store_notice.h"
#include "store/store_session.h"

namespace orrery {

namespace {

// Accelerator table: Ctrl+Shift+A for "About"; Ctrl+Shift+Q sends command 1,
// which the main window ignores.
void SetAccelerators(platform::Desktop& desktop, MainWindow& main) {
  constexpr int ctrlShift = platform::kModCtrl | platform::kModShift;
  desktop.SetAccelerators(main, {{'A', ctrlShift, CmdAbout}, {'Q', ctrlShift, platform::kIdOk}});
}

// The system clock (which scripted runs and tests fix) as seconds since
// 1970-01-01 0h UT.
std::int64_t PresentMoment() {
  const platform::SystemTime t = platform::CurrentUtc();
  const double midnight = CalendarToMjd(t.year, t.month, t.day, 0.0, Gregorian);
  return std::llround((midnight - UnixEpochMjd) * 86400.0) + t.hour * 3600 + t.minute * 60 +
         t.second;
}

// A notice of the store (the chart file not read, damaged, a change not
// saved) is shown once the main window has handled what it is doing.
void PostStoreNoticeCommand() {
  if (MainWindow* main = TheMainWindow()) main->Post(platform::Message::Command(CmdStoreNotice));
}

// The chart list refreshes the views after every change of the chart on
// show, and reads the present moment from the system clock; the store's
// notices reach the main window.
void ConnectChartList() {
  SetChartChangeHook(&RefreshAfterChartChange);
  SetPresentClock(&PresentMoment);
  SetStoreNoticeHook(&PostStoreNoticeCommand);
}

void Initialise(MainWindow& main, StartChart start) {
  const platform::Rect client = main.ClientRect();
  settingsRecord = {};
  ResetShellState();
  main.CreateBars();
  CreateDrawingObjects();
  InitialiseBodyDisplayFlags();
  currentSlotIndex = 0;
  currentHouseSystem = 0;
  if (start == StartChart::Stored) rulershipIndex = 0;
  MarkAllViews();
  CreateTextBuffer({client.Width(), client.Height()});
  CreateWheelBuffers({client.Width(), client.Height()});
  if (start == StartChart::Stored) {
    StartStore();
  } else {
    ResetOrbsToDefaults();
    ResetPointsToDefaults();
    CommitChart(CommitShow);
  }
  CreateBodyPopup(main);
}

}  // namespace

void RegisterShellResources() {
  RegisterViewMenus();
  glyphs::RegisterGlyphResources();
}

MainWindow& StartShell(platform::Desktop& desktop, StartChart start) {
  RegisterShellResources();
  MainWindow& main = desktop.Add<MainWindow>();
  desktop.SetMainWindow(&main);
  SetAccelerators(desktop, main);
  ConnectChartList();
  Initialise(main, start);
  main.CreateScrollBar();
  main.Invalidate(true);
  return main;
}

void InitialiseBodyDisplayFlags() {
  for (BodyPosition& body : BodyTable) {
    body.drawnInWheel = 1;
    body.placedByLayout = 1;
    body.shown = 1;
  }
  for (int body : {Earth, NorthNode, SouthNode, MeanNorthNode, MeanSouthNode}) {
    BodyTable[body].drawnInWheel = 0;
    BodyTable[body].shown = 0;
  }
  BodyTable[Ascendant].shown = 0;
  BodyTable[Midheaven].shown = 0;
}

}  // namespace orrery
