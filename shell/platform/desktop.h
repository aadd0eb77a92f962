// The desktop: the 240 x 320 Pocket PC screen, its windows, the message
// queue, input routing, painting and the message loops.
//
// Screen layout: the navigation bar (title and OK button) takes the top
// 26 pixels; top-level windows normally use the work area below it, and a
// menu bar the bottom 26 pixels.
//
// The message loop takes, in order: a queued message; else, when part of
// the screen is invalid, a paint of every window over that part (bottom to
// top, parents before children) and a Present to the host; else the next
// input from the host. Input is routed when its message is taken: taps to
// the window that holds the stylus grab, else to the topmost enabled window
// under the stylus, which then receives the moves and the lift; keys and
// characters to the focus window (Key and Char go on to the parents while
// unhandled), after the accelerator table.
//
// Modal loops nest on the same queue. While a window runs modally, taps on
// windows below it in the z-order are dropped, and the loop ends when
// EndModal is called, the window is destroyed, or a quit is posted.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "shell/platform/message.h"
#include "shell/platform/surface.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class Host;
class NavBar;

inline constexpr int kScreenWidth = 240;
inline constexpr int kScreenHeight = 320;
inline constexpr int kNavBarHeight = 26;
inline constexpr int kMenuBarHeight = 26;
inline constexpr Rect kWorkArea{0, kNavBarHeight, kScreenWidth, kScreenHeight};
inline constexpr Rect kMenuBarArea{0, kScreenHeight - kMenuBarHeight, kScreenWidth, kScreenHeight};

// A key combination that becomes a command for a window.
struct Accelerator {
  int key = kKeyNone;
  int modifiers = 0;
  int command = 0;
};

class Desktop {
 public:
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Surface& Screen() { return screen_; }
  Window& Root() { return *root_; }
  NavBar& NavigationBar() { return *navBar_; }
  // Adds a top-level window (frame in screen coordinates) above the others.
  template <class W, class... Args>
  W& Add(Args&&... args) {
    return root_->Add<W>(std::forward<Args>(args)...);
  }

  void SetHost(Host* host) { host_ = host; }
  // The program's main window: it receives Close when the host ends.
  void SetMainWindow(Window* w) { main_ = w; }
  Window* MainWindow() const { return main_; }
  // Key combinations turned into Command messages (code kFromAccelerator)
  // for target while its top-level window is the active one.
  void SetAccelerators(Window& target, std::vector<Accelerator> table);

  // Queue.
  void Post(Window& target, const Message& m);
  // Ends every running message loop; Run returns code.
  void PostQuit(int code);
  bool QuitPosted() const { return quitPosted_; }

  // Message loops. Run: until a quit; returns its code. RunModal: until
  // EndModal(w, code), w's destruction (returns kIdCancel) or a quit
  // (returns -1). The window stays in place; the caller destroys it.
  int Run();
  int RunModal(Window& w);
  void EndModal(Window& w, int code);
  // Handles queued messages and paints until nothing is left, without
  // asking for input.
  void ProcessPending();
  // A modal loop runs (a dialog or message box is open).
  bool ModalRunning() const { return !modal_.empty(); }

  // Input, in screen coordinates; queued like any message. Hosts set the
  // input clock first (SetInputTime); it stamps the input's messages.
  void SetInputTime(uint32_t ms) { inputTime_ = ms; }
  void InjectTap(MsgType kind, Point screen);
  void InjectKey(int key, int modifiers = 0);
  void InjectChar(char16_t c);
  // Asks the program to end: Close to the main window, or a quit when there
  // is none.
  void RequestClose();

  // Focus and stylus.
  Window* Focus() const { return focus_; }
  void SetFocus(Window* w);
  // While set, every tap goes to w (coordinates relative to w, possibly
  // outside it): menus use this to close when tapped beside.
  void SetTapGrab(Window* w) { grab_ = w; }
  Window* TapGrab() const { return grab_; }

  // The topmost shown titled top-level window: its text is the title in the
  // navigation bar.
  Window* ActiveWindow() const;
  // The input panel (soft keyboard) state asked for by the program; the host
  // keyboard stands in for it either way.
  bool InputPanelUp() const { return inputPanelUp_; }
  void SetInputPanel(bool up) { inputPanelUp_ = up; }

  // Painting.
  void InvalidateScreen(const Rect& r, bool erase = true);
  bool NeedsPaint() const { return !dirty_.Empty(); }
  // No message is queued and nothing needs painting.
  bool Idle() const { return queue_.empty() && dirty_.Empty(); }
  void Paint();
  // Window under a screen point that accepts taps (shown and enabled,
  // not below the running modal window), or nullptr.
  Window* WindowAt(Point screen);

 private:
  friend class Window;
  struct Pending {
    Window* target;  // nullptr for input still to be routed
    Message message;
  };
  struct ModalState {
    Window* window;
    bool ended = false;
    int code = 0;
  };

  // One step of a loop: a message, a paint or waiting for input.
  void Step();
  // Dispatches the first queued message, if any; false when the queue is empty.
  bool DispatchNext();
  void Dispatch(Pending p);
  void RouteTap(const Message& m);
  void RouteKey(const Message& m);
  Window* KeyTarget();
  bool Blocked(const Window& topLevel) const;
  void PaintTree(Window& w, const Rect& dirty, const Rect& parentClip, const Rect& erase);
  void OnWindowGone(Window& w);
  void FreeDestroyed();
  void UpdateNavBar();
  void InputEnded();

  Surface screen_;
  std::unique_ptr<Window> root_;
  NavBar* navBar_ = nullptr;
  Host* host_ = nullptr;
  Window* main_ = nullptr;
  Window* accelTarget_ = nullptr;
  std::vector<Accelerator> accelerators_;
  std::deque<Pending> queue_;
  std::vector<ModalState> modal_;
  std::vector<std::unique_ptr<Window>> destroyed_;
  Window* focus_ = nullptr;
  Window* grab_ = nullptr;
  Window* capture_ = nullptr;
  Rect dirty_;
  Rect eraseArea_;
  int dispatchDepth_ = 0;
  bool quitPosted_ = false;
  int quitCode_ = 0;
  bool inputPanelUp_ = false;
  bool inputEnded_ = false;
  uint32_t inputTime_ = 0;
};

}  // namespace orrery::platform
