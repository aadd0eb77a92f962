#include "shell/platform/desktop.h"

#include <algorithm>

#include "shell/platform/draw_context.h"
#include "shell/platform/host.h"
#include "shell/platform/nav_bar.h"

namespace orrery::platform {

Desktop::Desktop()
    : screen_(kScreenWidth, kScreenHeight),
      root_(std::make_unique<Window>(0, Rect{0, 0, kScreenWidth, kScreenHeight})) {
  root_->desktop_ = this;
  navBar_ = &Add<NavBar>();
  InvalidateScreen(screen_.Bounds());
}

Desktop::~Desktop() {
  // No handler runs any more: windows are freed without Destroy messages.
  root_->SetDesktopRecursive(nullptr);
  destroyed_.clear();
}

void Desktop::SetAccelerators(Window& target, std::vector<Accelerator> table) {
  accelTarget_ = &target;
  accelerators_ = std::move(table);
}

void Desktop::Post(Window& target, const Message& m) {
  if (target.Alive()) queue_.push_back({&target, m});
}

void Desktop::PostQuit(int code) {
  quitPosted_ = true;
  quitCode_ = code;
}

int Desktop::Run() {
  while (!quitPosted_) Step();
  if (modal_.empty()) quitPosted_ = false;  // the desktop may run again
  return quitCode_;
}

int Desktop::RunModal(Window& w) {
  const size_t index = modal_.size();
  modal_.push_back({&w});
  while (!modal_[index].ended && w.Alive() && !quitPosted_) Step();
  const ModalState state = modal_[index];
  modal_.resize(index);
  if (state.ended) return state.code;
  return quitPosted_ ? -1 : kIdCancel;
}

void Desktop::EndModal(Window& w, int code) {
  for (auto& m : modal_) {
    if (m.window == &w && !m.ended) {
      m.ended = true;
      m.code = code;
    }
  }
}

bool Desktop::DispatchNext() {
  if (queue_.empty()) return false;
  Pending p = queue_.front();
  queue_.pop_front();
  Dispatch(p);
  FreeDestroyed();
  return true;
}

void Desktop::ProcessPending() {
  for (;;) {
    if (DispatchNext()) continue;
    UpdateNavBar();
    if (!NeedsPaint()) break;
    Paint();
  }
}

void Desktop::Step() {
  if (DispatchNext()) return;
  UpdateNavBar();
  if (NeedsPaint()) {
    Paint();
    return;
  }
  if (!host_ || !host_->WaitInput(*this)) InputEnded();
}

void Desktop::InputEnded() {
  // First a clean close of the program; should it stay open, a quit.
  if (!inputEnded_ && main_ && main_->Alive()) {
    inputEnded_ = true;
    RequestClose();
    return;
  }
  PostQuit(0);
}

void Desktop::RequestClose() {
  if (main_ && main_->Alive()) {
    main_->Post(Message::Of(MsgType::Close));
  } else {
    PostQuit(0);
  }
}

void Desktop::InjectTap(MsgType kind, Point screen) {
  Message m = Message::Of(kind);
  m.pos = screen;
  m.time = inputTime_;
  queue_.push_back({nullptr, m});
}

void Desktop::InjectKey(int key, int modifiers) {
  Message m = Message::Of(MsgType::Key);
  m.code = key;
  m.value = modifiers;
  m.time = inputTime_;
  queue_.push_back({nullptr, m});
}

void Desktop::InjectChar(char16_t c) {
  Message m = Message::Of(MsgType::Char);
  m.code = c;
  m.time = inputTime_;
  queue_.push_back({nullptr, m});
}

void Desktop::Dispatch(Pending p) {
  if (p.target) {
    if (p.target->Alive()) p.target->Send(p.message);
    return;
  }
  switch (p.message.type) {
    case MsgType::TapDown:
    case MsgType::TapMove:
    case MsgType::TapUp:
      RouteTap(p.message);
      break;
    case MsgType::Key:
    case MsgType::Char:
      RouteKey(p.message);
      break;
    default:
      break;
  }
}

void Desktop::RouteTap(const Message& m) {
  Window* target = nullptr;
  if (m.type == MsgType::TapDown) {
    target = grab_ ? grab_ : WindowAt(m.pos);
    capture_ = target;
  } else {
    target = capture_ ? capture_ : grab_;
    if (m.type == MsgType::TapUp) capture_ = nullptr;
  }
  if (!target) return;
  Message local = m;
  local.pos = target->FromScreen(m.pos);
  target->Send(local);
}

void Desktop::RouteKey(const Message& m) {
  if (m.type == MsgType::Key && accelTarget_ && ActiveWindow() == &accelTarget_->TopLevel()) {
    for (const Accelerator& a : accelerators_) {
      if (a.key == m.code && a.modifiers == m.value) {
        accelTarget_->Send(Message::Command(a.command, kFromAccelerator));
        return;
      }
    }
  }
  if (Window* target = KeyTarget()) target->Send(m);
}

Window* Desktop::KeyTarget() {
  if (focus_ && focus_->IsShown() && !Blocked(focus_->TopLevel())) return focus_;
  if (!modal_.empty()) return modal_.back().window;
  if (Window* active = ActiveWindow()) return active;
  return main_;
}

bool Desktop::Blocked(const Window& topLevel) const {
  if (modal_.empty()) return false;
  const Window* modal = modal_.back().window;
  const auto& tops = root_->children_;
  auto indexOf = [&](const Window* w) {
    return std::find_if(tops.begin(), tops.end(), [w](const auto& c) { return c.get() == w; });
  };
  return indexOf(&topLevel) < indexOf(modal);
}

Window* Desktop::WindowAt(Point screen) {
  const auto& tops = root_->children_;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    Window* w = it->get();
    if (!w->visible_ || !w->ScreenRect().Contains(screen)) continue;
    if (Blocked(*w)) return nullptr;
    // Descend to the topmost shown child under the point.
    for (bool descended = true; descended;) {
      descended = false;
      for (auto c = w->children_.rbegin(); c != w->children_.rend(); ++c) {
        if ((*c)->visible_ && (*c)->ScreenRect().Contains(screen)) {
          w = c->get();
          descended = true;
          break;
        }
      }
    }
    return w->IsEnabled() ? w : nullptr;
  }
  return nullptr;
}

