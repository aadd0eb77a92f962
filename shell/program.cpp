#include "shell/program.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "chart/chart_record.h"
#include "foundation/error_log.h"
#include "shell/platform/desktop.h"
#include "shell/platform/dialog_script.h"
#include "shell/platform/display_host.h"
#include "shell/platform/headless_host.h"
#include "shell/program_events.h"
#include "shell/single_instance.h"
#include "shell/startup.h"
#include "store/chart_changes.h"
#include "store/chart_import.h"
#include "store/settings.h"
#include "store/settings_on_change.h"
#include "store/settings_record.h"
#include "store/store_home.h"

namespace orrery {

namespace {

bool ParseNumber(const std::string& text, size_t from, size_t length, int& value) {
  if (from + length > text.size()) return false;
  value = 0;
  for (size_t i = from; i < from + length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// The language given with --lang becomes the stored one; the rest of the
// stored settings, the chart last shown included, stays as it was. The web
// page gives the browser's language at every start: a language already
// stored is not written again.
void StoreLanguage(int language) {
  LoadSettingsAtStartup();
  if (settingsRecord.language == language) return;
  settingsRecord.language = std::int8_t(language);
  currentRecord.id = settingsRecord.currentChartKey;
  SaveSettings();
}

// The host of the program, passing requests of a second start on: the host
// wakes when one arrives, and the request brings the window to the front and
// makes the whole screen show again.
class FrontRequestHost : public platform::Host {
 public:
  FrontRequestHost(platform::Host& host, InstanceGuard& guard) : host_(host), guard_(guard) {}
  bool WaitInput(platform::Desktop& desktop) override {
    while (guard_.TakeFrontRequest()) {
      host_.BringToFront();
      desktop.InvalidateScreen(desktop.Screen().Bounds(), false);
    }
    if (desktop.NeedsPaint()) return true;
    return host_.WaitInput(desktop);
  }
  void Present(const platform::Surface& screen, const platform::Rect& changed) override {
    host_.Present(screen, changed);
  }

 private:
  platform::Host& host_;
  InstanceGuard& guard_;
};

int RunOnHost(platform::Host& host, InstanceGuard& guard) {
  platform::Desktop desktop;
  FrontRequestHost front(host, guard);
  host.WakeOnReadable(guard.RequestDescriptor());
  host.OnFileImport(ImportChartFile);
  host.OnIdle([] { SaveChangedSettings(); });
  desktop.SetHost(&front);
  StartShell(desktop, StartChart::Stored);
  return desktop.Run();
}

}  // namespace

std::optional<platform::SystemTime> ParseClock(const std::string& text) {
  platform::SystemTime t;
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':') return std::nullopt;
  if (!ParseNumber(text, 0, 4, t.year) || !ParseNumber(text, 5, 2, t.month) ||
      !ParseNumber(text, 8, 2, t.day) || !ParseNumber(text, 11, 2, t.hour) ||
      !ParseNumber(text, 14, 2, t.minute)) {
    return std::nullopt;
  }
  if (text.size() == 19 && (text[16] != ':' || !ParseNumber(text, 17, 2, t.second))) {
    return std::nullopt;
  }
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
      t.second > 59) {
    return std::nullopt;
  }
  return t;
}

const OptionTable& ProgramOptionTable() {
  static const OptionTable table = {
      {"home", "DIR",
       "the folder of the chart file and settings (default $XDG_DATA_HOME/orrery, or "
       "~/.local/share/orrery); one program runs per folder"},
      {"lang", "LANG", "stores the language of the astrological terms, en or de, before start-up"},
      {"scale", "N", "screen pixels per pixel of the 240 x 320 screen in the window, 1 to 8 (default 2)"},
      {"clock", "MOMENT",
       "fixes the system clock at this Universal Time: YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS"},
      {"headless", "", "runs without a window, driven by --script"},
      {"script", "FILE",
       "with --headless: taps, keys and commands, one a line (tap X Y, key NAME, text TEXT, "
       "command ID, shot NAME, quit, ...)"},
      {"shots", "DIR", "where the script's \"shot NAME\" writes NAME.png (default the current folder)"},
      {"events", "FILE", "writes a line for each dialog opened or closed and each view change to FILE"},
      HelpEntry,
      {"version", "", "shows the version"},
  };
  return table;
}

std::string ProgramHelpText() {
  return "Usage: orrery [--home DIR] [--lang en|de] [--scale N] [--clock MOMENT]\n"
         "   or: orrery --headless [--home DIR] [--script FILE] [--shots DIR]\n"
         "        [--events FILE]\n"
         "\n"
         "A natal-astrology program for a 240 x 320 handheld screen: birth charts\n"
         "from a date, time and place of a built-in world atlas, up to 200 stored\n"
         "charts, five views. It opens in a window (the mouse is the stylus, the\n"
         "keyboard the input panel), or runs headless from a script.\n"
         "\nOptions:\n" +
         FormatOptions(ProgramOptionTable()) +
         "\n"
         "Exit status:\n"
         "  0  a normal end (also when another orrery uses the folder and was asked\n"
         "     to come to the front)\n"
         "  1  the script failed\n"
         "  2  bad command line\n"
         "  3  no display for the window\n"
         "  4  headless: a change to the charts could not be saved\n"
         "  5  headless: another orrery uses the folder; the script was not run\n"
         "\n"
         "Examples:\n"
         "  orrery\n"
         "  orrery --headless --home /tmp/charts --script views.script --shots out\n";
}

ParsedOptions ParseProgramOptions(int argc, const char* const* argv) {
  ParsedOptions parsed;
  ProgramOptions& o = parsed.options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "--version") {
      parsed.request = arg == "--version" ? Request::Version : Request::Help;
      return parsed;
    }
    const OptionEntry* entry =
        arg.starts_with("--") ? FindOption(ProgramOptionTable(), arg.substr(2)) : nullptr;
    if (!entry) {
      parsed.error = "unknown option '" + arg + "' (try 'orrery --help')";
      return parsed;
    }
    if (entry->name == "headless") {
      o.headless = true;
      continue;
    }
    if (i + 1 >= argc) {
      parsed.error = arg + " needs a value";
      return parsed;
    }
    const char* v = argv[++i];
    if (arg == "--home") {
      o.home = v;
    } else if (arg == "--script") {
      o.script = v;
    } else if (arg == "--shots") {
      o.shots = v;
    } else if (arg == "--events") {
      o.events = v;
    } else if (arg == "--lang" && (std::string(v) == "en" || std::string(v) == "de")) {
      o.language = std::string(v) == "de" ? 1 : 0;
    } else if (arg == "--scale" && std::string(v).size() == 1 && v[0] >= '1' && v[0] <= '8') {
      o.scale = v[0] - '0';
    } else if (arg == "--clock" && ParseClock(v)) {
      o.clock = ParseClock(v);
    } else {
      parsed.error = "bad argument '" + arg + " " + v + "' (try 'orrery --help')";
      return parsed;
    }
  }
  if (!o.script.empty() && !o.headless) parsed.error = "--script needs --headless";
  return parsed;
}

