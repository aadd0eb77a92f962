// orrery: the handheld natal-astrology program on a 240 x 320 screen, in an
// SDL2 window or headless (program.h).
#include <cstdio>

#include "dialogs/install_dialogs.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  const orrery::ParsedOptions parsed = orrery::ParseProgramOptions(argc, argv);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "orrery: %s\n", parsed.error.c_str());
    return orrery::ExitUsage;
  }
  orrery::InstallDialogs();
  return orrery::RunProgram(parsed.options);
}
