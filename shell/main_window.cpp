#include "shell/main_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "shell/dialog_hooks.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/resources.h"
#include "shell/program_events.h"
#include "shell/shell_drawing.h"
#include "shell/shell_ids.h"
#include "shell/text_views.h"
#include "shell/view_menus.h"
#include "shell/wheel_view.h"
#include "store/chart_changes.h"
#include "store/chart_list.h"
#include "store/chart_store.h"
#include "store/present_chart.h"
#include "store/store_notice.h"
#include "store/store_session.h"

namespace orrery {

using platform::DrawContext;
using platform::Message;
using platform::MsgType;
using platform::Rect;

namespace {

MainWindow* mainWindow = nullptr;

constexpr const char16_t* AspectTips[AspectButtonCount] = {
    u"Conjunction [0\u00b0]",      u"Opposition [180\u00b0]", u"Square [90\u00b0]",
    u"Trine [120\u00b0]",          u"Sextile [60\u00b0]",     u"Semisextile [30\u00b0]",
    u"Quincunx [150\u00b0]",       u"Semisquare [45\u00b0]",  u"Sesquiquadrate [135\u00b0]",
    u"Quintile [72\u00b0]",        u"Biquintile [144\u00b0]", u"Tao [165\u00b0]",
};

constexpr platform::Size AspectImageSize{glyphs::kToolBarImage.width, glyphs::kToolBarImage.height};

// A picture of the artwork, or a blank one of the size while it is missing.
platform::Image BitmapOrBlank(int id, const Rect& part) {
  if (const platform::Image* bitmap = platform::FindBitmap(id)) return bitmap->Crop(part);
  return platform::Image(part.Width(), part.Height());
}

// Checks the "House Systems" item of the system id and clears the others.
void CheckHouseSystem(platform::Menu& menu, int id) {
  for (const HouseSystemInfo& system : houseSystemInfo) {
    menu.Check(system.menuCommand, system.id == id);
  }
}

// The chart slot on show holds a sample chart ("Edit" is not offered).
bool SampleChartOnShow() { return IsSampleChart(CurrentSlot().record.id); }

}  // namespace

MainWindow* TheMainWindow() { return mainWindow; }

void RefreshAfterChartChange() {
  if (mainWindow) mainWindow->RefreshAfterChartChange();
}

MainWindow::MainWindow() : Window(0, platform::kWorkArea) {
  SetText(MainWindowTitle);
  SetStyle(platform::kStyleTitled);
  mainWindow = this;
}

MainWindow::~MainWindow() {
  if (mainWindow == this) mainWindow = nullptr;
}

void MainWindow::CreateBars() {
  platform::Desktop& desktop = *GetDesktop();
  for (int view = 0; view < ViewCount; ++view) {
    const platform::Menu* menu = platform::FindMenu(viewRecords[view].menuId);
    if (!menu) continue;
    platform::MenuBar& bar = desktop.Add<platform::MenuBar>(*this, *menu);
    bar.Show(false);
    CheckHouseSystem(bar.GetMenu(), currentHouseSystem);
    menuBars_[size_t(view)] = &bar;
  }
  if (platform::MenuBar* planets = menuBars_[PlanetsView]) {
    planets->GetMenu().Check(CmdZodiacAngles, true);
    planets->GetMenu().Check(CmdModulusAngles, false);
  }
  if (platform::MenuBar* wheel = menuBars_[NatalChartView]) {
    wheel->AddImageButton(CmdPresentMoment,
                          BitmapOrBlank(glyphs::kPresentMomentButton.id,
                                        Rect::At(0, 0, glyphs::kPresentMomentButton.width,
                                                 glyphs::kPresentMomentButton.height)));
  }
  presentMomentState = 0;

  const int buttonHeight = AspectImageSize.height + platform::ToolBar::kButtonPadding;
  const Rect strip = Rect::At(0, 0, AspectImageSize.width * AspectButtonCount, AspectImageSize.height);
  const Rect client = ClientRect();
  toolBar_ = &Add<platform::ToolBar>(
      AspectToolBarId,
      Rect{client.left, client.top - 2, client.right,
           client.top - 2 + platform::ToolBar::kTopMargin + buttonHeight},
      BitmapOrBlank(glyphs::kAspectToolBarStrip, strip), AspectImageSize);
  std::vector<platform::ToolButton> buttons;
  for (int aspect = 1; aspect <= AspectButtonCount; ++aspect) {
    buttons.push_back({AspectButtonCommand(aspect), aspect - 1, true, AspectTips[aspect - 1]});
    aspectButtonChecked[aspect] = false;
  }
  toolBar_->AddButtons(std::move(buttons));
  toolBar_->Show(false);
}

void MainWindow::CreateScrollBar() {
  const Rect area = ViewArea(ClientRect());
  scrollBar_ = &Add<platform::ScrollBar>(ViewScrollBarId,
                                        Rect::At(0, 0, ViewScrollBarWidth, area.Height()));
  scrollBar_->Show(false);
}

platform::Menu* MainWindow::MenuOfView(int view) {
  if (view < 0 || view >= ViewCount || !menuBars_[size_t(view)]) return nullptr;
  return &menuBars_[size_t(view)]->GetMenu();
}

void MainWindow::ShowView(int view) {
  if (view < 0 || view >= ViewCount) return;
  HideBodyPopup();
  const int old = shellState.currentView;
  if (platform::MenuBar* bar = MenuBarOf(old)) bar->Show(false);
  if (old == NatalChartView && toolBar_) toolBar_->Show(false);
  if (platform::MenuBar* bar = MenuBarOf(view)) bar->Show(true);
  if (view == NatalChartView && toolBar_) toolBar_->Show(true);
  if (IsTextView(view)) {
    // Info, Planets and Aspects share the TextBuffer: entering one of them
    // loses what the others had rendered.
    for (int other = 0; other < ViewCount; ++other) {
      if (other != view && IsTextView(other)) viewRecords[other].needsRender = true;
    }
  }
  shellState.currentView = std::int8_t(view);
  if (view != old) LogEvent("view " + std::to_string(view));
  if (platform::Menu* menu = MenuOfView(view)) {
    CheckHouseSystem(*menu, currentHouseSystem);
    menu->Enable(CmdEdit, !SampleChartOnShow());
  }
}

void MainWindow::RecomputeHouses() {
  ChangeHouseSystem(currentHouseSystem);
  // The quadrant tallies follow the houses.
  ComputeFactors();
}

void MainWindow::SelectHouseSystem(int id) {
  if (id < 0 || id >= HouseSystemCount) return;
  currentHouseSystem = std::int8_t(id);
  if (platform::Menu* menu = MenuOfView(shellState.currentView)) CheckHouseSystem(*menu, id);
  RecomputeHouses();
  MarkForRender(viewRecords[NatalChartView]);
  viewRecords[HouseCuspsView].needsRender = true;
  viewRecords[PlanetsView].needsRender = true;
  viewRecords[InfoView].needsRender = true;
  Invalidate(true);
}

void MainWindow::EnableAspectButtons() {
  if (!toolBar_) return;
  for (int aspect = 1; aspect <= AspectButtonCount; ++aspect) {
    toolBar_->EnableButton(AspectButtonCommand(aspect), AspectPresent(aspect) != 0);
  }
}

void MainWindow::RefreshAfterChartChange() {
  // A chart committed while the present moment was on show replaces the
  // natal chart and is shown: the button then stands for the natal chart.
  presentMomentState = currentSlotIndex == 1 ? 255 : 0;
  for (int aspect = 1; aspect <= AspectButtonCount; ++aspect) {
    aspectButtonChecked[aspect] = false;
    if (toolBar_) toolBar_->Check(AspectButtonCommand(aspect), false);
  }
  EnableAspectButtons();
  ShowView(shellState.currentView);
  MarkAllViews();
  Invalidate(true);
}

int MainWindow::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::Command:
      OnCommand(m.id);
      return 0;
    case MsgType::Scroll:
      OnScroll(m);
      return 0;
    case MsgType::TapDown:
      if (shellState.currentView == NatalChartView) OnWheelTap(m.pos.x, m.pos.y);
      return 0;
    case MsgType::Destroy:
      CleanUp();
      return 0;
    default:
      return Window::OnMessage(m);
  }
}

