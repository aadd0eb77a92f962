#include "shell/platform/tool_tip.h"

#include <algorithm>

#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

Rect PlaceTip(std::u16string_view text, const Rect& anchor) {
  const Size s = theme::ControlFont().Extent(text);
  const int w = s.width + 8, h = s.height + 4;
  const int x = std::clamp(anchor.left, 0, std::max(0, kScreenWidth - w));
  int y = anchor.bottom + 2;
  if (y + h > kScreenHeight) y = anchor.top - h - 2;
  return Rect::At(x, y, w, h);
}

}  // namespace

ToolTip::ToolTip(std::u16string_view text, const Rect& anchor) : Window(0, PlaceTip(text, anchor)) {
  SetStyle(kStyleTopmost);
  SetBackground(theme::kTipBackground);
  SetText(text);
}

int ToolTip::OnMessage(const Message& m) {
  if (m.type != MsgType::Paint) return Window::OnMessage(m);
  DrawContext& dc = *m.dc;
  dc.SelectPen({theme::kFrame});
  dc.SelectBrush(Brush::Null());
  dc.Rectangle(ClientRect());
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(theme::kText);
  dc.DrawText(Text(), ClientRect(), kAlignCentre | kAlignMiddle);
  return 0;
}

}  // namespace orrery::platform
