#include "shell/platform/dialog.h"

#include <vector>

#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

DialogTemplate Registered(int id) {
  const DialogTemplate* t = FindDialog(id);
  return t ? *t : DialogTemplate{};
}

// The dialog's descendants that take the focus, in creation order.
void TabStops(Window& w, std::vector<Window*>& out) {
  for (auto& c : w.Children()) {
    if (!c->IsShown() || !c->IsEnabled()) continue;
    if (c->Style() & kStyleTabStop) {
      out.push_back(c.get());
    } else {
      TabStops(*c, out);
    }
  }
}

}  // namespace

Dialog::Dialog(DialogTemplate t)
    : Window(0, t.style & kDialogFullScreen ? kWorkArea : t.frame), template_(std::move(t)) {
  SetStyle(kStyleTitled | ((template_.style & kDialogOkButton) ? unsigned(kStyleOkButton) : 0u));
  SetText(template_.title);
  SetBackground(theme::kBackground);
}

Dialog::Dialog(int templateId) : Dialog(Registered(templateId)) {}

void Dialog::End(int code) {
  Window* parent = Parent();
  if (parent && parent->Parent() && (code == kIdOk || code == kIdCancel)) {
    parent->Send(Message::Command(code, kFromMenu, this));  // a page: the sheet decides
    return;
  }
  if (GetDesktop()) GetDesktop()->EndModal(*this, code);
}

void Dialog::MoveFocus(bool forward) {
  std::vector<Window*> stops;
  TabStops(*this, stops);
  if (stops.empty()) return;
  Desktop& d = *GetDesktop();
  auto it = std::find(stops.begin(), stops.end(), d.Focus());
  size_t next = 0;
  if (it != stops.end()) {
    const size_t i = size_t(it - stops.begin());
    next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
  } else if (!forward) {
    next = stops.size() - 1;
  }
  stops[next]->Focus();
}

int Dialog::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Create: {
      for (const ControlTemplate& c : template_.controls) CreateControl(*this, c);
      Send(Message::Of(MsgType::InitDialog));
      Window* focus = GetDesktop()->Focus();
      bool inside = false;
      for (Window* w = focus; w; w = w->Parent()) inside = inside || w == this;
      if (!inside && IsShown()) MoveFocus(true);
      return 0;
    }
    case MsgType::Command:
      if (m.id == kIdOk || m.id == kIdCancel) {
        End(m.id);
        return 1;
      }
      return 0;
    case MsgType::Key:
      if (m.code == kKeyTab && (m.value & ~kModShift) == 0) {
        MoveFocus((m.value & kModShift) == 0);
        return 1;
      }
      if (m.value == 0 && (m.code == kKeyEnter || m.code == kKeyEscape)) {
        Send(Message::Command(m.code == kKeyEnter ? kIdOk : kIdCancel));
        return 1;
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
