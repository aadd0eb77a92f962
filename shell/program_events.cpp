#include "shell/program_events.h"

#include <cstdio>

namespace orrery {

namespace {

// C's stdio rather than an ofstream: the web build then links no iostreams.
std::FILE* eventFile = nullptr;

}  // namespace

bool StartEventLog(const std::string& path) {
  StopEventLog();
  eventFile = std::fopen(path.c_str(), "w");
  return eventFile != nullptr;
}

void StopEventLog() {
  if (eventFile) std::fclose(eventFile);
  eventFile = nullptr;
}

void LogEvent(std::string_view line) {
  if (!eventFile) return;
  std::fwrite(line.data(), 1, line.size(), eventFile);
  std::fputc('\n', eventFile);
  std::fflush(eventFile);
}

}  // namespace orrery
