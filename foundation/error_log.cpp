#include "foundation/error_log.h"

#include <cstdio>
#include <string>

namespace orrery {

namespace {

struct ErrorLog {
  int slots[ErrorLogSlots];
  int lastCode;
};

ErrorLog errorLog{};
std::u16string dumpText;

void AppendAscii(std::u16string& out, const char* text) {
  while (*text) out += static_cast<char16_t>(*text++);
}

}  // namespace

void ClearErrorLog() { errorLog = ErrorLog{}; }

int PushError(int code) {
  errorLog.lastCode = code;
  for (int i = ErrorLogSlots - 1; i > 0; --i) errorLog.slots[i] = errorLog.slots[i - 1];
  errorLog.slots[0] = code;
  return code;
}

int ErrorLogSlot(int index) {
  return index >= 0 && index < ErrorLogSlots ? errorLog.slots[index] : 0;
}

int LastErrorCode() { return errorLog.lastCode; }

const char16_t* DumpErrorLog() {
  dumpText.clear();
  AppendAscii(dumpText, "\r\nErrors: \r\n");
  char number[16];
  for (int i = 0; i < ErrorLogSlots; ++i) {
    AppendAscii(dumpText, "\r\n  [");
    std::snprintf(number, sizeof number, "%i", i);
    AppendAscii(dumpText, number);
    AppendAscii(dumpText, "]  ");
    std::snprintf(number, sizeof number, "%i", errorLog.slots[i]);
    AppendAscii(dumpText, number);
  }
  AppendAscii(dumpText, "\r\n\r\n");
  return dumpText.c_str();
}

}  // namespace orrery
