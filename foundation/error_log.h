// The error log: the most recent numeric error codes, kept in memory for the
// Terminal's "errors" command. No error reaches the user through it otherwise.
//
// Codes: 501-504 settings, 601-605 chart file and store, 5001-5005 atlas.
#pragma once

namespace orrery {

inline constexpr int ErrorLogSlots = 23;

// Empties all slots and the last code.
void ClearErrorLog();
// Records code as the most recent entry (the oldest drops out); returns code.
int PushError(int code);
// Slot 0 is the most recent code; 0 marks an empty slot or an index out of range.
int ErrorLogSlot(int index);
int LastErrorCode();
// The log as text ("\r\nErrors: \r\n" and one line per slot), in a shared buffer.
const char16_t* DumpErrorLog();

}  // namespace orrery
