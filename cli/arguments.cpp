#include "cli/arguments.h"

#include <algorithm>
#include <cstdio>

namespace orrery::cli {

Arguments::Arguments(int argc, char** argv) : args_(argv, argv + argc) {}

std::optional<std::string> Arguments::Take(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), "--" + name);
  if (it == args_.end()) return std::nullopt;
  if (it + 1 == args_.end()) {
    if (problem_.empty()) problem_ = "option --" + name + " needs a value";
    args_.erase(it);
    return std::nullopt;
  }
  std::string value = *(it + 1);
  args_.erase(it, it + 2);
  return value;
}

bool Arguments::Flag(const std::string& name) {
  auto it = std::find(args_.begin(), args_.end(), "--" + name);
  if (it == args_.end()) return false;
  args_.erase(it);
  return true;
}

std::optional<std::string> Arguments::TakePositional() {
  auto it = std::find_if(args_.begin(), args_.end(), [](const std::string& a) {
    return a.size() < 2 || a.compare(0, 2, "--") != 0;
  });
  if (it == args_.end()) return std::nullopt;
  std::string value = *it;
  args_.erase(it);
  return value;
}

std::string Arguments::Problem() const {
  if (!problem_.empty()) return problem_;
  if (!args_.empty()) return "unexpected argument '" + args_.front() + "'";
  return {};
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "orrery-cli: %s\n", message.c_str());
  return 2;
}

}  // namespace orrery::cli
