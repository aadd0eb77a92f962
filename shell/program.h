// The orrery program on the host: its command line, the home folder, one
// program per home, and the host it runs on (an SDL2 window, or headless
// with a script).
//
// Its options, with their meaning, are in ProgramOptionTable() (program.cpp),
// which `orrery --help` and the manual page print.
//
// Exit codes: the Exit* constants below; `orrery --help` explains them.
#pragma once

#include <optional>
#include <string>

#include "foundation/option_table.h"
#include "shell/platform/clock.h"

namespace orrery {

inline constexpr int ExitScriptFailed = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitNoDisplay = 3;
inline constexpr int ExitChartsNotSaved = 4;
inline constexpr int ExitHomeInUse = 5;

struct ProgramOptions {
  bool headless = false;
  std::string home;  // empty: the default home
  std::string script;
  std::string shots = ".";
  std::string events;  // empty: no event log
  int language = -1;  // -1: as stored
  int scale = 2;
  std::optional<platform::SystemTime> clock;
};

// What the command line asks for besides a run.
enum class Request { Run, Help, Version };

// The options of a command line, or an error message.
struct ParsedOptions {
  ProgramOptions options;
  Request request = Request::Run;
  std::string error;
};
// The options the command line may hold, with their help: the parser
// accepts only these, and --help and the manual page list them.
const OptionTable& ProgramOptionTable();
// orrery --help.
std::string ProgramHelpText();
ParsedOptions ParseProgramOptions(int argc, const char* const* argv);

// "YYYY-MM-DDTHH:MM" (seconds optional); nothing when malformed.
std::optional<platform::SystemTime> ParseClock(const std::string& text);

// Runs the program; returns its exit code.
int RunProgram(const ProgramOptions& options);

}  // namespace orrery
