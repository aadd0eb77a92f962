// Read-only multi-line edit: the text, broken at "\r\n" or "\n" and wrapped
// at word boundaries, with a scroll bar when it does not fit. Up, Down,
// PageUp, PageDown, Home and End scroll it when it has the focus.
#pragma once

#include <string>
#include <vector>

#include "shell/platform/window.h"

namespace orrery::platform {

class ScrollBar;

class MultiLineEdit : public Window {
 public:
  MultiLineEdit(int id, const Rect& frame);

  // Most characters kept of a text the program sets (0: no limit).
  void SetLimit(int limit) { limit_ = limit; }
  // Replaces the text (cut to the limit) and scrolls to the top.
  void SetContent(std::u16string_view text);
  const std::vector<std::u16string>& Lines() const { return lines_; }
  int TopLine() const { return top_; }
  int VisibleLines() const;
  void ScrollTo(int line);

  int OnMessage(const Message& m) override;

 private:
  void Layout();
  void Paint(class DrawContext& dc);

  int limit_ = 0;
  std::vector<std::u16string> lines_;
  int top_ = 0;
  ScrollBar* bar_ = nullptr;
};

}  // namespace orrery::platform
