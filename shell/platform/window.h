// Windows: a tree of rectangles that paint themselves and handle messages.
//
// Ownership: a parent owns its children (Add creates them); top-level windows
// are children of the desktop's root. Destroy() takes a window out of the
// tree at once; its memory is freed when no message handler is running, so a
// handler may destroy its own window and return normally.
//
// Geometry: Frame() is in the parent's coordinates (screen coordinates for a
// top-level window); messages and painting use the window's own coordinates,
// (0, 0) at its top-left corner. A child is clipped to its parent.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/platform/geometry.h"
#include "shell/platform/message.h"

namespace orrery::platform {

class Desktop;

// Style bits.
enum WindowStyle : unsigned {
  kStyleTitled = 1,    // the navigation bar shows its text while it is the active window
  kStyleOkButton = 2,  // the navigation bar shows OK (command kIdOk) while it is active
  kStyleTopmost = 4,   // stays above windows without this style (menus, tips)
  kStyleTabStop = 8,   // a control that takes the focus by Tab in a dialog
};

class Window {
 public:
  Window(int id, const Rect& frame);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The window procedure. Overrides handle what they need and pass the rest
  // to Window::OnMessage, whose default: Key and Char go up to the parent;
  // Close destroys the window; everything else returns 0.
  virtual int OnMessage(const Message& m);

  // Handles m now and returns the handler's result (0 for a window that is
  // no longer in a tree).
  int Send(const Message& m);
  // Queues m for this window.
  void Post(const Message& m);

  // Creates a child of type W from the arguments, adds it on top of its
  // siblings and sends it Create.
  template <class W, class... Args>
  W& Add(Args&&... args) {
    auto w = std::make_unique<W>(std::forward<Args>(args)...);
    W& ref = *w;
    Attach(std::move(w));
    return ref;
  }
  // Adds an existing window as the topmost child and sends it Create.
  Window& AddChild(std::unique_ptr<Window> child) {
    Window& ref = *child;
    Attach(std::move(child));
    return ref;
  }
  // Sends Destroy to this window, then its children and the windows it owns;
  // takes it out of the tree.
  void Destroy();
  bool Alive() const { return desktop_ != nullptr; }

  Window* Parent() const { return parent_; }
  // The child with this id, searched depth-first through the whole subtree.
  Window* Child(int id) const;
  const std::vector<std::unique_ptr<Window>>& Children() const { return children_; }
  // The ancestor that is a top-level window (this one when it is one).
  Window& TopLevel();
  Desktop* GetDesktop() const { return desktop_; }

  // Owner of a top-level window: where a menu bar sends its commands, and
  // the window a modal loop keeps from input; destroyed along with it.
  Window* Owner() const { return owner_; }
  void SetOwner(Window* owner) { owner_ = owner; }
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);

  int Id() const { return id_; }
  const Rect& Frame() const { return frame_; }
  Rect ClientRect() const { return {0, 0, frame_.Width(), frame_.Height()}; }
  Rect ScreenRect() const;
  Point ToScreen(Point p) const;
  Point FromScreen(Point p) const;
  void Move(const Rect& frame);

  // Own visibility flag; IsShown also needs every ancestor visible.
  bool Visible() const { return visible_; }
  bool IsShown() const;
  void Show(bool visible);
  bool Enabled() const { return enabled_; }
  // Enabled with every ancestor: only such windows receive taps.
  bool IsEnabled() const;
  void Enable(bool enabled);

  const std::u16string& Text() const { return text_; }
  // Changes the text and repaints the window when it changed.
  void SetText(std::u16string_view text);

  void Focus();
  bool HasFocus() const;

  // Marks all or part (window coordinates) of the window for painting; with
  // erase its background is filled before Paint.
  void Invalidate(bool erase = true);
  void InvalidateRect(const Rect& r, bool erase = true);
  // Background colour filled under Paint where erasing; none: left as is.
  std::optional<Colour> Background() const { return background_; }
  void SetBackground(std::optional<Colour> c) { background_ = c; }

 private:
  friend class Desktop;
  void Attach(std::unique_ptr<Window> child);
  void SetDesktopRecursive(Desktop* d);
  void SendDestroyRecursive();

  int id_;
  Rect frame_;
  std::u16string text_;
  bool visible_ = true;
  bool enabled_ = true;
  unsigned style_ = 0;
  std::optional<Colour> background_ = kWhite;
  Window* parent_ = nullptr;
  Window* owner_ = nullptr;
  Desktop* desktop_ = nullptr;
  std::vector<std::unique_ptr<Window>> children_;
};

}  // namespace orrery::platform
