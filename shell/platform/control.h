// What the dialog controls share: their notification codes and how they
// report to their parent.
//
// Controls report synchronously: Command(id, code, control) for buttons,
// edits and combo boxes; Notify(control, id, code, value) for list views,
// tree views, track bars, month calendars and property sheet pages.
#pragma once

#include "shell/platform/window.h"

namespace orrery::platform {

// Command codes.
enum ControlCommand : int {
  kButtonClicked = 0,      // a button was pressed (BN_CLICKED)
  kEditChanged = 0x300,    // the user changed an edit's text (EN_CHANGE)
  kComboSelChanged = 1,    // the user chose a combo box item (CBN_SELCHANGE)
};

// Notify codes; value as noted.
enum ControlNotify : int {
  kListSelChanged = 100,   // value: the selected row
  kListDoubleTap,          // value: the row
  kTreeExpanding,          // value: the item, before its first expansion
  kTreeSelChanged,         // value: the selected item
  kTrackPosition,          // value: the new position
  kCalendarSelChanged,     // value: the date as year * 10000 + month * 100 + day
  kPageSetActive,          // the page is about to be shown
  kPageKillActive,         // the page is about to be left: return nonzero to stay
  kPageApply,              // OK: return nonzero to keep the sheet open
  kPageReset,              // Cancel
};

int CommandToParent(Window& control, int code);
int NotifyParent(Window& control, int code, int value = 0);

}  // namespace orrery::platform
