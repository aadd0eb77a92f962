// orrery-completion-gen FILE: writes the bash completion of orrery-cli from
// its command table (cli/command_help.cpp), so that it offers exactly the
// commands, actions and options the program accepts. The build runs it.
#include <cstdio>
#include <fstream>
#include <string>

#include "cli/command_help.h"

namespace {

using orrery::cli::CommandHelp;
using orrery::cli::CommandHelps;

// The words that may follow a command path: its actions and options.
std::string Words(const CommandHelp& command) {
  std::string words;
  for (const CommandHelp* action : orrery::cli::ActionsOf(command.path))
    words += std::string(orrery::cli::ActionName(*action)) + " ";
  for (const orrery::OptionEntry& option : command.options)
    words += "--" + std::string(option.name) + " ";
  return words + "--" + std::string(orrery::HelpEntry.name);
}

// What completes the value of an option: file names, folder names, or
// nothing (a value to type).
std::string ValueCompletion(std::string_view placeholder) {
  if (placeholder.starts_with("FILE")) return "COMPREPLY=($(compgen -f -- \"$cur\"))";
  if (placeholder == "DIR") return "COMPREPLY=($(compgen -d -- \"$cur\"))";
  return "COMPREPLY=()";
}

std::string Script() {
  std::string paths, values, words = "    \"\") words=\"";
  for (const CommandHelp& c : CommandHelps()) {
    if (orrery::cli::IsTopCommand(c)) words += std::string(c.path) + " ";
  }
  words += "--help --version\" ;;\n";
  for (const CommandHelp& c : CommandHelps()) {
    const std::string path(c.path);
    paths += (paths.empty() ? "\"" : "|\"") + path + "\"";
    words += "    \"" + path + "\") words=\"" + Words(c) + "\" ;;\n";
    for (const orrery::OptionEntry& option : c.options) {
      if (option.value.empty()) continue;
      values += "    \"" + path + " --" + std::string(option.name) + "\") " +
                ValueCompletion(option.value) + "; return ;;\n";
    }
  }
  return "# bash completion for orrery-cli, written by orrery-completion-gen from the\n"
         "# program's command table.\n"
         "_orrery_cli() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  local path= word words i\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    word=${COMP_WORDS[i]}\n"
         "    case \"${path:+$path }$word\" in\n"
         "    " +
         paths +
         ") path=\"${path:+$path }$word\" ;;\n"
         "    esac\n"
         "  done\n"
         "  case \"$path $prev\" in\n" +
         values +
         "  esac\n"
         "  case \"$path\" in\n" +
         words +
         "    *) words= ;;\n"
         "  esac\n"
         "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
         "}\n"
         "complete -F _orrery_cli orrery-cli\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orrery-completion-gen FILE\n");
    return 2;
  }
  std::ofstream out(argv[1]);
  out << Script();
  out.close();
  if (!out) {
    std::fprintf(stderr, "orrery-completion-gen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
