// The host of a program with a screen: an SDL2 window on the desktop, or the
// canvas of a browser page when the program is built for the web
// (emscripten). Both open with Open(title), report Error() and take a scale.
#pragma once

#ifdef __EMSCRIPTEN__
#include "shell/platform/web_host.h"
namespace orrery::platform {
using DisplayHost = WebHost;
}
#else
#include "shell/platform/sdl_host.h"
namespace orrery::platform {
using DisplayHost = SdlHost;
}
#endif
