// Command-line options of orrery-cli: "--name value" pairs and bare flags,
// taken one by one so that whatever is left over can be reported.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrery::cli {

class Arguments {
 public:
  Arguments(int argc, char** argv);

  // The value after --name (and removes both); nullopt when absent. A --name
  // at the end without a value records an error.
  std::optional<std::string> Take(const std::string& name);
  // Whether the bare flag --name was given (and removes it).
  bool Flag(const std::string& name);
  // The next argument that is not an option (and removes it).
  std::optional<std::string> TakePositional();

  // The first problem found: a missing value, or an argument nobody took.
  // Call after every Take and Flag; empty when all is well.
  std::string Problem() const;

 private:
  std::vector<std::string> args_;
  std::string problem_;
};

// Writes "orrery-cli: <message>" on standard error and returns exit code 2.
int UsageError(const std::string& message);

}  // namespace orrery::cli
