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

ParsedOptions ParseProgramOptions(int argc, const char* const* argv) {
  ParsedOptions parsed;
  ProgramOptions& o = parsed.options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        parsed.error = arg + " needs a value";
        return nullptr;
      }
      return argv[++i];
    };
    if (arg == "--headless") {
      o.headless = true;
      continue;
    }
    const char* v = value();
    if (!v) return parsed;
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
      parsed.error = "bad argument '" + arg + " " + v + "'";
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
    if (!guard.AskToComeToFront()) {
      std::fprintf(stderr, "orrery: another orrery uses %s\n", home.c_str());
    }
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
    if (!options.script.empty() && !host.LoadScript(options.script)) {
      std::fprintf(stderr, "orrery: cannot read the script %s\n", options.script.c_str());
      return ExitScriptFailed;
    }
    host.SetShotDirectory(options.shots);
    platform::AddDialogCommands(host);
    const int code = RunOnHost(host, guard);
    if (!host.Error().empty()) {
      std::fprintf(stderr, "orrery: %s\n", host.Error().c_str());
      return ExitScriptFailed;
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
