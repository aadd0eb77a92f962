#include "shell/platform/multiline_edit.h"

#include <algorithm>

#include "shell/platform/draw_context.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/text_layout.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kMargin = 3;

}  // namespace

MultiLineEdit::MultiLineEdit(int id, const Rect& frame) : Window(id, frame) {
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

int MultiLineEdit::VisibleLines() const {
  return std::max(1, (Frame().Height() - 2 * kMargin) / theme::ControlFont().Height());
}

void MultiLineEdit::SetContent(std::u16string_view text) {
  if (limit_ > 0 && text.size() > size_t(limit_)) text = text.substr(0, size_t(limit_));
  SetText(text);
  top_ = 0;
  Layout();
  Invalidate();
}

void MultiLineEdit::Layout() {
  const Font font = theme::ControlFont();
  const int full = Frame().Width() - 2 * kMargin;
  lines_ = WrapText(font, Text(), full);
  const bool needed = int(lines_.size()) > VisibleLines();
  if (needed) {
    lines_ = WrapText(font, Text(), full - ScrollBar::kWidth);
    if (!bar_) {
      bar_ = &Add<ScrollBar>(0, Rect{Frame().Width() - 1 - ScrollBar::kWidth, 1, Frame().Width() - 1,
                                     Frame().Height() - 1});
    }
  }
  if (bar_) {
    bar_->Show(needed);
    bar_->SetInfo(0, std::max(0, int(lines_.size()) - 1), VisibleLines(), top_);
  }
}

void MultiLineEdit::ScrollTo(int line) {
  line = std::clamp(line, 0, std::max(0, int(lines_.size()) - VisibleLines()));
  if (line == top_) return;
  top_ = line;
  if (bar_) bar_->SetPosition(top_);
  Invalidate();
}

void MultiLineEdit::Paint(DrawContext& dc) {
  dc.SelectPen({theme::kFrame});
  dc.SelectBrush(Brush::Null());
  dc.Rectangle(ClientRect());
  const Font font = theme::ControlFont();
  dc.SelectFont(font);
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(theme::kText);
  for (int i = 0; i < VisibleLines() && top_ + i < int(lines_.size()); ++i) {
    dc.TextOut(kMargin, kMargin + i * font.Height(), lines_[size_t(top_ + i)]);
  }
}

int MultiLineEdit::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      Focus();
      return 0;
    case MsgType::Scroll:
      ScrollTo(ScrolledTop(ScrollAction(m.code), top_, VisibleLines(), int(lines_.size()), m.value));
      return 0;
    case MsgType::Key:
      if (m.value == 0) {
        switch (m.code) {
          case kKeyUp: ScrollTo(top_ - 1); return 1;
          case kKeyDown: ScrollTo(top_ + 1); return 1;
          case kKeyPageUp: ScrollTo(top_ - VisibleLines()); return 1;
          case kKeyPageDown: ScrollTo(top_ + VisibleLines()); return 1;
          case kKeyHome: ScrollTo(0); return 1;
          case kKeyEnd: ScrollTo(int(lines_.size())); return 1;
          default: break;
        }
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
