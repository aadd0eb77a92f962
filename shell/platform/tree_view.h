// Tree view: items with text and an application value, children shown
// indented under expanded items, single selection, a scroll bar when the
// visible rows do not fit.
//
// An item marked expandable shows a [+] box even before it has children.
// Tapping the box expands or collapses the item; before an item is expanded
// for the first time its parent window gets Notify(kTreeExpanding, item) and
// may add the children then (children built on first expansion); an item
// that still has none afterwards loses its box. Tapping a row selects it
// (Notify(kTreeSelChanged, item)). Up and Down move the selection, Right
// expands, Left collapses.
//
// Items are numbered handles (kTreeRoot is the invisible root); rows are the
// currently visible items from the top, counting from 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

class ScrollBar;

inline constexpr int kTreeRoot = 0;

class TreeView : public Window {
 public:
  static constexpr int kRowHeight = 16;
  static constexpr int kIndent = 12;

  TreeView(int id, const Rect& frame);

  // Adds a child at the end of parent's children; returns its handle, or -1
  // for an unknown parent.
  int AddItem(int parent, std::u16string text, intptr_t data = 0, bool expandable = false);
  void Clear();

  const std::u16string& ItemText(int item) const;
  intptr_t ItemData(int item) const;  // -1 for an unknown item
  int ParentOf(int item) const;
  const std::vector<int>& ChildrenOf(int item) const;
  bool IsExpanded(int item) const;
  bool HasBox(int item) const;

  // What the user does: expanding may notify kTreeExpanding first.
  void Expand(int item, bool expand);
  int Selection() const { return selected_; }
  void SetSelection(int item);  // without notifying

  // The visible items in row order, and helpers for scripts and tests.
  std::vector<int> VisibleItems() const;
  int RowOf(int item) const;  // -1 when not visible
  void EnsureVisible(int row);
  Rect RowRect(int row) const;  // in the tree's coordinates; empty when scrolled out
  Rect BoxRect(int row) const;

  int OnMessage(const Message& m) override;

 private:
  struct Item {
    std::u16string text;
    intptr_t data = 0;
    int parent = -1;
    int depth = 0;
    bool expandable = false;
    bool expanded = false;
    bool askedChildren = false;
    std::vector<int> children;
  };
  bool Valid(int item) const { return item > 0 && size_t(item) < items_.size(); }
  int VisibleRows() const;
  void UpdateScrollBar();
  void ScrollTo(int top);
  void UserSelect(int item);
  void Paint(class DrawContext& dc);

  std::vector<Item> items_;
  int selected_ = -1;
  int top_ = 0;
  ScrollBar* bar_ = nullptr;
};

}  // namespace orrery::platform
