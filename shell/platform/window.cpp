#include "shell/platform/window.h"

#include "shell/platform/desktop.h"

namespace orrery::platform {

Window::Window(int id, const Rect& frame) : id_(id), frame_(frame) {}

Window::~Window() = default;

int Window::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Key:
    case MsgType::Char:
      return parent_ && parent_->parent_ ? parent_->Send(m) : 0;
    case MsgType::Close:
      Destroy();
      return 0;
    default:
      return 0;
  }
}

int Window::Send(const Message& m) {
  if (!desktop_) return 0;
  Desktop& d = *desktop_;
  ++d.dispatchDepth_;
  const int result = OnMessage(m);
  --d.dispatchDepth_;
  return result;
}

void Window::Post(const Message& m) {
  if (desktop_) desktop_->Post(*this, m);
}

void Window::SetDesktopRecursive(Desktop* d) {
  desktop_ = d;
  for (auto& c : children_) c->SetDesktopRecursive(d);
}

namespace {

// Create for w, then for the children it had before (those it makes in its
// own Create handler get theirs as they are added).
void SendCreate(Window& w) {
  std::vector<Window*> before;
  for (auto& c : w.Children()) before.push_back(c.get());
  w.Send(Message::Of(MsgType::Create));
  for (Window* c : before) {
    if (c->Alive()) SendCreate(*c);
  }
}

}  // namespace

void Window::Attach(std::unique_ptr<Window> child) {
  Window& w = *child;
  w.parent_ = this;
  auto pos = children_.end();
  if (!parent_ && !(w.style_ & kStyleTopmost)) {
    // Top-level windows without the topmost style go below the topmost ones.
    pos = std::find_if(children_.begin(), children_.end(),
                       [](const auto& c) { return c->style_ & kStyleTopmost; });
  }
  children_.insert(pos, std::move(child));
  if (!desktop_) return;
  w.SetDesktopRecursive(desktop_);
  if (w.IsShown()) desktop_->InvalidateScreen(w.ScreenRect());
  SendCreate(w);
}

void Window::SendDestroyRecursive() {
  Send(Message::Of(MsgType::Destroy));
  for (size_t i = 0; i < children_.size(); ++i) children_[i]->SendDestroyRecursive();
}

void Window::Destroy() {
  if (!desktop_ || !parent_) return;
  Desktop& d = *desktop_;
  // Owned top-level windows go first.
  for (bool found = true; found;) {
    found = false;
    for (auto& c : d.root_->children_) {
      if (c->owner_ == this && c->Alive()) {
        c->Destroy();
        found = true;
        break;
      }
    }
  }
  if (!desktop_) return;  // a handler above destroyed this window already
  if (IsShown()) d.InvalidateScreen(ScreenRect());
  SendDestroyRecursive();
  if (!desktop_ || !parent_) return;
  auto& siblings = parent_->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(),
                         [this](const auto& c) { return c.get() == this; });
  if (it == siblings.end()) return;
  std::unique_ptr<Window> self = std::move(*it);
  siblings.erase(it);
  d.OnWindowGone(*this);
  SetDesktopRecursive(nullptr);
  parent_ = nullptr;
  d.destroyed_.push_back(std::move(self));
}

Window* Window::Child(int id) const {
  for (auto& c : children_) {
    if (c->id_ == id) return c.get();
    if (Window* w = c->Child(id)) return w;
  }
  return nullptr;
}

Window& Window::TopLevel() {
  Window* w = this;
  while (w->parent_ && w->parent_->parent_) w = w->parent_;
  return *w;
}

void Window::SetStyle(unsigned style) { style_ = style; }

Rect Window::ScreenRect() const {
  const Point o = ToScreen({0, 0});
  return Rect::At(o.x, o.y, frame_.Width(), frame_.Height());
}

Point Window::ToScreen(Point p) const {
  for (const Window* w = this; w; w = w->parent_) {
    p.x += w->frame_.left;
    p.y += w->frame_.top;
  }
  return p;
}

Point Window::FromScreen(Point p) const {
  const Point o = ToScreen({0, 0});
  return {p.x - o.x, p.y - o.y};
}

void Window::Move(const Rect& frame) {
  if (frame == frame_) return;
  const bool shown = desktop_ && IsShown();
  if (shown) desktop_->InvalidateScreen(ScreenRect());
  frame_ = frame;
  if (shown) desktop_->InvalidateScreen(ScreenRect());
}

bool Window::IsShown() const {
  for (const Window* w = this; w; w = w->parent_) {
    if (!w->visible_) return false;
  }
  return true;
}

void Window::Show(bool visible) {
  if (visible == visible_) return;
  const bool wasShown = desktop_ && IsShown();
  visible_ = visible;
  if (!desktop_) return;
  if (wasShown || IsShown()) desktop_->InvalidateScreen(ScreenRect());
}

bool Window::IsEnabled() const {
  for (const Window* w = this; w; w = w->parent_) {
    if (!w->enabled_) return false;
  }
  return true;
}

void Window::Enable(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

void Window::SetText(std::u16string_view text) {
  if (text == text_) return;
  text_ = std::u16string(text);
  Invalidate();
}

void Window::Focus() {
  if (desktop_) desktop_->SetFocus(this);
}

bool Window::HasFocus() const { return desktop_ && desktop_->Focus() == this; }

void Window::Invalidate(bool erase) { InvalidateRect(ClientRect(), erase); }

void Window::InvalidateRect(const Rect& r, bool erase) {
  if (!desktop_ || !IsShown()) return;
  Rect visible = r.Intersect(ClientRect());
  const Point o = ToScreen({0, 0});
  desktop_->InvalidateScreen(visible.Offset(o.x, o.y), erase);
}

}  // namespace orrery::platform
