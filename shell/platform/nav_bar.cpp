#include "shell/platform/nav_bar.h"

#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"

namespace orrery::platform {

namespace {

constexpr Colour kBarColour = Rgb(16, 52, 148);

}  // namespace

NavBar::NavBar() : Window(0, {0, 0, kScreenWidth, kNavBarHeight}) {
  SetStyle(kStyleTopmost);
  SetBackground(kBarColour);
}

void NavBar::Sync(std::u16string_view title, bool okButton) {
  if (okButton != okButton_) {
    okButton_ = okButton;
    Invalidate();
  }
  SetText(title);
}

void NavBar::Paint(DrawContext& dc) {
  // The start flag: four coloured panes.
  dc.FillRect({5, 6, 11, 12}, Rgb(255, 64, 32));
  dc.FillRect({12, 6, 18, 12}, Rgb(64, 200, 64));
  dc.FillRect({5, 13, 11, 19}, Rgb(64, 128, 255));
  dc.FillRect({12, 13, 18, 19}, Rgb(255, 210, 0));
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(kWhite);
  dc.SelectFont(Font::FromPoints(Typeface::TahomaBold, 8));
  dc.DrawText(Text(), {26, 0, kOkButton.left - 4, kNavBarHeight}, kAlignLeft | kAlignMiddle);
  if (!okButton_) return;
  dc.SelectPen({kWhite});
  dc.SelectBrush(okPressed_ ? Brush{kWhite} : Brush::Null());
  dc.Ellipse(kOkButton);
  dc.SetTextColour(okPressed_ ? kBarColour : kWhite);
  dc.DrawText(u"ok", kOkButton, kAlignCentre | kAlignMiddle);
}

int NavBar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      if (okButton_ && kOkButton.Contains(m.pos)) {
        okPressed_ = true;
        InvalidateRect(kOkButton);
      }
      return 0;
    case MsgType::TapUp:
      if (okPressed_) {
        okPressed_ = false;
        InvalidateRect(kOkButton);
        Window* active = GetDesktop()->ActiveWindow();
        if (kOkButton.Contains(m.pos) && active && (active->Style() & kStyleOkButton)) {
          active->Post(Message::Command(kIdOk));
        }
      }
      return 0;
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
