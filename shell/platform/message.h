// Messages: what windows receive, from the queue or sent directly.
#pragma once

#include <cstdint>

#include "shell/platform/geometry.h"

namespace orrery::platform {

class DrawContext;
class Window;

enum class MsgType : uint8_t {
  Create,     // the window is in the tree; create children here
  Destroy,    // the window leaves the tree; children get theirs after it
  Close,      // request to close (navigation bar, host window); default: Destroy
  Paint,      // dc: draws on the window, clipped to what needs painting
  Command,    // id: command id; code: CommandCode; source: control or nullptr
  TapDown,    // pos: stylus position in the window's coordinates
  TapMove,    //   (moves and the lift go to the window that got the TapDown)
  TapUp,
  Key,        // code: Key; value: KeyModifier bits
  Char,       // code: one UTF-16 unit of typed text
  Scroll,     // id, source: the scroll bar; code: ScrollAction; value: position
  SetFocus,   // the window got the keyboard focus
  KillFocus,  // the window lost it
  Notify,     // id, source: the control; code: the control's notification; value: item
  InitDialog, // a dialog's controls exist: fill them in (dialog.h)
};

// Command message codes (the Win32 WM_COMMAND high word).
enum CommandCode : int {
  kFromMenu = 0,         // menu item, button press (BN_CLICKED)
  kFromAccelerator = 1,  // accelerator key
};

// Standard command ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Keys of Key messages: letters and digits are their upper-case ASCII codes,
// the others these values.
enum Key : int {
  kKeyNone = 0,
  kKeyBack = 0x100,
  kKeyTab,
  kKeyEnter,
  kKeyEscape,
  kKeySpace,
  kKeyPageUp,
  kKeyPageDown,
  kKeyEnd,
  kKeyHome,
  kKeyLeft,
  kKeyUp,
  kKeyRight,
  kKeyDown,
  kKeyDelete,
};

enum KeyModifier : int { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

// Scroll bar actions, in the order of the Win32 SB_ codes.
enum class ScrollAction : int {
  LineUp,
  LineDown,
  PageUp,
  PageDown,
  ThumbPosition,  // value: the position where the thumb was let go
  ThumbTrack,     // value: the position while the thumb is dragged
  Top,
  Bottom,
  EndScroll,
};

struct Message {
  MsgType type = MsgType::Create;
  int id = 0;
  int code = 0;
  int value = 0;
  Point pos;
  Window* source = nullptr;
  DrawContext* dc = nullptr;
  uint32_t time = 0;  // input messages: milliseconds on the host's input clock

  static Message Command(int id, int code = kFromMenu, Window* source = nullptr) {
    return {MsgType::Command, id, code, 0, {}, source, nullptr, 0};
  }
  static Message Notify(Window* source, int id, int code, int value = 0) {
    return {MsgType::Notify, id, code, value, {}, source, nullptr, 0};
  }
  static Message Of(MsgType type) { return {type, 0, 0, 0, {}, nullptr, nullptr, 0}; }
};

}  // namespace orrery::platform
