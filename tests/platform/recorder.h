// Test windows that log the messages they get.
#pragma once

#include <string>
#include <vector>

#include "shell/platform/desktop.h"
#include "shell/platform/window.h"

namespace orrery::platform::testing {

// One shared log of "name:event" strings.
using Log = std::vector<std::string>;

inline std::string Describe(const Message& m) {
  switch (m.type) {
    case MsgType::Create: return "create";
    case MsgType::Destroy: return "destroy";
    case MsgType::Close: return "close";
    case MsgType::Paint: return "paint";
    case MsgType::Command: return "command " + std::to_string(m.id);
    case MsgType::TapDown: return "down " + std::to_string(m.pos.x) + "," + std::to_string(m.pos.y);
    case MsgType::TapMove: return "move " + std::to_string(m.pos.x) + "," + std::to_string(m.pos.y);
    case MsgType::TapUp: return "up " + std::to_string(m.pos.x) + "," + std::to_string(m.pos.y);
    case MsgType::Key: return "key " + std::to_string(m.code) + "/" + std::to_string(m.value);
    case MsgType::Char: return "char " + std::to_string(m.code);
    case MsgType::Scroll: return "scroll " + std::to_string(m.code) + " " + std::to_string(m.value);
    case MsgType::SetFocus: return "setfocus";
    case MsgType::KillFocus: return "killfocus";
    case MsgType::Notify: return "notify " + std::to_string(m.code) + " " + std::to_string(m.value);
    case MsgType::InitDialog: return "initdialog";
  }
  return "?";
}

class Recorder : public Window {
 public:
  Recorder(std::string name, const Rect& frame, Log& log, bool logPaint = false)
      : Window(0, frame), name_(std::move(name)), log_(log), logPaint_(logPaint) {}
  Recorder(int id, std::string name, const Rect& frame, Log& log, bool logPaint = false)
      : Window(id, frame), name_(std::move(name)), log_(log), logPaint_(logPaint) {}

  int OnMessage(const Message& m) override {
    if (m.type != MsgType::Paint || logPaint_) log_.push_back(name_ + ":" + Describe(m));
    if (m.type == MsgType::Key && handleKeys) return 1;
    return Window::OnMessage(m);
  }
  bool handleKeys = false;

 private:
  std::string name_;
  Log& log_;
  bool logPaint_;
};

}  // namespace orrery::platform::testing
