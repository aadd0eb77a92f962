#include "cli/render_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "chart/chart_record.h"
#include "cli/record_options.h"
#include "shell/platform/png_io.h"
#include "shell/shell_state.h"
#include "shell/view_render.h"
#include "store/sample_charts.h"

namespace orrery::cli {

namespace {

// The views by their names, in ViewId order.
constexpr const char* ViewNames[ViewCount] = {"info", "wheel", "planets", "aspects", "cusps"};

int ParseView(const std::string& name) {
  for (int view = 0; view < ViewCount; ++view) {
    if (name == ViewNames[view]) return view;
  }
  return -1;
}

// A whole number within [low, high], or nothing.
std::optional<int> ParseInt(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

int RunRender(Arguments& args) {
  const std::optional<std::string> view = args.Take("view");
  const std::optional<std::string> stop = args.Take("stop");
  const std::optional<std::string> sample = args.Take("sample");
  const std::optional<std::string> out = args.Take("out");
  ChartRecord record{};
  const std::string recordProblem = sample ? std::string() : TakeRecordOptions(args, record);
  ChartSettings settings;
  const std::string settingsProblem = TakeChartSettings(args, settings);
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!settingsProblem.empty()) return UsageError(settingsProblem);

  ViewRenderRequest request;
  request.view = view ? ParseView(*view) : -1;
  if (request.view < 0) return UsageError("--view must be info, wheel, planets, aspects or cusps");
  if (stop) {
    const std::optional<int> n = ParseInt(*stop, 0, MaxScrollStops - 1);
    if (!n) return UsageError("--stop must be 0 to " + std::to_string(MaxScrollStops - 1));
    request.stop = *n;
  }
  if (!out || out->empty()) return UsageError("missing --out FILE.png");
  if (sample) {
    const std::optional<int> n = ParseInt(*sample, 0, SampleChartCount - 1);
    if (!n) return UsageError("--sample must be 0 to " + std::to_string(SampleChartCount - 1));
    LoadSampleChart(*n);
    record = currentRecord;
  } else if (!recordProblem.empty()) {
    return UsageError(recordProblem);
  }
  request.houseSystem = settings.houseSystem;
  request.language = settings.language;
  request.rulership = settings.rulership;

  if (!platform::WritePng(*out, RenderChartView(record, request).screen)) {
    std::fprintf(stderr, "orrery-cli: cannot write %s\n", out->c_str());
    return 1;
  }
  return 0;
}

}  // namespace orrery::cli
