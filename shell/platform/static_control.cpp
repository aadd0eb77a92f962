#include "shell/platform/static_control.h"

#include "shell/platform/draw_context.h"
#include "shell/platform/text_layout.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

Static::Static(int id, const Rect& frame, std::u16string_view text, unsigned align)
    : Window(id, frame), align_(align) {
  SetText(text);
  SetBackground(theme::kBackground);
}

Static::Static(int id, const Rect& frame, Image image) : Window(id, frame), image_(std::move(image)) {
  SetBackground(theme::kBackground);
}

void Static::SetImage(Image image) {
  image_ = std::move(image);
  Invalidate();
}

int Static::OnMessage(const Message& m) {
  if (m.type != MsgType::Paint) return Window::OnMessage(m);
  DrawContext& dc = *m.dc;
  if (!image_.Empty()) {
    dc.DrawImage(image_, 0, 0);
    return 0;
  }
  const Font font = theme::ControlFont();
  dc.SelectFont(font);
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(IsEnabled() ? theme::kText : theme::kGreyText);
  int y = 0;
  for (const std::u16string& line : WrapText(font, theme::DisplayText(Text()), Frame().Width())) {
    dc.DrawText(line, {0, y, Frame().Width(), y + font.Height()}, align_ & (kAlignCentre | kAlignRight));
    y += font.Height();
  }
  return 0;
}

}  // namespace orrery::platform
