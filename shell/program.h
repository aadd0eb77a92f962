// The orrery program on the host: its command line, the home folder, one
// program per home, and the host it runs on (an SDL2 window, or headless
// with a script).
//
//   orrery [--home DIR] [--lang en|de] [--scale N] [--clock YYYY-MM-DDTHH:MM]
//   orrery --headless [--home DIR] [--script FILE] [--shots DIR] [...]
//   orrery ... --events FILE
//
// --home     where the chart file and settings live (default
//            $XDG_DATA_HOME/orrery, or ~/.local/share/orrery)
// --lang     stores the language of the astrological terms in the settings
//            before start-up (the program itself has no command for it)
// --scale    the SDL2 window's pixels per screen pixel (default 2)
// --clock    fixes the system clock at this Universal Time (scripted runs)
// --script   the headless input, one command a line (headless_host.h)
// --shots    where the script's "shot NAME" writes NAME.png (default .)
// --events   writes a line for each dialog opened or closed and each view
//            change to FILE (program_events.h)
//
// Exit codes: 0 after a normal end (also when another program holds the
// home and was asked to come to the front), 1 when the script failed, 2 for
// a bad command line, 3 when there is no display for the SDL2 window; a
// headless run also ends with 4 when a change to the charts could not be
// saved, and with 5 when another program holds the home (its script is not run).
#pragma once

#include <optional>
#include <string>

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

// The options of a command line, or an error message.
struct ParsedOptions {
  ProgramOptions options;
  std::string error;
};
ParsedOptions ParseProgramOptions(int argc, const char* const* argv);

// "YYYY-MM-DDTHH:MM" (seconds optional); nothing when malformed.
std::optional<platform::SystemTime> ParseClock(const std::string& text);

// Runs the program; returns its exit code.
int RunProgram(const ProgramOptions& options);

}  // namespace orrery
