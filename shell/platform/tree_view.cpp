#include "shell/platform/tree_view.h"

#include <algorithm>

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kBox = 9;

}  // namespace

TreeView::TreeView(int id, const Rect& frame) : Window(id, frame), items_(1) {
  items_[kTreeRoot].expanded = true;
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

int TreeView::AddItem(int parent, std::u16string text, intptr_t data, bool expandable) {
  if (parent != kTreeRoot && !Valid(parent)) return -1;
  Item item;
  item.text = std::move(text);
  item.data = data;
  item.parent = parent;
  item.depth = parent == kTreeRoot ? 0 : items_[parent].depth + 1;
  item.expandable = expandable;
  items_.push_back(std::move(item));
  const int handle = int(items_.size()) - 1;
  items_[parent].children.push_back(handle);
  UpdateScrollBar();
  Invalidate();
  return handle;
}

void TreeView::Clear() {
  items_.resize(1);
  items_[kTreeRoot].children.clear();
  selected_ = -1;
  top_ = 0;
  UpdateScrollBar();
  Invalidate();
}

const std::u16string& TreeView::ItemText(int item) const {
  static const std::u16string kEmpty;
  return Valid(item) ? items_[item].text : kEmpty;
}

intptr_t TreeView::ItemData(int item) const { return Valid(item) ? items_[item].data : -1; }
int TreeView::ParentOf(int item) const { return Valid(item) ? items_[item].parent : -1; }

const std::vector<int>& TreeView::ChildrenOf(int item) const {
  static const std::vector<int> kNone;
  return item == kTreeRoot || Valid(item) ? items_[item].children : kNone;
}

bool TreeView::IsExpanded(int item) const { return Valid(item) && items_[item].expanded; }

bool TreeView::HasBox(int item) const {
  if (!Valid(item)) return false;
  const Item& i = items_[item];
  return !i.children.empty() || (i.expandable && !i.askedChildren);
}

void TreeView::Expand(int item, bool expand) {
  if (!Valid(item) || items_[item].expanded == expand) return;
  if (expand && !items_[item].askedChildren) {
    items_[item].askedChildren = true;
    NotifyParent(*this, kTreeExpanding, item);
  }
  items_[item].expanded = expand && !items_[item].children.empty();
  // A collapsed branch cannot keep the selection hidden inside it.
  if (!expand) {
    for (int s = selected_; s > 0; s = items_[s].parent) {
      if (items_[s].parent == item) {
        selected_ = item;
        break;
      }
    }
  }
  UpdateScrollBar();
  ScrollTo(top_);
  Invalidate();
}

void TreeView::SetSelection(int item) {
  if (item != -1 && !Valid(item)) return;
  selected_ = item;
  for (int p = item > 0 ? items_[item].parent : kTreeRoot; p != kTreeRoot; p = items_[p].parent) {
    items_[p].expanded = true;
  }
  UpdateScrollBar();
  EnsureVisible(RowOf(item));
  Invalidate();
}

void TreeView::UserSelect(int item) {
  if (item == selected_) return;
  SetSelection(item);
  NotifyParent(*this, kTreeSelChanged, item);
}

std::vector<int> TreeView::VisibleItems() const {
  std::vector<int> out;
  std::vector<int> stack(items_[kTreeRoot].children.rbegin(), items_[kTreeRoot].children.rend());
  while (!stack.empty()) {
    const int item = stack.back();
    stack.pop_back();
    out.push_back(item);
    if (items_[item].expanded) {
      stack.insert(stack.end(), items_[item].children.rbegin(), items_[item].children.rend());
    }
  }
  return out;
}

int TreeView::RowOf(int item) const {
  const auto visible = VisibleItems();
  const auto it = std::find(visible.begin(), visible.end(), item);
  return it == visible.end() ? -1 : int(it - visible.begin());
}

int TreeView::VisibleRows() const { return std::max(1, (Frame().Height() - 2) / kRowHeight); }

void TreeView::UpdateScrollBar() {
  const int rows = int(VisibleItems().size());
  const bool needed = rows > VisibleRows();
  if (needed && !bar_) {
    bar_ = &Add<ScrollBar>(0, Rect{Frame().Width() - 1 - ScrollBar::kWidth, 1, Frame().Width() - 1,
                                   Frame().Height() - 1});
  }
  if (bar_) {
    bar_->Show(needed);
    bar_->SetInfo(0, std::max(0, rows - 1), VisibleRows(), top_);
  }
}

void TreeView::ScrollTo(int top) {
  top = std::clamp(top, 0, std::max(0, int(VisibleItems().size()) - VisibleRows()));
  if (top == top_) return;
  top_ = top;
  if (bar_) bar_->SetPosition(top_);
  Invalidate();
}

void TreeView::EnsureVisible(int row) {
  if (row < 0) return;
  if (row < top_) ScrollTo(row);
  if (row >= top_ + VisibleRows()) ScrollTo(row - VisibleRows() + 1);
}

Rect TreeView::RowRect(int row) const {
  if (row < top_ || row >= top_ + VisibleRows() || row >= int(VisibleItems().size())) return {};
  const int y = 1 + (row - top_) * kRowHeight;
  const int right = bar_ && bar_->Visible() ? bar_->Frame().left : Frame().Width() - 1;
  return {1, y, right, y + kRowHeight};
}

Rect TreeView::BoxRect(int row) const {
  const Rect r = RowRect(row);
  if (r.Empty()) return {};
  const int item = VisibleItems()[row];
  const int x = 3 + items_[item].depth * kIndent;
  return Rect::At(x, r.top + (kRowHeight - kBox) / 2, kBox, kBox);
}

void TreeView::Paint(DrawContext& dc) {
  dc.SelectPen({theme::kFrame});
  dc.SelectBrush(Brush::Null());
  dc.Rectangle(ClientRect());
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  const auto visible = VisibleItems();
  for (int row = top_; row < int(visible.size()) && row < top_ + VisibleRows(); ++row) {
    const int item = visible[row];
    const Rect r = RowRect(row);
    const Rect box = BoxRect(row);
    if (HasBox(item)) {
      dc.SelectPen({theme::kShadow});
      dc.SelectBrush({theme::kBackground});
      dc.Rectangle(box);
      const int cx = box.left + kBox / 2, cy = box.top + kBox / 2;
      dc.FillRect({box.left + 2, cy, box.right - 2, cy + 1}, theme::kText);
      if (!items_[item].expanded) dc.FillRect({cx, box.top + 2, cx + 1, box.bottom - 2}, theme::kText);
    }
    const Size size = dc.TextExtent(items_[item].text);
    const Rect label = Rect::At(box.right + 3, r.top, size.width + 4, kRowHeight);
    const bool lit = item == selected_;
    if (lit) dc.FillRect(label.Intersect(r), HasFocus() ? theme::kHighlight : theme::kShadow);
    dc.SetTextColour(lit ? theme::kHighlightText : theme::kText);
    dc.DrawText(items_[item].text, label.Offset(2, 0), kAlignLeft | kAlignMiddle);
  }
}

int TreeView::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown: {
      Focus();
      const auto visible = VisibleItems();
      for (int row = top_; row < int(visible.size()) && row < top_ + VisibleRows(); ++row) {
        if (!RowRect(row).Contains(m.pos)) continue;
        const int item = visible[row];
        const Rect box = BoxRect(row);
        if (HasBox(item) && m.pos.x >= box.left - 2 && m.pos.x < box.right + 2) {
          Expand(item, !items_[item].expanded);
        } else {
          UserSelect(item);
        }
        return 0;
      }
      return 0;
    }
    case MsgType::Scroll:
      ScrollTo(ScrolledTop(ScrollAction(m.code), top_, VisibleRows(), int(VisibleItems().size()), m.value));
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key: {
      if (m.value != 0) return Window::OnMessage(m);
      const auto visible = VisibleItems();
      const int row = RowOf(selected_);
      switch (m.code) {
        case kKeyUp:
        case kKeyDown:
          if (!visible.empty()) {
            const int next = std::clamp(row < 0 ? 0 : row + (m.code == kKeyUp ? -1 : 1), 0, int(visible.size()) - 1);
            UserSelect(visible[next]);
          }
          return 1;
        case kKeyRight:
          Expand(selected_, true);
          return 1;
        case kKeyLeft:
          Expand(selected_, false);
          return 1;
        default:
          return Window::OnMessage(m);
      }
    }
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
