#include "shell/platform/track_bar.h"

#include <algorithm>

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kThumbWidth = 9;
constexpr int kThumbHeight = 16;
constexpr int kEnd = kThumbWidth / 2 + 3;  // channel inset at each end

}  // namespace

TrackBar::TrackBar(int id, const Rect& frame) : Window(id, frame) {
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

void TrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  std::erase_if(ticks_, [&](int t) { return t < min_ || t > max_; });
  SetPosition(pos_);
  Invalidate();
}

void TrackBar::SetPosition(int pos) {
  pos = std::clamp(pos, min_, max_);
  if (pos == pos_) return;
  pos_ = pos;
  Invalidate();
}

void TrackBar::SetTick(int value) {
  if (value < min_ || value > max_ || std::find(ticks_.begin(), ticks_.end(), value) != ticks_.end()) return;
  ticks_.push_back(value);
  Invalidate();
}

void TrackBar::ClearTicks() {
  ticks_.clear();
  Invalidate();
}

int TrackBar::XOf(int value) const {
  const int span = max_ - min_;
  const int length = Frame().Width() - 2 * kEnd;
  if (span <= 0) return kEnd;
  return kEnd + int((int64_t(value - min_) * length + span / 2) / span);
}

int TrackBar::ValueAt(int x) const {
  const int span = max_ - min_;
  const int length = std::max(1, Frame().Width() - 2 * kEnd);
  const int offset = std::clamp(x - kEnd, 0, length);
  return min_ + int((int64_t(offset) * span + length / 2) / length);
}

Rect TrackBar::Thumb() const {
  const int cx = XOf(pos_);
  return Rect::At(cx - kThumbWidth / 2, 2, kThumbWidth, kThumbHeight);
}

void TrackBar::UserMove(int pos) {
  pos = std::clamp(pos, min_, max_);
  if (pos == pos_) return;
  SetPosition(pos);
  NotifyParent(*this, kTrackPosition, pos_);
}

void TrackBar::Paint(DrawContext& dc) {
  const int channel = 2 + kThumbHeight / 2;
  dc.SelectPen({theme::kShadow});
  dc.SelectBrush({theme::kBackground});
  dc.Rectangle({kEnd - 2, channel - 2, Frame().Width() - kEnd + 3, channel + 2});
  const int tickTop = 2 + kThumbHeight + 2;
  for (int value : {min_, max_}) dc.FillRect(Rect::At(XOf(value), tickTop, 1, 4), theme::kText);
  for (int value : ticks_) dc.FillRect(Rect::At(XOf(value), tickTop, 1, 3), theme::kText);
  const Rect thumb = Thumb();
  dc.SelectPen({IsEnabled() ? theme::kFrame : theme::kGreyText});
  dc.SelectBrush({HasFocus() ? theme::kHighlight : theme::kFace});
  const Point shape[] = {{thumb.left, thumb.top},
                         {thumb.right - 1, thumb.top},
                         {thumb.right - 1, thumb.bottom - 5},
                         {thumb.left + kThumbWidth / 2, thumb.bottom - 1},
                         {thumb.left, thumb.bottom - 5}};
  dc.Polygon(shape);
}

int TrackBar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown: {
      Focus();
      const Rect thumb = Thumb();
      if (m.pos.x >= thumb.left && m.pos.x < thumb.right) {
        dragging_ = true;
      } else {
        UserMove(pos_ + (m.pos.x < thumb.left ? -page_ : page_));
      }
      return 0;
    }
    case MsgType::TapMove:
      if (dragging_) UserMove(ValueAt(m.pos.x));
      return 0;
    case MsgType::TapUp:
      if (dragging_) UserMove(ValueAt(m.pos.x));
      dragging_ = false;
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key:
      if (m.value == 0) {
        switch (m.code) {
          case kKeyLeft:
          case kKeyUp: UserMove(pos_ - line_); return 1;
          case kKeyRight:
          case kKeyDown: UserMove(pos_ + line_); return 1;
          case kKeyPageUp: UserMove(pos_ - page_); return 1;
          case kKeyPageDown: UserMove(pos_ + page_); return 1;
          case kKeyHome: UserMove(min_); return 1;
          case kKeyEnd: UserMove(max_); return 1;
          default: break;
        }
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
