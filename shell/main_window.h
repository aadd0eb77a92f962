// The program's one main window: it owns the per-view menu bars, the aspect
// tool bar and the scroll bar of the text views, turns every command into
// an action, switches the views and shows the view on show at each paint.
//
// It covers the work area below the navigation bar (240 x 294); the views
// use its client area less the menu bar's 26 pixels at the bottom, where
// the menu bar of the view on show stands above it.
#pragma once

#include <array>

#include "shell/platform/menu.h"
#include "shell/platform/menu_bar.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/tool_bar.h"
#include "shell/platform/window.h"
#include "shell/shell_state.h"

namespace orrery {

inline constexpr const char16_t* MainWindowTitle = u"quorvel Astrology";

class MainWindow : public platform::Window {
 public:
  MainWindow();
  ~MainWindow() override;

  // Start-up: the menu bars and the aspect tool bar (hidden), then the
  // scroll bar (hidden). The window must be in the desktop's tree.
  void CreateBars();
  void CreateScrollBar();
  // Whether clean-up saves the settings and the chart file (default yes).
  void SetSaveAtExit(bool save) { saveAtExit_ = save; }

  // Switches the visible view: menu bar, tool bar, render flags, check
  // marks and the state of "Edit".
  void ShowView(int view);
  // Uses the house system id (0..6) for the chart on show.
  void SelectHouseSystem(int id);
  // After the chart on show changed: aspect buttons reset and enabled by
  // the new chart, the current view entered again, every view to render.
  void RefreshAfterChartChange();
  // Enables the aspect buttons of the aspects that the shown bodies form.
  void EnableAspectButtons();
  // The menu of a view's menu bar, or nullptr when the view has none.
  platform::Menu* MenuOfView(int view);

  platform::MenuBar* MenuBarOf(int view) const { return menuBars_[size_t(view)]; }
  platform::ToolBar* AspectToolBar() const { return toolBar_; }
  platform::ScrollBar* ViewScrollBar() const { return scrollBar_; }

  int OnMessage(const platform::Message& m) override;

 private:
  void OnCommand(int id);
  bool OnViewCommand(int id);
  bool OnHouseSystemCommand(int id);
  void OnAngleMode(int mode);
  void OnAspectButton(int id);
  void OnPresentMoment();
  void OnScroll(const platform::Message& m);
  void Paint(platform::DrawContext& dc);
  void PaintBufferedView(platform::DrawContext& dc, int view, const char16_t* title,
                         void (*render)());
  void RecomputeHouses();
  void CleanUp();

  std::array<platform::MenuBar*, ViewCount> menuBars_{};
  platform::ToolBar* toolBar_ = nullptr;
  platform::ScrollBar* scrollBar_ = nullptr;
  bool saveAtExit_ = true;
};

// The main window while it exists, else nullptr.
MainWindow* TheMainWindow();
// RefreshAfterChartChange of the main window, when there is one.
void RefreshAfterChartChange();

}  // namespace orrery
