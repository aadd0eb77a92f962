// The SDL2 host: the 240 x 320 screen in a desktop window, scaled (2x by
// default). The left mouse button is the stylus; keys arrive as Key
// messages and typed text as Char messages, standing in for the input panel.
// Closing the window ends the input, which asks the program to close.
#pragma once

#include <memory>
#include <string>

#include "shell/platform/host.h"

namespace orrery::platform {

class SdlHost : public Host {
 public:
  explicit SdlHost(int scale = 2);
  ~SdlHost() override;

  // Opens the window; false (with Error()) when there is no display.
  bool Open(const std::string& title);
  const std::string& Error() const { return error_; }

  bool WaitInput(Desktop& desktop) override;
  void Present(const Surface& screen, const Rect& changed) override;
  // A watcher thread turns fd's readiness into an SDL event, so the waiting
  // loop wakes without polling.
  void WakeOnReadable(int fd) override;
  void BringToFront() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int scale_;
  std::string error_;
};

}  // namespace orrery::platform
