// Runs the real orrery-cli (or orrery) binary for the command tests.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace orrery::cli_test {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;  // the exit code; -1 when the program did not exit by itself
};

enum class Stderr { Apart, Merged };

inline std::string ReadStream(FILE* file) {
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  return text;
}

// A program of the build (orrery-cli, orrery) with the arguments (shell
// words: quotes and redirections of the standard input work). Standard
// error goes to err, or with Merged into out in the order written.
inline CliRun RunProgram(const std::string& program, const std::string& arguments,
                         Stderr mode = Stderr::Apart) {
  CliRun run;
  std::string errPath;
  std::string command = std::string(ORRERY_BIN_DIR) + "/" + program + " " + arguments;
  if (mode == Stderr::Merged) {
    command += " 2>&1";
  } else {
    // A file of its own: CTest runs the cases side by side.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orrery-cli-stderr-XXXXXX").string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) return run;
    close(fd);
    errPath = pattern;
    command += " 2>'" + errPath + "'";
  }
  if (FILE* pipe = popen(command.c_str(), "r")) {
    run.out = ReadStream(pipe);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  if (!errPath.empty()) {
    if (FILE* err = std::fopen(errPath.c_str(), "rb")) {
      run.err = ReadStream(err);
      std::fclose(err);
    }
    std::remove(errPath.c_str());
  }
  return run;
}

inline CliRun RunOrreryCli(const std::string& arguments, Stderr mode = Stderr::Apart) {
  return RunProgram("orrery-cli", arguments, mode);
}

}  // namespace orrery::cli_test