void MainWindow::OnCommand(int id) {
  DialogHooks& dialogs = Dialogs();
  const auto run = [this](const auto& dialog, auto... args) {
    if (dialog) dialog(*this, args...);
    Invalidate(true);
  };
  switch (id) {
    case CmdNew:
      RefreshChartStore();
      if (!HasFreeSlot()) {
        run(dialogs.showCautionNotice, NoticeStoreFull);
      } else {
        run(dialogs.runChartWizard, 1);
      }
      return;
    case CmdEdit:
      if (!SampleChartOnShow()) run(dialogs.runChartWizard, 2);
      return;
    case CmdSelect: run(dialogs.runChartSelect); return;
    case CmdViewPlanets: run(dialogs.runViewBodies); return;
    case CmdOptions: run(dialogs.runOptions); return;
    case CmdAbout: run(dialogs.runAbout); return;
    case CmdTerminal:
      // Opens the terminal once one is installed; otherwise changes nothing.
      if (dialogs.showTerminal) run(dialogs.showTerminal);
      return;
    case CmdExit:
      Send(Message::Of(MsgType::Close));
      return;
    case CmdZodiacAngles: OnAngleMode(0); return;
    case CmdModulusAngles: OnAngleMode(1); return;
    case CmdPresentMoment: OnPresentMoment(); return;
    case CmdStoreNotice:
      if (const std::string text = TakeStoreNotice(); !text.empty()) run(dialogs.showStoreNotice, text);
      return;
    default: break;
  }
  if (OnViewCommand(id) || OnHouseSystemCommand(id)) return;
  if (id >= CmdFirstAspectButton && id <= CmdLastAspectButton) OnAspectButton(id);
}

