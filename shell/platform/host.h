// The interface between the window system and what shows it: the SDL2 host
// (a desktop window), the headless host (scripted input, PNG screenshots) or
// the web host (a canvas in a browser page).
// The window system knows nothing else of either.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "shell/platform/geometry.h"
#include "shell/platform/surface.h"

namespace orrery::platform {

class Desktop;

class Host {
 public:
  virtual ~Host() = default;
  // Called by the message loops when every message is handled and the
  // screen is painted. Feeds the next user input to the desktop (its Inject
  // functions), waiting as long as needed, and returns true; returns false
  // when no input will ever come again (window closed, script ended).
  virtual bool WaitInput(Desktop& desktop) = 0;
  // Called after each paint with the screen and the part that changed.
  virtual void Present(const Surface& screen, const Rect& changed) = 0;
  // From now on WaitInput also returns (with no input fed) whenever fd has
  // something to read, so that the program can take it; the program reads
  // fd itself before WaitInput is called again. Hosts that never block may
  // leave this out.
  virtual void WakeOnReadable(int /*fd*/) {}
  // Brings the program's window in front of the other windows of the display.
  virtual void BringToFront() {}
  // A file the user hands the program through the host itself (the web
  // page's "Import charts"): the handler gets its bytes while the program is
  // idle and returns what the host tells the user. Hosts without such a way
  // leave this out.
  using FileImport = std::function<std::string(std::span<const std::uint8_t>)>;
  virtual void OnFileImport(FileImport /*handler*/) {}
  // Called whenever the program waits for input with no dialog open, by
  // hosts whose program may end without being closed (a web page is simply
  // gone), so that it keeps what it would save at close current.
  virtual void OnIdle(std::function<void()> /*handler*/) {}
};

}  // namespace orrery::platform
