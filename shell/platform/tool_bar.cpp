#include "shell/platform/tool_bar.h"

#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"
#include "shell/platform/tool_tip.h"

namespace orrery::platform {

ToolBar::ToolBar(int id, const Rect& frame, Image strip, Size imageSize)
    : Window(id, frame), strip_(std::move(strip)), imageSize_(imageSize) {
  SetBackground(theme::kBackground);
}

void ToolBar::AddButtons(std::vector<ToolButton> buttons) {
  for (ToolButton& b : buttons) buttons_.push_back({std::move(b)});
  Invalidate();
}

ToolBar::State* ToolBar::Find(int command) {
  for (State& s : buttons_) {
    if (s.button.command == command) return &s;
  }
  return nullptr;
}

const ToolBar::State* ToolBar::Find(int command) const {
  return const_cast<ToolBar*>(this)->Find(command);
}

bool ToolBar::Check(int command, bool checked) {
  State* s = Find(command);
  if (!s) return false;
  if (s->checked != checked) {
    s->checked = checked;
    InvalidateRect(ButtonRect(command));
  }
  return true;
}

bool ToolBar::EnableButton(int command, bool enabled) {
  State* s = Find(command);
  if (!s) return false;
  if (s->enabled != enabled) {
    s->enabled = enabled;
    InvalidateRect(ButtonRect(command));
  }
  return true;
}

bool ToolBar::IsChecked(int command) const {
  const State* s = Find(command);
  return s && s->checked;
}

bool ToolBar::IsButtonEnabled(int command) const {
  const State* s = Find(command);
  return s && s->enabled;
}

Size ToolBar::ButtonSize() const {
  return {imageSize_.width + kButtonPadding, imageSize_.height + kButtonPadding};
}

Rect ToolBar::ButtonRect(int command) const {
  const Size b = ButtonSize();
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].button.command == command) return Rect::At(int(i) * b.width, kTopMargin, b.width, b.height);
  }
  return {};
}

int ToolBar::ButtonAt(Point local) const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (ButtonRect(buttons_[i].button.command).Contains(local)) return int(i);
  }
  return -1;
}

void ToolBar::Paint(DrawContext& dc) {
  dc.SelectBrush(Brush::Null());
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const State& s = buttons_[i];
    const Rect r = ButtonRect(s.button.command);
    const bool down = s.checked || int(i) == pressed_;
    if (down) {
      dc.FillRect(r, theme::kFace);
      dc.SelectPen({theme::kShadow});
      dc.Rectangle(r);
    }
    const Image picture = strip_.Crop(Rect::At(s.button.image * imageSize_.width, 0,
                                               imageSize_.width, imageSize_.height));
    const int x = r.left + (r.Width() - imageSize_.width) / 2 + (down ? 1 : 0);
    const int y = r.top + (r.Height() - imageSize_.height) / 2 + (down ? 1 : 0);
    if (s.enabled) {
      dc.DrawImage(picture, x, y);
    } else {
      // Faded: every visible pixel becomes light grey.
      Image faded(picture.Width(), picture.Height());
      for (int py = 0; py < picture.Height(); ++py) {
        for (int px = 0; px < picture.Width(); ++px) {
          faded.SetPixel(px, py, Rgb(192, 192, 192), picture.Alpha(px, py));
        }
      }
      dc.DrawImage(faded, x, y);
    }
  }
}

void ToolBar::ShowTip(int index) {
  HideTip();
  const std::u16string& tip = buttons_[index].button.tip;
  if (tip.empty()) return;
  const Rect r = ButtonRect(buttons_[index].button.command);
  tip_ = &GetDesktop()->Add<ToolTip>(tip, r.Offset(ToScreen({0, 0}).x, ToScreen({0, 0}).y));
  tip_->SetOwner(this);
}

void ToolBar::HideTip() {
  if (tip_) tip_->Destroy();
  tip_ = nullptr;
}

int ToolBar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown: {
      const int i = ButtonAt(m.pos);
      if (i < 0 || !buttons_[i].enabled) return 0;
      pressed_ = i;
      InvalidateRect(ButtonRect(buttons_[i].button.command));
      ShowTip(i);
      return 0;
    }
    case MsgType::TapUp: {
      if (pressed_ < 0) return 0;
      const int i = std::exchange(pressed_, -1);
      HideTip();
      State& s = buttons_[i];
      InvalidateRect(ButtonRect(s.button.command));
      if (ButtonAt(m.pos) != i || !s.enabled) return 0;
      if (s.button.checkStyle) s.checked = !s.checked;
      if (Parent()) Parent()->Send(Message::Command(s.button.command, kFromMenu, this));
      return 0;
    }
    case MsgType::Destroy:
      HideTip();
      return 0;
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
