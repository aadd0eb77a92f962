// orrery-cli: the engine, atlas and chart store from the command line.
//
// Usage: orrery-cli <command> [options]. Each command lives in its own file
// and reads its options with cli::Arguments, which accepts only the options
// the command's table in command_help.cpp declares; the help comes from the
// same table. Bad arguments give one line on standard error and exit code 2.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/arguments.h"
#include "cli/atlas_command.h"
#include "cli/chart_command.h"
#include "cli/charts_command.h"
#include "cli/command_help.h"
#include "cli/positions_command.h"
#include "cli/render_command.h"

namespace orrery::cli {

namespace {

struct Command {
  const char* name;
  int (*run)(Arguments& args);
};

int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return 0;
}

// help [COMMAND [ACTION]] | help --all
int RunHelp(Arguments& args) {
  const bool all = args.Flag("all");
  std::string path;
  while (std::optional<std::string> word = args.TakePositional())
    path += (path.empty() ? "" : " ") + *word;
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (all) return Print(FullHelpText());
  if (path.empty()) return Print(OverviewHelpText());
  const CommandHelp* command = FindCommandHelp(path);
  if (!command) return UsageError("no command '" + path + "' (try 'orrery-cli --help')");
  return Print(CommandHelpText(*command));
}

const Command commands[] = {
    {"help", RunHelp},     {"positions", RunPositions}, {"chart", RunChart},
    {"charts", RunCharts}, {"atlas", RunAtlas},         {"render", RunRender},
};

// The table of the command, or of its action when the first word names one.
const CommandHelp& CommandOrAction(const char* name, int argc, char** argv) {
  const CommandHelp& command = *FindCommandHelp(name);
  std::optional<std::string> word = Arguments(command, argc, argv).FirstWord();
  const CommandHelp* action = word ? FindCommandHelp(std::string(name) + " " + *word) : nullptr;
  return action ? *action : command;
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc < 2) return UsageError("missing command (try 'orrery-cli --help')");
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
    return Print(OverviewHelpText());
  if (std::strcmp(argv[1], "--version") == 0) return Print(VersionText());
  for (const Command& c : commands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    const CommandHelp& help = CommandOrAction(c.name, argc - 2, argv + 2);
    Arguments args(help, argc - 2, argv + 2);
    if (args.HelpWanted()) return Print(CommandHelpText(help));
    if (std::optional<std::string> unknown = args.UnknownOption())
      return UsageError("unknown option '" + *unknown + "' (try 'orrery-cli " +
                        std::string(help.path) + " --help')");
    return c.run(args);
  }
  return UsageError(std::string("unknown command '") + argv[1] + "' (try 'orrery-cli --help')");
}

}  // namespace orrery::cli

int main(int argc, char** argv) { return orrery::cli::Main(argc, argv); }
