#include "cli/arguments.h"

#include <algorithm>
#include <cstdio>

namespace orrery::cli {

Arguments::Arguments(const CommandHelp& command, int argc, char** argv)
    : command_(&command), args_(argv, argv + argc) {}

bool Arguments::Declared(const std::string& name, bool withValue) {
  const OptionEntry* entry = FindOption(command_->options, name);
  if (entry && entry->value.empty() != withValue) return true;
  // A fault of the program, not of the user: every test that reaches it fails.
  if (problem_.empty())
    problem_ = "option --" + name + " is not declared for 'orrery-cli " +
               std::string(command_->path) + "'" + (withValue ? " with a value" : " as a flag");
  return false;
}

std::optional<std::string> Arguments::Take(const std::string& name) {
  if (!Declared(name, true)) return std::nullopt;
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
  if (!Declared(name, false)) return false;
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

template <class Visit>
std::optional<std::string> Arguments::FindArgument(Visit visit) const {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    const std::string& a = args_[i];
    if (visit(a)) return a;
    const OptionEntry* entry =
        a.starts_with("--") ? FindOption(command_->options, a.substr(2)) : nullptr;
    if (entry && !entry->value.empty()) ++i;
  }
  return std::nullopt;
}

std::optional<std::string> Arguments::FirstWord() const {
  return FindArgument([](const std::string& a) { return !a.starts_with("-"); });
}

bool Arguments::HelpWanted() const {
  return FindArgument([](const std::string& a) { return a == "--help" || a == "-h"; }).has_value();
}

std::optional<std::string> Arguments::UnknownOption() const {
  return FindArgument([this](const std::string& a) {
    return a.starts_with("--") && !FindOption(command_->options, a.substr(2));
  });
}

std::string Arguments::Problem() const {
  std::string problem = problem_;
  if (problem.empty() && !args_.empty()) problem = "unexpected argument '" + args_.front() + "'";
  if (problem.empty()) return {};
  return problem + " (try 'orrery-cli " + std::string(command_->path) + " --help')";
}

int UsageError(const std::string& message) {
  std::fprintf(stderr, "orrery-cli: %s\n", message.c_str());
  return 2;
}

}  // namespace orrery::cli
