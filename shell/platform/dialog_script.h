// Script commands that act on dialog controls by id, as a user would: each
// turns into the taps and keys a user would make, delivered one by one.
//   settext ID STRING   tap the edit, select its text (Home, Shift+End), type STRING
//   click ID            tap the middle of a button, check box or radio
//   select ID INDEX     combo box: open it, tap item INDEX; list view: tap row
//                       INDEX; tree view: tap visible row INDEX (scrolled into view)
//   expand ID INDEX     tree view: tap the box of visible row INDEX (if collapsed)
//   page NAME           tap the property sheet tab titled NAME
//   ok                  tap the navigation bar's OK
//   cancel              press Escape
// Controls are looked up among the shown windows of the active window.
#pragma once

namespace orrery::platform {

class HeadlessHost;

void AddDialogCommands(HeadlessHost& host);

}  // namespace orrery::platform
