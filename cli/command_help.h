// The commands of orrery-cli with their options and help: the one table the
// argument parser checks every option against and the help, the manual page
// and the shell completion are printed from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/option_table.h"

namespace orrery::cli {

struct CommandHelp {
  std::string_view path;        // "chart", or command and action: "charts add"
  std::string_view usage;       // what follows "orrery-cli " in the usage lines, one per line
  std::string_view summary;     // one line, lower case, no full stop
  OptionTable options;          // --help is implied
  std::string_view details;     // formats and notes, preformatted (may be empty)
  std::string_view examples;    // command lines, one a line
  std::string_view exitStatus;  // the exit codes and what they mean
};

// Every command and action, a command before its actions.
const std::vector<CommandHelp>& CommandHelps();

// The entry of a command or action path ("charts add"), or nullptr.
const CommandHelp* FindCommandHelp(std::string_view path);

// The actions of a command ("list", "show", ... for "charts"); empty for
// a command without actions.
std::vector<const CommandHelp*> ActionsOf(std::string_view command);
// Whether the entry is a command, not one of a command's actions.
inline bool IsTopCommand(const CommandHelp& c) { return c.path.find(' ') == std::string_view::npos; }
// An action's own name: "add" for "charts add".
inline std::string_view ActionName(const CommandHelp& action) {
  return action.path.substr(action.path.rfind(' ') + 1);
}

// orrery-cli COMMAND --help: usage, summary, actions, options, details,
// exit status, examples.
std::string CommandHelpText(const CommandHelp& command);
// orrery-cli --help: usage, the commands, exit status, examples.
std::string OverviewHelpText();
// orrery-cli help --all: the overview with every command's help, laid out
// for help2man, which makes the manual page from it: each command a section
// "Command PATH:" with its usage forms, options and examples ("$ " lines).
std::string FullHelpText();
// orrery-cli --version.
std::string VersionText();

}  // namespace orrery::cli
