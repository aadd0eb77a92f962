#include "shell/platform/edit.h"

#include <algorithm>

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kMargin = 3;  // frame plus inner space before the text

}  // namespace

Edit::Edit(int id, const Rect& frame, int limit, bool numbersOnly)
    : Window(id, frame), limit_(limit), numbersOnly_(numbersOnly) {
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

void Edit::Clamp() {
  const int size = int(Text().size());
  caret_ = std::clamp(caret_, 0, size);
  anchor_ = std::clamp(anchor_, 0, size);
}

void Edit::Select(int start, int end) {
  anchor_ = start;
  caret_ = end;
  Clamp();
  ScrollToCaret();
  Invalidate();
}

void Edit::MoveCaret(int to, bool extend) {
  caret_ = to;
  if (!extend) anchor_ = to;
  Clamp();
  ScrollToCaret();
  Invalidate();
}

void Edit::ScrollToCaret() {
  const Font font = theme::ControlFont();
  const int room = Frame().Width() - 2 * kMargin;
  const int x = font.Extent(std::u16string_view(Text()).substr(0, size_t(caret_))).width;
  if (x - scroll_ > room) scroll_ = x - room;
  if (x < scroll_) scroll_ = x;
  scroll_ = std::max(0, std::min(scroll_, font.Extent(Text()).width - room + 1));
}

int Edit::IndexAt(int x) const {
  const Font font = theme::ControlFont();
  std::vector<int> extents;
  font.FitCount(Text(), 1 << 30, &extents);
  const int target = x - kMargin + scroll_;
  int best = 0, previous = 0;
  for (size_t i = 0; i < extents.size(); ++i) {
    // The boundary after character i is nearer when past its middle.
    if (target >= (previous + extents[i] + 1) / 2) best = int(i) + 1;
    previous = extents[i];
  }
  return best;
}

void Edit::ReplaceSelection(std::u16string_view with) {
  Clamp();
  std::u16string text = Text();
  const int start = SelectionStart(), end = SelectionEnd();
  const int room = limit_ > 0 ? limit_ - (int(text.size()) - (end - start)) : int(with.size());
  with = with.substr(0, size_t(std::clamp(room, 0, int(with.size()))));
  if (with.empty() && start == end) return;
  text.replace(size_t(start), size_t(end - start), with);
  SetText(text);
  caret_ = anchor_ = start + int(with.size());
  ScrollToCaret();
  CommandToParent(*this, kEditChanged);
}

void Edit::Paint(DrawContext& dc) {
  Clamp();
  const Rect r = ClientRect();
  const bool enabled = IsEnabled();
  dc.SelectPen({enabled ? theme::kFrame : theme::kGreyText});
  dc.SelectBrush({enabled && !readOnly_ ? theme::kBackground : theme::kFace});
  dc.Rectangle(r);
  const Font font = theme::ControlFont();
  dc.SelectFont(font);
  DrawContext inner = dc.Clipped(r.Inset(1));
  inner.SetBackMode(BackMode::Transparent);
  const int x0 = kMargin - scroll_;
  const int top = (r.Height() - font.Height()) / 2;
  const std::u16string& text = Text();
  auto widthTo = [&](int n) { return font.Extent(std::u16string_view(text).substr(0, size_t(n))).width; };
  const bool focused = HasFocus();
  if (focused && SelectionStart() != SelectionEnd()) {
    inner.FillRect({x0 + widthTo(SelectionStart()), top, x0 + widthTo(SelectionEnd()), top + font.Height()},
                   theme::kHighlight);
  }
  inner.SetTextColour(enabled ? theme::kText : theme::kGreyText);
  inner.TextOut(x0, top, text);
  if (focused && SelectionStart() != SelectionEnd()) {
    // The selected part again, in the highlight's text colour.
    inner.SetTextColour(theme::kHighlightText);
    const std::u16string_view selected =
        std::u16string_view(text).substr(size_t(SelectionStart()), size_t(SelectionEnd() - SelectionStart()));
    inner.TextOut(x0 + widthTo(SelectionStart()), top, selected);
  }
  if (focused && !readOnly_) {
    const int cx = x0 + widthTo(caret_);
    inner.FillRect({cx, top, cx + 1, top + font.Height()}, theme::kText);
  }
}

int Edit::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      tapped_ = true;
      Focus();
      MoveCaret(IndexAt(m.pos.x), false);
      return 0;
    case MsgType::TapMove:
      MoveCaret(IndexAt(m.pos.x), true);
      return 0;
    case MsgType::SetFocus:
      if (!tapped_) SelectAll();
      tapped_ = false;
      Invalidate();
      return 0;
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key: {
      const bool shift = (m.value & kModShift) != 0;
      const int others = m.value & ~kModShift;
      if (others == 0) {
        switch (m.code) {
          case kKeyLeft:
            MoveCaret(!shift && SelectionStart() != SelectionEnd() ? SelectionStart() : caret_ - 1, shift);
            return 1;
          case kKeyRight:
            MoveCaret(!shift && SelectionStart() != SelectionEnd() ? SelectionEnd() : caret_ + 1, shift);
            return 1;
          case kKeyHome:
            MoveCaret(0, shift);
            return 1;
          case kKeyEnd:
            MoveCaret(int(Text().size()), shift);
            return 1;
          case kKeyBack:
          case kKeyDelete:
            if (readOnly_) return 1;
            if (SelectionStart() == SelectionEnd()) {
              const int to = m.code == kKeyBack ? caret_ - 1 : caret_ + 1;
              if (to < 0 || to > int(Text().size())) return 1;
              anchor_ = to;
            }
            ReplaceSelection(u"");
            Invalidate();
            return 1;
          default:
            break;
        }
      }
      return Window::OnMessage(m);
    }
    case MsgType::Char: {
      const char16_t c = char16_t(m.code);
      if (c < 0x20 || c == 0x7F) return Window::OnMessage(m);  // control characters go to the dialog
      if (readOnly_ || (numbersOnly_ && (c < u'0' || c > u'9'))) return 1;
      ReplaceSelection(std::u16string_view(&c, 1));
      Invalidate();
      return 1;
    }
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