int RunProgram(const ProgramOptions& options) {
  ClearErrorLog();
  const std::filesystem::path home =
      options.home.empty() ? DefaultStoreHome() : std::filesystem::path(options.home);
  std::error_code error;
  std::filesystem::create_directories(home, error);
  SetStoreHome(home);

  InstanceGuard guard(home);
  if (guard.OtherInstance()) {
    const bool asked = guard.AskToComeToFront();
    // A scripted run that cannot run its script has failed.
    if (options.headless) {
      std::fprintf(stderr, "orrery: another orrery uses %s; the script is not run\n", home.c_str());
      return ExitHomeInUse;
    }
    if (!asked) std::fprintf(stderr, "orrery: another orrery uses %s\n", home.c_str());
    return 0;
  }
  if (options.language >= 0) StoreLanguage(options.language);
  if (options.clock) platform::FixClock(options.clock);
  // The event log ends with the run.
  const struct EventLogEnd {
    ~EventLogEnd() { StopEventLog(); }
  } eventLogEnd;
  if (!options.events.empty() && !StartEventLog(options.events)) {
    std::fprintf(stderr, "orrery: cannot write the events to %s\n", options.events.c_str());
    return ExitUsage;
  }

  if (options.headless) {
#ifdef __EMSCRIPTEN__
    // The page runs no scripts: its build leaves the headless host (and
    // libpng) out.
    return ExitUsage;
#else
    platform::HeadlessHost host;
    if (const std::string problem = options.script.empty() ? "" : host.LoadScript(options.script);
        !problem.empty()) {
      std::fprintf(stderr, "orrery: --script: %s\n", problem.c_str());
      return ExitUsage;
    }
    host.SetShotDirectory(options.shots);
    platform::AddDialogCommands(host);
    const int code = RunOnHost(host, guard);
    if (!host.Error().empty()) {
      std::fprintf(stderr, "orrery: %s\n", host.Error().c_str());
      return ExitScriptFailed;
    }
    if (FailedChartSaves() > 0) {
      std::fprintf(stderr, "orrery: %d save(s) of the charts to %s failed%s\n", FailedChartSaves(),
                   ChartFilePath().c_str(),
                   ChartChangesWaiting() ? "; the changes not saved by the end are lost" : "");
      return ExitChartsNotSaved;
    }
    return code;
#endif
  }
  platform::DisplayHost host(options.scale);
  if (!host.Open("quorvel Astrology")) {
    std::fprintf(stderr, "orrery: %s\n", host.Error().c_str());
    return ExitNoDisplay;
  }
  return RunOnHost(host, guard);
}

}  // namespace orrery
