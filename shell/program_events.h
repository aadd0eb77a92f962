// The program's event log (orrery --events FILE): one line for each dialog
// opened or closed and for each change of the view on show, so that a
// script can check what appeared:
//
//   open 114        a dialog (by its template; a property sheet by the
//                   template of its first page) was opened
//   close 114 1     ... and closed with this end code
//   view 2          the view on show changed (ViewId)
//
// Lines are written as they happen. Without a log nothing is written.
#pragma once

#include <string>
#include <string_view>

namespace orrery {

// Starts a log in the file (replacing it); false when it cannot be written.
bool StartEventLog(const std::string& path);
void StopEventLog();
// Appends one line when a log is open.
void LogEvent(std::string_view line);

}  // namespace orrery
