#include "shell/program_events.h"

#include <fstream>

namespace orrery {

namespace {

std::ofstream& EventFile() {
  static std::ofstream file;
  return file;
}

}  // namespace

bool StartEventLog(const std::string& path) {
  StopEventLog();
  EventFile().open(path, std::ios::out | std::ios::trunc);
  return EventFile().is_open();
}

void StopEventLog() {
  if (EventFile().is_open()) EventFile().close();
  EventFile().clear();
}

void LogEvent(std::string_view line) {
  std::ofstream& file = EventFile();
  if (!file.is_open()) return;
  file << line << '\n';
  file.flush();
}

}  // namespace orrery
