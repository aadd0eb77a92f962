// A tool bar of image buttons (CreateToolbarEx): push or check style, with
// tool tips. Pictures come from one image strip, cut in equal widths.
//
// Each button is the picture plus kButtonPadding in each direction; buttons
// stand side by side from x = 0, y = kTopMargin. Tapping an enabled button
// and lifting on it toggles a check button's state and sends
// Command(button's command) to the parent; while the stylus is down on a
// button its tool tip shows below it. A disabled button is drawn faded and
// ignores taps.
#pragma once

#include <string>
#include <vector>

#include "shell/platform/surface.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class ToolTip;

struct ToolButton {
  int command = 0;
  int image = 0;  // index into the strip
  bool checkStyle = true;
  std::u16string tip;
};

class ToolBar : public Window {
 public:
  static constexpr int kButtonPadding = 7;
  static constexpr int kTopMargin = 2;

  ToolBar(int id, const Rect& frame, Image strip, Size imageSize);

  void AddButtons(std::vector<ToolButton> buttons);
  // Each returns false for an unknown command.
  bool Check(int command, bool checked);
  bool EnableButton(int command, bool enabled);
  bool IsChecked(int command) const;
  bool IsButtonEnabled(int command) const;
  // The button's rectangle in the bar's coordinates (empty when unknown).
  Rect ButtonRect(int command) const;
  Size ButtonSize() const;

  int OnMessage(const Message& m) override;

 private:
  struct State {
    ToolButton button;
    bool checked = false;
    bool enabled = true;
  };
  State* Find(int command);
  const State* Find(int command) const;
  int ButtonAt(Point local) const;
  void Paint(class DrawContext& dc);
  void ShowTip(int index);
  void HideTip();

  Image strip_;
  Size imageSize_;
  std::vector<State> buttons_;
  int pressed_ = -1;
  ToolTip* tip_ = nullptr;
};

}  // namespace orrery::platform
