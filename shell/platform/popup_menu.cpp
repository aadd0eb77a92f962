#include "shell/platform/popup_menu.h"

#include <algorithm>

#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kBorder = 2;       // frame and inner margin
constexpr int kCheckColumn = 16;
constexpr int kArrowColumn = 12;

int HeightOf(const MenuItem& item) {
  return item.separator ? PopupMenu::kSeparatorHeight : PopupMenu::kItemHeight;
}

// Places a w x h menu beside the anchor, inside the screen above the menu bar.
Rect Place(Size size, const Rect& anchor, bool beside) {
  int x, y;
  if (beside) {
    x = anchor.right - 2;
    if (x + size.width > kScreenWidth) x = anchor.left - size.width + 2;
    y = anchor.top - kBorder;
  } else {
    x = anchor.left;
    y = anchor.top - size.height;
  }
  x = std::clamp(x, 0, std::max(0, kScreenWidth - size.width));
  y = std::clamp(y, kNavBarHeight, std::max(kNavBarHeight, kMenuBarArea.top - size.height));
  return Rect::At(x, y, size.width, size.height);
}

}  // namespace

PopupMenu::PopupMenu(const std::vector<MenuItem>& items, const Rect& anchor, bool besideAnchor)
    : Window(0, Place(Measure(items), anchor, besideAnchor)), items_(&items) {
  SetStyle(kStyleTopmost);
  SetBackground(theme::kBackground);
}

Size PopupMenu::Measure(const std::vector<MenuItem>& items) {
  const Font font = theme::MenuFont();
  int textWidth = 0, height = 2 * kBorder;
  bool arrows = false;
  for (const MenuItem& item : items) {
    textWidth = std::max(textWidth, font.Extent(theme::DisplayText(item.text)).width);
    arrows = arrows || item.IsPopup();
    height += HeightOf(item);
  }
  return {2 * kBorder + kCheckColumn + textWidth + 8 + (arrows ? kArrowColumn : 0), height};
}

int PopupMenu::ItemAt(Point local) const {
  if (local.x < 0 || local.x >= Frame().Width()) return -1;
  int y = kBorder;
  for (size_t i = 0; i < items_->size(); ++i) {
    const int h = HeightOf((*items_)[i]);
    if (local.y >= y && local.y < y + h) return int(i);
    y += h;
  }
  return -1;
}

Rect PopupMenu::ItemRect(int index) const {
  int y = kBorder;
  for (int i = 0; i < index && size_t(i) < items_->size(); ++i) y += HeightOf((*items_)[i]);
  const int h = size_t(index) < items_->size() ? HeightOf((*items_)[index]) : 0;
  return Rect{kBorder, y, Frame().Width() - kBorder, y + h}.Offset(Frame().left, Frame().top);
}

void PopupMenu::SetHighlight(int index) {
  if (index == highlight_) return;
  highlight_ = index;
  Invalidate();
}

void PopupMenu::Paint(DrawContext& dc) {
  const Rect client = ClientRect();
  dc.SelectPen({theme::kFrame});
  dc.SelectBrush(Brush::Null());
  dc.Rectangle(client);
  dc.SelectFont(theme::MenuFont());
  dc.SetBackMode(BackMode::Transparent);
  int y = kBorder;
  for (size_t i = 0; i < items_->size(); ++i) {
    const MenuItem& item = (*items_)[i];
    const Rect row{kBorder, y, client.right - kBorder, y + HeightOf(item)};
    y = row.bottom;
    if (item.separator) {
      dc.FillRect({row.left + 2, row.top + 3, row.right - 2, row.top + 4}, theme::kShadow);
      continue;
    }
    const bool lit = int(i) == highlight_ && !item.greyed;
    if (lit) dc.FillRect(row, theme::kHighlight);
    const Colour ink = item.greyed ? theme::kGreyText : lit ? theme::kHighlightText : theme::kText;
    dc.SetTextColour(ink);
    dc.DrawText(theme::DisplayText(item.text), {row.left + kCheckColumn, row.top, row.right, row.bottom},
                kAlignLeft | kAlignMiddle);
    if (item.checked) {
      // A tick: down-right from the left, then up-right.
      const int cx = row.left + 4, cy = row.top + row.Height() / 2;
      dc.SelectPen({ink});
      for (int d = 0; d < 2; ++d) {
        const Point tick[] = {{cx, cy - 1 + d}, {cx + 3, cy + 2 + d}, {cx + 9, cy - 4 + d}};
        dc.Polyline(tick);
      }
    }
    if (item.IsPopup()) {
      // A small triangle pointing right.
      const int ax = row.right - 8, ay = row.top + row.Height() / 2;
      for (int k = 0; k < 4; ++k) dc.FillRect({ax + k, ay - 3 + k, ax + k + 1, ay + 4 - k}, ink);
    }
  }
}

int PopupMenu::OnMessage(const Message& m) {
  if (m.type == MsgType::Paint) {
    Paint(*m.dc);
    return 0;
  }
  return Window::OnMessage(m);
}

}  // namespace orrery::platform
