#include "shell/shell_state.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace orrery {

ShellState shellState;
ViewRecord viewRecords[ViewCount];
bool aspectButtonChecked[AspectRowCount];
std::uint8_t presentMomentState;

bool IsTextView(int view) { return view >= 0 && view < ViewCount && view != NatalChartView; }

void ResetScrollStops(ViewRecord& record) {
  record.scrollPos = 0;
  record.scrollMax = 0;
  std::memset(record.stopOffsets, 0, sizeof record.stopOffsets);
}

void AppendScrollStop(ViewRecord& record, int y) {
  if (record.scrollMax + 1 >= MaxScrollStops) return;
  ++record.scrollMax;
  record.stopOffsets[record.scrollMax] = y;
}

int ScrollTarget(platform::ScrollAction action, int value, int pos, int scrollMax) {
  using platform::ScrollAction;
  switch (action) {
    case ScrollAction::LineUp:
    case ScrollAction::PageUp: pos -= 1; break;
    case ScrollAction::LineDown:
    case ScrollAction::PageDown: pos += 1; break;
    case ScrollAction::ThumbPosition: pos = value; break;
    case ScrollAction::Top: pos = 0; break;
    case ScrollAction::Bottom: pos = scrollMax; break;
    case ScrollAction::ThumbTrack:
    case ScrollAction::EndScroll: break;
  }
  return std::clamp(pos, 0, std::max(scrollMax, 0));
}

void MarkForRender(ViewRecord& record) {
  record.needsRender = true;
  std::fill(std::begin(record.layerFlags), std::end(record.layerFlags), true);
}

void MarkAllViews() {
  for (ViewRecord& record : viewRecords) MarkForRender(record);
}

void ResetShellState() {
  shellState = {};
  for (int view = 0; view < ViewCount; ++view) {
    viewRecords[view] = {};
    viewRecords[view].menuId = ViewMenuIds[view];
  }
  std::fill(std::begin(aspectButtonChecked), std::end(aspectButtonChecked), false);
  presentMomentState = 0;
  MarkAllViews();
}

}  // namespace orrery
