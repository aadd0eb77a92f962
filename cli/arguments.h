// Command-line options of orrery-cli: "--name value" pairs and bare flags,
// taken one by one so that whatever is left over can be reported. Only the
// options the command's table declares (command_help.h) can be taken, each
// as the table says: with a value or as a flag.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command_help.h"

namespace orrery::cli {

class Arguments {
 public:
  // The arguments after the command's words; command outlives this object.
  Arguments(const CommandHelp& command, int argc, char** argv);

  // The value after --name (and removes both); nullopt when absent. A --name
  // at the end without a value records a problem, as does taking an option
  // the command does not declare with a value.
  std::optional<std::string> Take(const std::string& name);
  // Whether the bare flag --name was given (and removes it); taking a flag
  // the command does not declare records a problem.
  bool Flag(const std::string& name);
  // The next argument that is not an option (and removes it).
  std::optional<std::string> TakePositional();

  // The first argument that is neither an option nor the value of one (the
  // action of "charts" and "atlas"), left in place.
  std::optional<std::string> FirstWord() const;
  // Whether --help or -h stands among the options.
  bool HelpWanted() const;
  // The first --option the command does not declare (a value of a declared
  // option excepted), or nullopt.
  std::optional<std::string> UnknownOption() const;

  // The first problem found: a missing value, or an argument nobody took,
  // with a pointer to the command's help. Call after every Take and Flag;
  // empty when all is well.
  std::string Problem() const;

 private:
  bool Declared(const std::string& name, bool withValue);
  // Visits every argument that is not the value of a declared option; stops
  // at the first for which visit returns true and returns it.
  template <class Visit>
  std::optional<std::string> FindArgument(Visit visit) const;

  const CommandHelp* command_;
  std::vector<std::string> args_;
  std::string problem_;
};

// Writes "orrery-cli: <message>" on standard error and returns exit code 2.
int UsageError(const std::string& message);

}  // namespace orrery::cli
