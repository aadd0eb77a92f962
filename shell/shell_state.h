// The view state of the handheld program: which view is on show, the angle
// mode, one ViewRecord per view (render flags, scroll stops, wheel layers),
// the aspect buttons and the present-moment button.
//
// The other parts of the view state live with the chart they select: the
// chart slot on show is currentSlotIndex (chart/chart_slot.h), the house
// system currentHouseSystem and the rulership system rulershipIndex
// (chart/live_settings.h). None of it is stored: every run starts with the
// Info view, Placidus, zodiac angles and the natal chart.
//
// Nothing here needs a window: the main window (main_window.h) drives these
// records, and the views read and fill them.
#pragma once

#include <cstdint>

#include "chart/aspects.h"
#include "shell/platform/message.h"

namespace orrery {

enum ViewId : int {
  InfoView = 0,
  NatalChartView = 1,
  PlanetsView = 2,
  AspectsView = 3,
  HouseCuspsView = 4,
};
inline constexpr int ViewCount = 5;

// Menu and menu-bar resource of each view, by ViewId.
inline constexpr int ViewMenuIds[ViewCount] = {102, 104, 103, 105, 106};

// Info, Planets, Aspects and House cusps show text; the first three share
// one off-screen TextBuffer.
bool IsTextView(int view);

struct ShellState {
  std::int8_t currentView;  // ViewId
  std::int8_t angleMode;    // 0 zodiac angles, 1 modulus angles (Planets view, body pop-up)
};
extern ShellState shellState;

inline constexpr int MaxScrollStops = 8;

// Wheel layers of the Natal Chart view, redrawn only while their flag is set.
enum WheelLayer : int { RedrawWheel = 0, RedrawBodies = 1, RedrawAspectLines = 2 };
inline constexpr int WheelLayerCount = 3;

struct ViewRecord {
  bool needsRender;  // the view must render again before it is shown
  int menuId;        // menu and menu-bar resource of the view
  std::int8_t scrollPos;  // current scroll stop
  std::int8_t scrollMax;  // last scroll stop (0: one page)
  std::int32_t stopOffsets[MaxScrollStops];  // y in the TextBuffer of each stop
  bool layerFlags[WheelLayerCount];          // Natal Chart view only
};
// Indexed by ViewId.
extern ViewRecord viewRecords[ViewCount];

// The rendering of a buffered view starts afresh: one stop at y 0.
void ResetScrollStops(ViewRecord& record);
// Appends a stop at y; a view never has more than MaxScrollStops (further
// stops are dropped, so the last one stays reachable).
void AppendScrollStop(ViewRecord& record, int y);

// The stop a scroll request leads to from pos: a line or page up or down
// moves one stop, a thumb position goes to value, top and bottom to the
// ends; the result is kept within 0..scrollMax. Thumb tracking and the end
// of a scroll gesture keep pos.
int ScrollTarget(platform::ScrollAction action, int value, int pos, int scrollMax);

// The view must render again, the wheel with all three layers.
void MarkForRender(ViewRecord& record);
// Every view must render again.
void MarkAllViews();

// The aspect tool bar: one checked flag per AspectId 1..12 (index 0 unused).
inline constexpr int AspectButtonCount = 12;
extern bool aspectButtonChecked[AspectRowCount];
inline constexpr int AspectButtonCommand(int aspect) { return 101 + aspect; }

// The present-moment button: 0 while the natal chart is on show, 255 while
// the chart of the present moment is.
extern std::uint8_t presentMomentState;

// The view state of a fresh start: Info view, zodiac angles, natal chart,
// no aspect button checked, every view to render, menu ids per view.
void ResetShellState();

}  // namespace orrery
