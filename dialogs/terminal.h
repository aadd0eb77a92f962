// The diagnostic terminal ("qA Terminal"): a one-line command, the "!!"
// button and an output pane. It knows "?" (the command list) and "errors"
// (the error log); everything else, "test" included, is unknown. Enter in
// the command line presses "!!".
#pragma once

#include <string>
#include <string_view>

#include "shell/platform/window.h"

namespace orrery {

inline constexpr int TerminalTemplate = 257;
inline constexpr int TerminalRunId = 1079;     // "!!"
inline constexpr int TerminalInputId = 1080;   // at most 128 characters
inline constexpr int TerminalOutputId = 1081;  // keeps at most 2048 characters

// What the terminal answers to a command line (its first 512 characters).
std::u16string TerminalAnswer(std::u16string_view input);

void ShowTerminal(platform::Window& owner);

}  // namespace orrery
