// A drop-down or sub-menu opened by a MenuBar: a top-level window listing
// items, with check marks, greyed items, separators and sub-menu arrows.
// The menu bar drives it; it only lays out and paints.
#pragma once

#include <vector>

#include "shell/platform/menu.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class PopupMenu : public Window {
 public:
  static constexpr int kItemHeight = 18;
  static constexpr int kSeparatorHeight = 7;

  // items must outlive the window. anchor: screen rectangle to open beside
  // (a bar button: above it; a menu item: to its right, or left when there
  // is no room).
  PopupMenu(const std::vector<MenuItem>& items, const Rect& anchor, bool besideAnchor);

  const std::vector<MenuItem>& Items() const { return *items_; }
  // Item under a point in window coordinates, or -1.
  int ItemAt(Point local) const;
  // Screen rectangle of an item.
  Rect ItemRect(int index) const;
  int Highlight() const { return highlight_; }
  void SetHighlight(int index);

  int OnMessage(const Message& m) override;

 private:
  static Size Measure(const std::vector<MenuItem>& items);
  void Paint(class DrawContext& dc);

  const std::vector<MenuItem>* items_;
  int highlight_ = -1;
};

}  // namespace orrery::platform
