// Every command and option of orrery-cli and orrery appears in the program's
// --help and in its manual page (made by help2man at build time); mistyped
// options point to the help.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../cli/cli_run.h"
#include "cli/command_help.h"
#include "foundation/version.h"
#include "shell/program.h"

namespace orrery {
namespace {

using cli_test::CliRun;
using cli_test::RunProgram;

std::string ReadManualPage(const std::string& name) {
  std::ifstream in(std::string(ORRERY_MAN_DIR) + "/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// An option as the manual page's roff writes it, every hyphen escaped:
// \-\-house\-system.
std::string RoffOption(std::string_view name) {
  std::string roff;
  for (char c : "--" + std::string(name)) roff += c == '-' ? std::string("\\-") : std::string(1, c);
  return roff;
}

// The part of orrery-cli(1) about one command: from its heading to the next.
std::string ManualSection(const std::string& page, std::string_view path) {
  const std::string heading = "Command " + std::string(path) + ":";
  const std::size_t start = page.find(heading);
  if (start == std::string::npos) return {};
  const std::size_t end = page.find("Command ", start + heading.size());
  return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::size_t LongestLine(const std::string& text) {
  std::size_t longest = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) longest = std::max(longest, line.size());
  return longest;
}

TEST(Help, EveryCommandShowsItsUsageOptionsAndExitStatus) {
  for (const cli::CommandHelp& command : cli::CommandHelps()) {
    const std::string path(command.path);
    const CliRun help = RunProgram("orrery-cli", path + " --help");
    ASSERT_EQ(help.status, 0) << path << ": " << help.err;
    EXPECT_EQ(help.err, "") << path;
    EXPECT_EQ(help.out.rfind("Usage: orrery-cli " + path, 0), 0u) << help.out;
    EXPECT_LE(LongestLine(help.out), 79u) << path;
    EXPECT_NE(help.out.find("\nExit status: 0 "), std::string::npos) << path;
    for (const OptionEntry& option : command.options)
      EXPECT_NE(help.out.find("--" + std::string(option.name)), std::string::npos)
          << path << " --" << option.name;
    for (const cli::CommandHelp* action : cli::ActionsOf(command.path))
      EXPECT_NE(help.out.find("\n  " + std::string(cli::ActionName(*action)) + " "),
                std::string::npos)
          << action->path;
    EXPECT_EQ(RunProgram("orrery-cli", "help " + path).out, help.out) << path;
    EXPECT_EQ(RunProgram("orrery-cli", path + " -h").out, help.out) << path;
  }
}

TEST(Help, AMistypedOptionGivesOneLinePointingToTheHelp) {
  for (const cli::CommandHelp& command : cli::CommandHelps()) {
    const std::string path(command.path);
    const CliRun run = RunProgram("orrery-cli", path + " --no-such-option 1");
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.out, "") << path;
    EXPECT_EQ(run.err, "orrery-cli: unknown option '--no-such-option' (try 'orrery-cli " + path +
                           " --help')\n");
  }
  const CliRun program = RunProgram("orrery", "--no-such-option");
  EXPECT_EQ(program.status, ExitUsage);
  EXPECT_EQ(program.err, "orrery: unknown option '--no-such-option' (try 'orrery --help')\n");
}

TEST(Help, TheProgramsShowTheirHelpAndVersion) {
  const CliRun overview = RunProgram("orrery-cli", "--help");
  ASSERT_EQ(overview.status, 0);
  for (const cli::CommandHelp& command : cli::CommandHelps()) {
    if (cli::IsTopCommand(command)) {
      EXPECT_NE(overview.out.find("\n  " + std::string(command.path) + " "), std::string::npos)
          << command.path;
    }
  }
  EXPECT_EQ(RunProgram("orrery-cli", "-h").out, overview.out);
  EXPECT_EQ(RunProgram("orrery-cli", "help").out, overview.out);

  const CliRun program = RunProgram("orrery", "--help");
  ASSERT_EQ(program.status, 0) << program.err;
  EXPECT_LE(LongestLine(program.out), 79u);
  for (const OptionEntry& option : ProgramOptionTable())
    EXPECT_NE(program.out.find("--" + std::string(option.name)), std::string::npos) << option.name;
  EXPECT_EQ(RunProgram("orrery", "-h").out, program.out);

  for (const std::string name : {"orrery", "orrery-cli"}) {
    const CliRun version = RunProgram(name, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, name + " " + ProgramVersion + "\n");
  }
}

TEST(ManualPage, EveryCommandAndOptionHasItsEntry) {
  const std::string cliPage = ReadManualPage("orrery-cli.1");
  ASSERT_NE(cliPage.find(".TH ORRERY-CLI \"1\""), std::string::npos) << "no orrery-cli(1)";
  EXPECT_NE(cliPage.find(std::string("orrery-cli ") + ProgramVersion), std::string::npos);
  for (const cli::CommandHelp& command : cli::CommandHelps()) {
    const std::string section = ManualSection(cliPage, command.path);
    ASSERT_NE(section, "") << "no section for " << command.path;
    for (const OptionEntry& option : command.options)
      EXPECT_NE(section.find(RoffOption(option.name)), std::string::npos)
          << command.path << " --" << option.name;
  }
  const std::string programPage = ReadManualPage("orrery.1");
  ASSERT_NE(programPage.find(".TH ORRERY \"1\""), std::string::npos) << "no orrery(1)";
  for (const OptionEntry& option : ProgramOptionTable())
    EXPECT_NE(programPage.find(RoffOption(option.name)), std::string::npos) << option.name;
}

}  // namespace
}  // namespace orrery