bool MainWindow::OnViewCommand(int id) {
  for (int view = 0; view < ViewCount; ++view) {
    if (ViewCommand(view) != id) continue;
    if (view != shellState.currentView) {
      ShowView(view);
      Invalidate(true);
    }
    return true;
  }
  return false;
}

bool MainWindow::OnHouseSystemCommand(int id) {
  for (const HouseSystemInfo& system : houseSystemInfo) {
    if (system.menuCommand != id) continue;
    if (system.id != currentHouseSystem) SelectHouseSystem(system.id);
    return true;
  }
  return false;
}

void MainWindow::OnAngleMode(int mode) {
  if (shellState.angleMode == mode) return;
  shellState.angleMode = std::int8_t(mode);
  if (platform::Menu* menu = MenuOfView(PlanetsView)) {
    menu->Check(CmdZodiacAngles, mode == 0);
    menu->Check(CmdModulusAngles, mode == 1);
  }
  viewRecords[PlanetsView].needsRender = true;
  Invalidate(false);
}

void MainWindow::OnAspectButton(int id) {
  const int aspect = id - 101;
  aspectButtonChecked[aspect] = toolBar_ && toolBar_->IsChecked(id);
  viewRecords[NatalChartView].layerFlags[RedrawAspectLines] = true;
  Invalidate(false);
}

void MainWindow::OnPresentMoment() {
  if (presentMomentState != 0) {
    presentMomentState = 0;
    ShowSlot(0, false);
    // The natal chart's houses follow a house system chosen meanwhile.
    RecomputeHouses();
  } else {
    presentMomentState = 255;
    BuildPresentChart();
  }
  Invalidate(false);
}

void MainWindow::OnScroll(const Message& m) {
  if (!scrollBar_ || m.source != scrollBar_) return;
  const auto action = static_cast<platform::ScrollAction>(m.code);
  if (action == platform::ScrollAction::ThumbTrack || action == platform::ScrollAction::EndScroll) {
    return;
  }
  ViewRecord& record = viewRecords[shellState.currentView];
  record.scrollPos = std::int8_t(ScrollTarget(action, m.value, record.scrollPos, record.scrollMax));
  scrollBar_->SetPosition(record.scrollPos);
  Invalidate(false);
}

void MainWindow::Paint(DrawContext& dc) {
  switch (shellState.currentView) {
    case InfoView: PaintBufferedView(dc, InfoView, u"Chart info", RenderInfo); return;
    case PlanetsView: PaintBufferedView(dc, PlanetsView, u"Planets", RenderPlanets); return;
    case AspectsView: PaintBufferedView(dc, AspectsView, u"Aspects", RenderAspects); return;
    case HouseCuspsView:
      if (scrollBar_) scrollBar_->Show(false);
      SetText(u"House cusps");
      PaintHouseCuspsView(dc, ClientRect().right);
      return;
    case NatalChartView:
      if (scrollBar_) scrollBar_->Show(false);
      SetText(u"Natal Chart");
      PaintWheelView(dc);
      return;
    default:
      return;
  }
}

void MainWindow::PaintBufferedView(DrawContext& dc, int view, const char16_t* title,
                                   void (*render)()) {
  const Rect area = ViewArea(ClientRect());
  ViewRecord& record = viewRecords[view];
  if (record.needsRender) {
    SetText(title);
    render();
    record.needsRender = false;
    if (scrollBar_) {
      scrollBar_->SetInfo(0, record.scrollMax, 1, 0);
      scrollBar_->Move(Rect::At(area.right - ViewScrollBarWidth, area.top, ViewScrollBarWidth,
                                area.Height()));
    }
  }
  const platform::Surface& buffer = shellDrawing.textBuffer;
  const int pos = std::clamp<int>(record.scrollPos, 0, MaxScrollStops - 1);
  dc.CopyFrom(buffer, Rect::At(0, record.stopOffsets[pos], buffer.Width(), area.Height()), {0, 0});
  if (scrollBar_) {
    scrollBar_->Show(true);
    // The keys scroll the view; a dialog over the main window keeps its focus.
    if (GetDesktop()->ActiveWindow() == this) scrollBar_->Focus();
  }
}

void MainWindow::CleanUp() {
  // A save that fails while closing is told by the exit (program.h), not by
  // a notice to a window that is going.
  SetStoreNoticeHook(nullptr);
  if (saveAtExit_) CloseStore();
  ReleaseDrawingResources();
  if (mainWindow == this) mainWindow = nullptr;
  if (platform::Desktop* desktop = GetDesktop()) desktop->PostQuit(0);
}

}  // namespace orrery
