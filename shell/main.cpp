// orrery: the handheld natal-astrology program on a 240 x 320 screen, in an
// SDL2 window or headless (program.h).
#include <cstdio>

#include "dialogs/install_dialogs.h"
#include "foundation/version.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  const orrery::ParsedOptions parsed = orrery::ParseProgramOptions(argc, argv);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "orrery: %s\n", parsed.error.c_str());
    return orrery::ExitUsage;
  }
  if (parsed.request == orrery::Request::Help) {
    std::fputs(orrery::ProgramHelpText().c_str(), stdout);
    return 0;
  }
  if (parsed.request == orrery::Request::Version) {
    std::printf("orrery %s\n", orrery::ProgramVersion);
    return 0;
  }
  orrery::InstallDialogs();
  return orrery::RunProgram(parsed.options);
}
