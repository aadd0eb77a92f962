#include "shell/platform/scroll_bar.h"

#include <algorithm>

#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kMinThumb = 8;

}  // namespace

ScrollBar::ScrollBar(int id, const Rect& frame) : Window(id, frame) {
  SetBackground(theme::kFace);
}

int ScrollBar::MaxPosition() const {
  return std::max(min_, page_ > 0 ? max_ - page_ + 1 : max_);
}

void ScrollBar::SetInfo(int min, int max, int page, int pos, bool redraw) {
  min_ = min;
  max_ = std::max(min, max);
  page_ = std::clamp(page, 0, max_ - min_ + 1);
  SetPosition(pos, redraw);
  if (redraw) Invalidate();
}

int ScrollBar::SetPosition(int pos, bool redraw) {
  pos = std::clamp(pos, min_, MaxPosition());
  if (pos != pos_) {
    pos_ = pos;
    if (redraw) Invalidate();
  }
  return pos_;
}

Rect ScrollBar::UpArrow() const { return {0, 0, Frame().Width(), std::min(kWidth, Frame().Height() / 2)}; }

Rect ScrollBar::DownArrow() const {
  const int h = Frame().Height();
  return {0, std::max(h - kWidth, h / 2), Frame().Width(), h};
}

Rect ScrollBar::Track() const { return {0, UpArrow().bottom, Frame().Width(), DownArrow().top}; }

Rect ScrollBar::Thumb() const {
  const Rect track = Track();
  const int span = max_ - min_ + 1;
  const int positions = MaxPosition() - min_;
  if (track.Height() < kMinThumb || positions <= 0) return {};
  int length = page_ > 0 ? int(int64_t(track.Height()) * page_ / span) : kMinThumb;
  length = std::clamp(length, kMinThumb, track.Height());
  const int top = track.top + int(int64_t(track.Height() - length) * (pos_ - min_) / positions);
  return {0, top, Frame().Width(), top + length};
}

int ScrollBar::PositionAtThumbTop(int y) const {
  const Rect track = Track();
  const int room = track.Height() - Thumb().Height();
  const int positions = MaxPosition() - min_;
  if (room <= 0) return pos_;
  const int offset = std::clamp(y - track.top, 0, room);
  // Nearest position to the thumb's place.
  return min_ + int((int64_t(offset) * positions + room / 2) / room);
}

void ScrollBar::Notify(ScrollAction action, int value) {
  if (!Parent()) return;
  Message m = Message::Of(MsgType::Scroll);
  m.id = Id();
  m.code = int(action);
  m.value = value;
  m.source = this;
  Parent()->Send(m);
}

void ScrollBar::Paint(DrawContext& dc) {
  dc.SelectPen({theme::kShadow});
  dc.SelectBrush({theme::kBackground});
  auto arrow = [&](const Rect& r, bool up, bool pressed) {
    dc.SelectBrush({pressed ? theme::kFace : theme::kBackground});
    dc.Rectangle(r);
    const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    for (int k = 0; k < 4; ++k) {
      const int row = up ? cy - 2 + k : cy + 1 - k;
      dc.FillRect({cx - k, row, cx + k + 1, row + 1}, theme::kText);
    }
  };
  arrow(UpArrow(), true, pressed_ == Part::Up);
  arrow(DownArrow(), false, pressed_ == Part::Down);
  const Rect thumb = Thumb();
  if (!thumb.Empty()) {
    dc.SelectBrush({theme::kBackground});
    dc.SelectPen({theme::kText});
    dc.Rectangle(thumb);
  }
}

int ScrollBar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown: {
      const Rect thumb = Thumb();
      if (UpArrow().Contains(m.pos)) {
        pressed_ = Part::Up;
        Notify(ScrollAction::LineUp);
      } else if (DownArrow().Contains(m.pos)) {
        pressed_ = Part::Down;
        Notify(ScrollAction::LineDown);
      } else if (thumb.Contains(m.pos)) {
        pressed_ = Part::Thumb;
        dragOffset_ = m.pos.y - thumb.top;
        dragPos_ = pos_;
      } else if (!thumb.Empty() && m.pos.y < thumb.top) {
        pressed_ = Part::PageUp;
        Notify(ScrollAction::PageUp);
      } else if (!thumb.Empty()) {
        pressed_ = Part::PageDown;
        Notify(ScrollAction::PageDown);
      }
      Invalidate();
      return 0;
    }
    case MsgType::TapMove:
      if (pressed_ == Part::Thumb) {
        const int p = PositionAtThumbTop(m.pos.y - dragOffset_);
        if (p != dragPos_) {
          dragPos_ = p;
          Notify(ScrollAction::ThumbTrack, p);
        }
      }
      return 0;
    case MsgType::TapUp:
      if (pressed_ == Part::None) return 0;
      if (pressed_ == Part::Thumb) Notify(ScrollAction::ThumbPosition, PositionAtThumbTop(m.pos.y - dragOffset_));
      pressed_ = Part::None;
      Invalidate();
      Notify(ScrollAction::EndScroll);
      return 0;
    case MsgType::Key: {
      static constexpr struct {
        int key;
        ScrollAction action;
      } kKeys[] = {{kKeyUp, ScrollAction::LineUp},     {kKeyDown, ScrollAction::LineDown},
                   {kKeyPageUp, ScrollAction::PageUp}, {kKeyPageDown, ScrollAction::PageDown},
                   {kKeyHome, ScrollAction::Top},      {kKeyEnd, ScrollAction::Bottom}};
      for (const auto& k : kKeys) {
        if (k.key == m.code && m.value == 0) {
          Notify(k.action);
          Notify(ScrollAction::EndScroll);
          return 1;
        }
      }
      return Window::OnMessage(m);
    }
    default:
      return Window::OnMessage(m);
  }
}

int ScrolledTop(ScrollAction action, int top, int page, int rows, int value) {
  switch (action) {
    case ScrollAction::LineUp: return top - 1;
    case ScrollAction::LineDown: return top + 1;
    case ScrollAction::PageUp: return top - page;
    case ScrollAction::PageDown: return top + page;
    case ScrollAction::ThumbTrack:
    case ScrollAction::ThumbPosition: return value;
    case ScrollAction::Top: return 0;
    case ScrollAction::Bottom: return rows;
    case ScrollAction::EndScroll: break;
  }
  return top;
}

}  // namespace orrery::platform
