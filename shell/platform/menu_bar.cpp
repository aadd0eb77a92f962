#include "shell/platform/menu_bar.h"

#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/popup_menu.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kTextPadding = 6;  // each side of a drop-down button's text
constexpr int kImageGap = 6;     // before the first image button
constexpr int kImagePadding = 3;

}  // namespace

MenuBar::MenuBar(Window& owner, Menu menu) : Window(0, kMenuBarArea), menu_(std::move(menu)) {
  SetOwner(&owner);
  SetBackground(theme::kFace);
  Layout();
}

void MenuBar::AddImageButton(int command, Image image) {
  imageButtons_.push_back({command, std::move(image)});
  Layout();
  Invalidate();
}

void MenuBar::Layout() {
  buttons_.clear();
  const Font font = theme::MenuFont();
  int x = 0;
  for (const MenuItem& item : menu_.Items()) {
    const int w = font.Extent(theme::DisplayText(item.text)).width + 2 * kTextPadding;
    buttons_.push_back({x, 1, x + w, kMenuBarHeight});
    x += w;
  }
  if (!imageButtons_.empty()) x += kImageGap;
  for (const ImageButton& b : imageButtons_) {
    const int w = b.image.Width() + 2 * kImagePadding;
    buttons_.push_back({x, 1, x + w, kMenuBarHeight});
    x += w;
  }
}

Rect MenuBar::ButtonRect(int index) const {
  if (index < 0 || size_t(index) >= menu_.Items().size()) return {};
  return buttons_[index].Offset(Frame().left, Frame().top);
}

Rect MenuBar::ImageButtonRect(int command) const {
  for (size_t i = 0; i < imageButtons_.size(); ++i) {
    if (imageButtons_[i].command == command) {
      return buttons_[menu_.Items().size() + i].Offset(Frame().left, Frame().top);
    }
  }
  return {};
}

int MenuBar::ButtonAt(Point local) const {
  for (size_t i = 0; i < menu_.Items().size(); ++i) {
    if (buttons_[i].Contains(local)) return int(i);
  }
  return -1;
}

int MenuBar::ImageButtonAt(Point local) const {
  for (size_t i = 0; i < imageButtons_.size(); ++i) {
    if (buttons_[menu_.Items().size() + i].Contains(local)) return int(i);
  }
  return -1;
}

void MenuBar::Paint(DrawContext& dc) {
  dc.FillRect({0, 0, Frame().Width(), 1}, theme::kShadow);
  dc.SelectFont(theme::MenuFont());
  dc.SetBackMode(BackMode::Transparent);
  for (size_t i = 0; i < menu_.Items().size(); ++i) {
    const bool open = int(i) == open_;
    if (open) dc.FillRect(buttons_[i], theme::kHighlight);
    dc.SetTextColour(open ? theme::kHighlightText : theme::kText);
    dc.DrawText(theme::DisplayText(menu_.Items()[i].text), buttons_[i], kAlignCentre | kAlignMiddle);
  }
  for (size_t i = 0; i < imageButtons_.size(); ++i) {
    const Rect r = buttons_[menu_.Items().size() + i];
    const Image& img = imageButtons_[i].image;
    if (int(i) == pressedImage_) {
      dc.SelectPen({theme::kShadow});
      dc.SelectBrush(Brush::Null());
      dc.Rectangle(r);
    }
    dc.DrawImage(img, r.left + (r.Width() - img.Width()) / 2, r.top + (r.Height() - img.Height()) / 2);
  }
}

void MenuBar::Open(int index) {
  CloseMenus();
  const MenuItem& dropDown = menu_.Items()[index];
  open_ = index;
  popups_.push_back(&GetDesktop()->Add<PopupMenu>(dropDown.submenu, ButtonRect(index), false));
  popups_.back()->SetOwner(this);
  GetDesktop()->SetTapGrab(this);
  Invalidate();
}

void MenuBar::OpenSubmenu(size_t level, int item) {
  while (popups_.size() > level + 1) {
    popups_.back()->Destroy();
    popups_.pop_back();
  }
  PopupMenu& parent = *popups_[level];
  PopupMenu& sub = GetDesktop()->Add<PopupMenu>(parent.Items()[item].submenu, parent.ItemRect(item), true);
  sub.SetOwner(this);
  popups_.push_back(&sub);
}

void MenuBar::CloseMenus() {
  for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) (*it)->Destroy();
  popups_.clear();
  if (open_ >= 0) Invalidate();
  open_ = -1;
  if (Desktop* d = GetDesktop(); d && d->TapGrab() == this) d->SetTapGrab(nullptr);
}

void MenuBar::OnTap(const Message& m) {
  const Point screen = ToScreen(m.pos);
  // The deepest open menu under the stylus, if any.
  for (size_t level = popups_.size(); level-- > 0;) {
    PopupMenu& popup = *popups_[level];
    if (!popup.ScreenRect().Contains(screen)) continue;
    const int index = popup.ItemAt(popup.FromScreen(screen));
    popup.SetHighlight(index);
    if (m.type != MsgType::TapUp || index < 0) return;
    const MenuItem& item = popup.Items()[index];
    if (item.separator || item.greyed) return;
    if (item.IsPopup()) {
      OpenSubmenu(level, index);
      return;
    }
    const int command = item.command;
    CloseMenus();
    if (Owner()) Owner()->Post(Message::Command(command));
    return;
  }
  for (PopupMenu* p : popups_) p->SetHighlight(-1);
  if (m.type != MsgType::TapDown) return;
  const int button = ButtonAt(m.pos);
  if (button >= 0 && button != open_) {
    Open(button);
  } else {
    CloseMenus();
  }
}

int MenuBar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
    case MsgType::TapMove:
    case MsgType::TapUp:
      if (open_ >= 0 || (m.type == MsgType::TapDown && ButtonAt(m.pos) >= 0)) {
        OnTap(m);
      } else if (m.type == MsgType::TapDown) {
        pressedImage_ = ImageButtonAt(m.pos);
        if (pressedImage_ >= 0) Invalidate();
      } else if (m.type == MsgType::TapUp && pressedImage_ >= 0) {
        const int pressed = std::exchange(pressedImage_, -1);
        Invalidate();
        if (ImageButtonAt(m.pos) == pressed && Owner()) {
          Owner()->Post(Message::Command(imageButtons_[pressed].command));
        }
      }
      return 0;
    case MsgType::Key:
      if (open_ >= 0 && m.code == kKeyEscape) {
        CloseMenus();
        return 1;
      }
      return Window::OnMessage(m);
    case MsgType::Destroy:
      CloseMenus();
      return 0;
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