void Desktop::SetFocus(Window* w) {
  if (w == focus_) return;
  Window* old = focus_;
  focus_ = w;
  if (old && old->Alive()) {
    Message m = Message::Of(MsgType::KillFocus);
    m.source = w;
    old->Send(m);
  }
  if (w && w->Alive() && focus_ == w) {
    Message m = Message::Of(MsgType::SetFocus);
    m.source = old;
    w->Send(m);
  }
}

Window* Desktop::ActiveWindow() const {
  const auto& tops = root_->children_;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    if ((*it)->visible_ && ((*it)->style_ & kStyleTitled)) return it->get();
  }
  return nullptr;
}

void Desktop::UpdateNavBar() {
  const Window* active = ActiveWindow();
  navBar_->Sync(active ? std::u16string_view(active->Text()) : std::u16string_view(),
                active && (active->style_ & kStyleOkButton));
}

void Desktop::InvalidateScreen(const Rect& r, bool erase) {
  const Rect a = r.Intersect(screen_.Bounds());
  if (a.Empty()) return;
  dirty_ = dirty_.Union(a);
  if (erase) eraseArea_ = eraseArea_.Union(a);
}

void Desktop::Paint() {
  UpdateNavBar();
  const Rect dirty = dirty_;
  const Rect erase = eraseArea_;
  dirty_ = eraseArea_ = Rect{};
  if (dirty.Empty()) return;
  PaintTree(*root_, dirty, screen_.Bounds(), erase);
  if (host_) host_->Present(screen_, dirty);
}

void Desktop::PaintTree(Window& w, const Rect& dirty, const Rect& parentClip, const Rect& erase) {
  if (!w.visible_ || !w.Alive()) return;
  const Rect area = w.ScreenRect().Intersect(parentClip);
  const Rect clip = area.Intersect(dirty);
  if (clip.Empty()) return;
  if (w.background_) screen_.Fill(clip.Intersect(erase), *w.background_);
  DrawContext dc(screen_, w.ToScreen({0, 0}), clip);
  Message m = Message::Of(MsgType::Paint);
  m.dc = &dc;
  w.Send(m);
  // Index-based: a paint handler may show, hide or add windows.
  for (size_t i = 0; i < w.children_.size(); ++i) {
    PaintTree(*w.children_[i], dirty, area, erase);
  }
}

void Desktop::OnWindowGone(Window& w) {
  for (auto& c : w.children_) OnWindowGone(*c);
  if (focus_ == &w) focus_ = nullptr;
  if (grab_ == &w) grab_ = nullptr;
  if (capture_ == &w) capture_ = nullptr;
  if (main_ == &w) main_ = nullptr;
  if (accelTarget_ == &w) accelTarget_ = nullptr;
  std::erase_if(queue_, [&w](const Pending& p) { return p.target == &w || p.message.source == &w; });
}

void Desktop::FreeDestroyed() {
  // Not while a handler or a modal loop might still hold a destroyed window.
  if (dispatchDepth_ == 0 && modal_.empty()) destroyed_.clear();
}

}  // namespace orrery::platform
