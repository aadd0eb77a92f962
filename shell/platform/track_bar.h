// Horizontal track bar: a thumb on a channel over a range [min, max], with
// tick marks below (one at each end always; others as set).
//
// Tapping the channel beside the thumb moves it one page toward the tap;
// dragging the thumb follows the stylus; Left/Up and Right/Down move a line,
// PageUp and PageDown a page, Home and End to the ends. Every change made by
// the user sends Notify(kTrackPosition, position) to the parent.
#pragma once

#include <vector>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

class TrackBar : public Window {
 public:
  TrackBar(int id, const Rect& frame);

  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return pos_; }
  void SetPosition(int pos);  // clamped; without notifying
  void SetLineSize(int n) { line_ = std::max(1, n); }
  void SetPageSize(int n) { page_ = std::max(1, n); }
  void SetTick(int value);
  void ClearTicks();
  const std::vector<int>& Ticks() const { return ticks_; }

  // Where a value sits on the channel (x of the thumb's centre), and the
  // thumb's rectangle, in the bar's coordinates.
  int XOf(int value) const;
  Rect Thumb() const;

  int OnMessage(const Message& m) override;

 private:
  void UserMove(int pos);
  int ValueAt(int x) const;
  void Paint(class DrawContext& dc);

  int min_ = 0;
  int max_ = 100;
  int pos_ = 0;
  int line_ = 1;
  int page_ = 1;
  std::vector<int> ticks_;
  bool dragging_ = false;
};

}  // namespace orrery::platform
