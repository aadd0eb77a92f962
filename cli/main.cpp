// orrery-cli: the engine, atlas and chart store from the command line.
//
// Usage: orrery-cli <command> [options]. Each command lives in its own file
// and reads its options with cli::Arguments; bad arguments give one line on
// standard error and exit code 2.
#include <cstdio>
#include <cstring>

#include "cli/arguments.h"
#include "cli/atlas_command.h"
#include "cli/chart_command.h"
#include "cli/charts_command.h"
#include "cli/positions_command.h"
#include "cli/render_command.h"

namespace orrery::cli {

namespace {

struct Command {
  const char* name;
  int (*run)(Arguments& args);
  const char* summary;
};

int RunHelp(Arguments& args);

const Command commands[] = {
    {"help", RunHelp, "list the commands"},
    {"positions", RunPositions, "apparent positions of every body at one moment"},
    {"chart", RunChart, "compute a birth chart (or a batch of them)"},
    {"charts", RunCharts, "the stored charts: list, show, add, delete, export, import, verify"},
    {"atlas", RunAtlas, "search the world atlas; places and time zones for a moment"},
    {"render", RunRender, "one view of a chart as the program shows it, as PNG"},
};

int RunHelp(Arguments& args) {
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  std::printf("usage: orrery-cli <command> [options]\n\ncommands:\n");
  for (const Command& c : commands) std::printf("  %-10s %s\n", c.name, c.summary);
  return 0;
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc < 2) return UsageError("missing command (try 'orrery-cli help')");
  for (const Command& c : commands) {
    if (std::strcmp(argv[1], c.name) == 0) {
      Arguments args(argc - 2, argv + 2);
      return c.run(args);
    }
  }
  return UsageError(std::string("unknown command '") + argv[1] + "'");
}

}  // namespace orrery::cli

int main(int argc, char** argv) { return orrery::cli::Main(argc, argv); }
