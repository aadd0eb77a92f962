// The Pocket PC menu bar: a top-level window over the bottom 26 pixels with
// one button per drop-down of its menu, and image buttons after them.
//
// Tapping a drop-down button opens its menu above the bar; tapping a command
// item closes the menu and posts Command(item's command) to the owner;
// tapping a sub-menu item opens the sub-menu beside it; greyed items and
// separators do nothing; a tap anywhere else closes the menu and is not
// passed on. An image button posts its command when tapped.
#pragma once

#include <vector>

#include "shell/platform/menu.h"
#include "shell/platform/surface.h"
#include "shell/platform/window.h"

namespace orrery::platform {

class PopupMenu;

class MenuBar : public Window {
 public:
  // Commands go to owner; the bar is destroyed with it.
  MenuBar(Window& owner, Menu menu);

  // The menu, for check marks and greying; changes show the next time a
  // drop-down opens.
  Menu& GetMenu() { return menu_; }
  // Adds an image button (with a gap before it, like a separator).
  void AddImageButton(int command, Image image);

  // The open drop-down (index into the menu's items) or -1.
  int OpenIndex() const { return open_; }
  // Screen rectangles of the drop-down and image buttons, for scripts and tests.
  Rect ButtonRect(int index) const;
  Rect ImageButtonRect(int command) const;

  int OnMessage(const Message& m) override;

 private:
  struct ImageButton {
    int command;
    Image image;
  };
  void Layout();
  void Paint(class DrawContext& dc);
  void Open(int index);
  void OpenSubmenu(size_t level, int item);
  void CloseMenus();
  void OnTap(const Message& m);
  int ButtonAt(Point local) const;
  int ImageButtonAt(Point local) const;

  Menu menu_;
  std::vector<ImageButton> imageButtons_;
  std::vector<Rect> buttons_;       // window coordinates, drop-downs then image buttons
  std::vector<PopupMenu*> popups_;  // open drop-down, then its sub-menus
  int open_ = -1;
  int pressedImage_ = -1;
};

}  // namespace orrery::platform
