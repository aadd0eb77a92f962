#include "shell/platform/list_view.h"

#include <algorithm>

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

ListView::ListView(int id, const Rect& frame, bool header) : Window(id, frame), header_(header) {
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

void ListView::AddColumn(std::u16string title, int width) {
  columns_.push_back({std::move(title), width});
  Invalidate();
}

int ListView::AddRow(std::vector<std::u16string> texts, intptr_t data) {
  rows_.push_back({std::move(texts), data});
  UpdateScrollBar();
  Invalidate();
  return int(rows_.size()) - 1;
}

bool ListView::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return false;
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) selected_ = -1;
  if (selected_ > row) --selected_;
  UpdateScrollBar();
  ScrollTo(top_);
  Invalidate();
  return true;
}

void ListView::Clear() {
  rows_.clear();
  selected_ = -1;
  top_ = 0;
  UpdateScrollBar();
  Invalidate();
}

const std::u16string& ListView::CellText(int row, int column) const {
  static const std::u16string kEmpty;
  if (row < 0 || row >= RowCount() || column < 0 || size_t(column) >= rows_[row].texts.size()) return kEmpty;
  return rows_[row].texts[column];
}

intptr_t ListView::RowData(int row) const {
  return row >= 0 && row < RowCount() ? rows_[row].data : -1;
}

int ListView::VisibleRows() const {
  return std::max(1, (Frame().Height() - 2 - HeaderHeight()) / kRowHeight);
}

void ListView::UpdateScrollBar() {
  const bool needed = RowCount() > VisibleRows();
  if (needed && !bar_) {
    bar_ = &Add<ScrollBar>(0, Rect{Frame().Width() - 1 - ScrollBar::kWidth, 1 + HeaderHeight(),
                                   Frame().Width() - 1, Frame().Height() - 1});
  }
  if (bar_) {
    bar_->Show(needed);
    bar_->SetInfo(0, std::max(0, RowCount() - 1), VisibleRows(), top_);
  }
}

void ListView::ScrollTo(int top) {
  top = std::clamp(top, 0, std::max(0, RowCount() - VisibleRows()));
  if (top == top_) return;
  top_ = top;
  if (bar_) bar_->SetPosition(top_);
  Invalidate();
}

void ListView::EnsureVisible(int row) {
  if (row < 0 || row >= RowCount()) return;
  if (row < top_) ScrollTo(row);
  if (row >= top_ + VisibleRows()) ScrollTo(row - VisibleRows() + 1);
}

void ListView::SetSelection(int row) {
  if (row < -1 || row >= RowCount()) return;
  selected_ = row;
  EnsureVisible(row);
  Invalidate();
}

void ListView::UserSelect(int row) {
  if (row == selected_) return;
  SetSelection(row);
  NotifyParent(*this, kListSelChanged, row);
}

Rect ListView::RowRect(int row) const {
  if (row < top_ || row >= top_ + VisibleRows() || row >= RowCount()) return {};
  const int y = 1 + HeaderHeight() + (row - top_) * kRowHeight;
  const int right = bar_ && bar_->Visible() ? bar_->Frame().left : Frame().Width() - 1;
  return {1, y, right, y + kRowHeight};
}

void ListView::Paint(DrawContext& dc) {
  dc.SelectPen({theme::kFrame});
  dc.SelectBrush(Brush::Null());
  dc.Rectangle(ClientRect());
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  const int right = bar_ && bar_->Visible() ? bar_->Frame().left : Frame().Width() - 1;
  auto cells = [&](const std::vector<std::u16string>& texts, int top, Colour ink) {
    int x = 1;
    for (size_t c = 0; c < std::max<size_t>(1, columns_.size()); ++c) {
      const int width = c < columns_.size() ? columns_[c].width : right - x;
      const Rect cell{x + 3, top, std::min(x + width, right) - 2, top + kRowHeight};
      DrawContext clip = dc.Clipped(cell);
      clip.SetTextColour(ink);
      if (c < texts.size()) clip.DrawText(texts[c], cell, kAlignLeft | kAlignMiddle);
      x += width;
    }
  };
  if (header_) {
    dc.FillRect({1, 1, right, 1 + kRowHeight}, theme::kFace);
    dc.FillRect({1, 1 + kRowHeight, right, 2 + kRowHeight}, theme::kShadow);
    std::vector<std::u16string> titles;
    for (const Column& c : columns_) titles.push_back(c.title);
    cells(titles, 1, theme::kText);
  }
  for (int row = top_; row < RowCount() && row < top_ + VisibleRows(); ++row) {
    const Rect r = RowRect(row);
    const bool lit = row == selected_;
    if (lit) dc.FillRect(r, HasFocus() || !header_ ? theme::kHighlight : theme::kShadow);
    cells(rows_[row].texts, r.top, lit ? theme::kHighlightText : theme::kText);
  }
}

int ListView::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown: {
      Focus();
      for (int row = top_; row < RowCount() && row < top_ + VisibleRows(); ++row) {
        if (!RowRect(row).Contains(m.pos)) continue;
        const bool doubleTap = row == lastTapRow_ && m.time - lastTapTime_ <= kDoubleTapMs;
        lastTapRow_ = row;
        lastTapTime_ = m.time;
        UserSelect(row);
        if (doubleTap) {
          lastTapRow_ = -1;
          NotifyParent(*this, kListDoubleTap, row);
        }
        return 0;
      }
      return 0;
    }
    case MsgType::Scroll:
      ScrollTo(ScrolledTop(ScrollAction(m.code), top_, VisibleRows(), RowCount(), m.value));
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key:
      if (m.value == 0 && (m.code == kKeyUp || m.code == kKeyDown) && RowCount() > 0) {
        const int step = m.code == kKeyUp ? -1 : 1;
        UserSelect(std::clamp(selected_ < 0 ? 0 : selected_ + step, 0, RowCount() - 1));
        return 1;
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
