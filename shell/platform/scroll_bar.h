// A vertical scroll bar control (SetScrollInfo semantics): a range
// [min, max], a page size and a position from min to max - page + 1 (to max
// when the page is 0).
//
// It sends Scroll messages to its parent and leaves the position to the
// parent to set: the arrows send LineUp / LineDown, the track above or below
// the thumb PageUp / PageDown, dragging the thumb ThumbTrack while moving and
// ThumbPosition where it is let go; every tap ends with EndScroll. With the
// keyboard focus, Up, Down, PageUp, PageDown, Home and End send LineUp,
// LineDown, PageUp, PageDown, Top and Bottom.
#pragma once

#include "shell/platform/window.h"

namespace orrery::platform {

class ScrollBar : public Window {
 public:
  static constexpr int kWidth = 14;

  ScrollBar(int id, const Rect& frame);

  void SetInfo(int min, int max, int page, int pos, bool redraw = true);
  // Clamped to the range; returns the position set.
  int SetPosition(int pos, bool redraw = true);
  int Position() const { return pos_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Page() const { return page_; }
  // The largest position the range and page allow.
  int MaxPosition() const;

  // Parts in the bar's coordinates, for scripts and tests.
  Rect UpArrow() const;
  Rect DownArrow() const;
  Rect Thumb() const;

  int OnMessage(const Message& m) override;

 private:
  enum class Part { None, Up, Down, PageUp, PageDown, Thumb };
  Rect Track() const;
  int PositionAtThumbTop(int y) const;
  void Notify(ScrollAction action, int value = 0);
  void Paint(class DrawContext& dc);

  int min_ = 0;
  int max_ = 100;
  int page_ = 0;
  int pos_ = 0;
  Part pressed_ = Part::None;
  int dragOffset_ = 0;  // stylus y minus thumb top while dragging
  int dragPos_ = 0;
};

// The first row of a scrolled list after a scroll-bar action: top and page
// are the list's first row and rows in view, rows its length, value the
// message's thumb position. The list clamps the result to its range.
int ScrolledTop(ScrollAction action, int top, int page, int rows, int value);

}  // namespace orrery::platform
