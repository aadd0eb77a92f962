// The About screen: a full-screen dialog drawn by itself, with the program's
// name and version, where to find us, and the sources of the atlas data
// with their licences.
#pragma once

#include "shell/platform/window.h"

namespace orrery {

inline constexpr int AboutTemplate = 103;

void ShowAbout(platform::Window& owner);

}  // namespace orrery
