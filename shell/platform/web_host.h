// The web host: the 240 x 320 screen is the canvas of a browser page
// (web/index.html, web/page.js), its backing store exactly 240 x 320 pixels
// and scaled by the page. Pointer and touch are the stylus; the keyboard
// types; while a text field has the focus, a hidden input of the page holds
// the browser's focus, so a phone shows its on-screen keyboard, and what is
// typed there (composed letters included) arrives as Char messages.
//
// Waiting for input awaits a promise of the page (Asyncify), so the nested
// message loops of modal dialogs run as they do on the desktop and an idle
// program costs nothing.
//
// Only built by emscripten (make web).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/platform/host.h"

namespace orrery::platform {

class WebHost : public Host {
 public:
  // The scale is the page's to choose; the parameter keeps the desktop
  // host's form.
  explicit WebHost(int scale = 1);

  // The page is there once the program runs: always true, never an error.
  bool Open(const std::string& title);
  const std::string& Error() const {
    static const std::string none;
    return none;
  }

  bool WaitInput(Desktop& desktop) override;
  void Present(const Surface& screen, const Rect& changed) override;
  void OnFileImport(FileImport handler) override { import_ = std::move(handler); }
  void OnIdle(std::function<void()> handler) override { idle_ = std::move(handler); }

 private:
  // Tells the page whether a text field has the focus, and where.
  void SyncTextField(Desktop& desktop);
  void Import(Desktop& desktop, int size);

  FileImport import_;
  std::function<void()> idle_;
  std::vector<std::uint8_t> rgba_;  // the changed part of the screen as the page takes it
  bool stylusDown_ = false;
};

}  // namespace orrery::platform
