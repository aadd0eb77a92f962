#include "shell/platform/button.h"

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kBoxSize = 11;  // check box and radio mark

}  // namespace

Button::Button(int id, const Rect& frame, std::u16string_view text, ButtonKind kind, int group)
    : Window(id, frame), kind_(kind), group_(group) {
  SetText(text);
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

void Button::SetChecked(bool checked) {
  if (checked && group_ != 0 && Parent() && (kind_ == ButtonKind::Radio || kind_ == ButtonKind::Toggle)) {
    for (auto& sibling : Parent()->Children()) {
      auto* b = dynamic_cast<Button*>(sibling.get());
      if (b && b != this && b->group_ == group_ && b->checked_) {
        b->checked_ = false;
        b->Invalidate();
      }
    }
  }
  if (checked != checked_) {
    checked_ = checked;
    Invalidate();
  }
}

void Button::Press() {
  if (kind_ == ButtonKind::CheckBox) SetChecked(!checked_);
  if (kind_ == ButtonKind::Radio || kind_ == ButtonKind::Toggle) SetChecked(group_ != 0 || !checked_);
  CommandToParent(*this, kButtonClicked);
}

void Button::Paint(DrawContext& dc) {
  const Rect r = ClientRect();
  const bool enabled = IsEnabled();
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  const std::u16string text = theme::DisplayText(Text());
  if (kind_ == ButtonKind::CheckBox || kind_ == ButtonKind::Radio) {
    const Rect box = Rect::At(0, (r.Height() - kBoxSize) / 2, kBoxSize, kBoxSize);
    dc.SelectPen({enabled ? theme::kFrame : theme::kGreyText});
    dc.SelectBrush({pressed_ ? theme::kFace : theme::kBackground});
    const Colour ink = enabled ? theme::kText : theme::kGreyText;
    if (kind_ == ButtonKind::CheckBox) {
      dc.Rectangle(box);
      if (checked_) {
        dc.SelectPen({ink});
        for (int d = 0; d < 2; ++d) {
          const Point tick[] = {{box.left + 2, box.top + 4 + d}, {box.left + 4, box.top + 6 + d},
                                {box.left + 9, box.top + 1 + d}};
          dc.Polyline(tick);
        }
      }
    } else {
      dc.Ellipse(box);
      if (checked_) {
        dc.SelectPen({ink});
        dc.SelectBrush({ink});
        dc.Ellipse(box.Inset(3));
      }
    }
    dc.SetTextColour(ink);
    dc.DrawText(text, {kBoxSize + 4, 0, r.right, r.bottom}, kAlignLeft | kAlignMiddle);
    if (HasFocus()) dc.FillRect({kBoxSize + 4, r.bottom - 1, r.right, r.bottom}, theme::kShadow);
    return;
  }
  const bool down = pressed_ || (kind_ == ButtonKind::Toggle && checked_);
  dc.SelectPen({enabled ? theme::kFrame : theme::kGreyText});
  dc.SelectBrush({down ? theme::kHighlight : theme::kBackground});
  dc.Rectangle(r);
  if (kind_ == ButtonKind::Default || HasFocus()) {
    dc.SelectBrush(Brush::Null());
    dc.Rectangle(r.Inset(1));
  }
  dc.SetTextColour(!enabled ? theme::kGreyText : down ? theme::kHighlightText : theme::kText);
  dc.DrawText(text, r, kAlignCentre | kAlignMiddle);
}

int Button::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      pressed_ = true;
      Focus();
      Invalidate();
      return 0;
    case MsgType::TapUp:
      if (!pressed_) return 0;
      pressed_ = false;
      Invalidate();
      if (ClientRect().Contains(m.pos)) Press();
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key:
      if ((m.code == kKeySpace || (m.code == kKeyEnter && kind_ != ButtonKind::CheckBox && kind_ != ButtonKind::Radio)) &&
          m.value == 0) {
        Press();
        return 1;
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
