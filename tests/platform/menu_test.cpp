// Menu bars driven by taps: drop-downs, sub-menus, greyed items, check
// marks and image buttons.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/menu_bar.h"
#include "shell/platform/popup_menu.h"
#include "shell/platform/resources.h"

namespace orrery::platform {
namespace {

using testing::Log;
using testing::Recorder;

Menu ViewMenu() {
  return Menu({
      MenuItem::Popup(u"Chart", {MenuItem::Command(u"New", 40017), MenuItem::Command(u"Edit", 40018),
                                 MenuItem::Separator(), MenuItem::Command(u"Exit", 40004)}),
      MenuItem::Popup(u"View", {MenuItem::Command(u"&Info", 40023).Greyed(),
                                MenuItem::Command(u"Planets", 40025), MenuItem::Separator(),
                                MenuItem::Popup(u"House Systems", {MenuItem::Command(u"Placidus", 40029).Checked(),
                                                                   MenuItem::Command(u"Koch", 40030)})}),
      MenuItem::Popup(u"Misc", {MenuItem::Command(u"Options...", 40034)}),
      MenuItem::Popup(u"Help", {MenuItem::Command(u"About", 40003)}),
  });
}

struct MenuFixture : ::testing::Test {
  Log log;
  Desktop desktop;
  Recorder& main = desktop.Add<Recorder>("main", Rect{0, 26, 240, 320}, log);
  MenuBar& bar = desktop.Add<MenuBar>(main, ViewMenu());

  void Tap(Point p) {
    desktop.InjectTap(MsgType::TapDown, p);
    desktop.InjectTap(MsgType::TapUp, p);
    desktop.ProcessPending();
  }
  static Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  std::vector<PopupMenu*> Popups() {
    std::vector<PopupMenu*> out;
    for (auto& w : desktop.Root().Children())
      if (auto* p = dynamic_cast<PopupMenu*>(w.get())) out.push_back(p);
    return out;
  }
  Point Item(size_t level, int index) { return Centre(Popups().at(level)->ItemRect(index)); }
  std::vector<std::string> Commands() {
    std::vector<std::string> out;
    for (auto& e : log)
      if (e.starts_with("main:command")) out.push_back(e);
    return out;
  }
};

TEST_F(MenuFixture, PickingAnItemClosesTheMenuAndPostsItsCommand) {
  EXPECT_EQ(bar.Frame(), (Rect{0, 294, 240, 320}));
  Tap(Centre(bar.ButtonRect(1)));
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_EQ(bar.OpenIndex(), 1);
  // The drop-down opens above the bar.
  EXPECT_EQ(Popups()[0]->Frame().bottom, bar.Frame().top);
  Tap(Item(0, 1));
  EXPECT_TRUE(Popups().empty());
  EXPECT_EQ(Commands(), (std::vector<std::string>{"main:command 40025"}));
}

TEST_F(MenuFixture, GreyedItemsAndSeparatorsDoNothing) {
  Tap(Centre(bar.ButtonRect(1)));
  Tap(Item(0, 0));  // "&Info", greyed
  Tap(Item(0, 2));  // separator
  EXPECT_EQ(Popups().size(), 1u);
  EXPECT_TRUE(Commands().empty());
  bar.GetMenu().Enable(40023, true);
  Tap(Centre(bar.ButtonRect(1)));  // the same button closes the menu
  EXPECT_TRUE(Popups().empty());
  Tap(Centre(bar.ButtonRect(1)));
  Tap(Item(0, 0));
  EXPECT_EQ(Commands(), (std::vector<std::string>{"main:command 40023"}));
}

TEST_F(MenuFixture, SubMenusOpenBesideTheirItem) {
  Tap(Centre(bar.ButtonRect(1)));
  Tap(Item(0, 3));  // "House Systems"
  ASSERT_EQ(Popups().size(), 2u);
  const Rect parentItem = Popups()[0]->ItemRect(3);
  EXPECT_GE(Popups()[1]->Frame().left, parentItem.right - 4);
  Tap(Item(1, 1));  // "Koch"
  EXPECT_TRUE(Popups().empty());
  EXPECT_EQ(Commands(), (std::vector<std::string>{"main:command 40030"}));
}

TEST_F(MenuFixture, ATapBesideTheMenuClosesItAndGoesNowhereElse) {
  Tap(Centre(bar.ButtonRect(0)));
  log.clear();
  Tap({200, 60});
  EXPECT_TRUE(Popups().empty());
  EXPECT_TRUE(log.empty());
  Tap({200, 60});
  EXPECT_EQ(log, (Log{"main:down 200,34", "main:up 200,34"}));
  // Switching straight from one drop-down to another.
  Tap(Centre(bar.ButtonRect(0)));
  Tap(Centre(bar.ButtonRect(3)));
  ASSERT_EQ(Popups().size(), 1u);
  EXPECT_EQ(bar.OpenIndex(), 3);
}

TEST_F(MenuFixture, CheckMarksAreDrawnForCheckedItemsOnly) {
  auto inkInCheckColumn = [&](size_t level, int index) {
    desktop.ProcessPending();
    const Rect r = Popups().at(level)->ItemRect(index);
    int ink = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.left + 14; ++x) ink += desktop.Screen().Pixel(x, y) == kBlack;
    return ink;
  };
  Tap(Centre(bar.ButtonRect(1)));
  Tap(Item(0, 3));
  EXPECT_GT(inkInCheckColumn(1, 0), 6);
  EXPECT_EQ(inkInCheckColumn(1, 1), 0);
  EXPECT_TRUE(bar.GetMenu().IsChecked(40029));
  // Moving the check is seen the next time the menu opens.
  bar.GetMenu().Check(40029, false);
  bar.GetMenu().Check(40030, true);
  Tap({200, 60});
  Tap(Centre(bar.ButtonRect(1)));
  Tap(Item(0, 3));
  EXPECT_EQ(inkInCheckColumn(1, 0), 0);
  EXPECT_GT(inkInCheckColumn(1, 1), 6);
  EXPECT_FALSE(bar.GetMenu().Check(99999, true));
}

TEST_F(MenuFixture, ImageButtonsPostTheirCommand) {
  Image picture(16, 16);
  for (int i = 0; i < 16; ++i) picture.SetPixel(i, i, Rgb(255, 0, 0));
  bar.AddImageButton(120, picture);
  const Rect r = bar.ImageButtonRect(120);
  EXPECT_GT(r.left, bar.ButtonRect(3).right);
  Tap(Centre(r));
  Tap(Centre(r));
  EXPECT_EQ(Commands(), (std::vector<std::string>{"main:command 120", "main:command 120"}));
  EXPECT_EQ(desktop.Screen().Pixel(r.left + (r.Width() - 16) / 2 + 5, r.top + (r.Height() - 16) / 2 + 5),
            Rgb(255, 0, 0));
}

TEST(Resources, TablesByKindAndId) {
  AddMenu(102, ViewMenu());
  AddString(52, u"M. Reception:");
  Image i(2, 2);
  AddIcon(219, i);
  EXPECT_EQ(FindMenu(102)->Items().size(), 4u);
  EXPECT_EQ(FindMenu(103), nullptr);
  EXPECT_EQ(FindString(52), u"M. Reception:");
  EXPECT_TRUE(FindString(53).empty());
  EXPECT_NE(FindIcon(219), nullptr);
  EXPECT_EQ(FindBitmap(219), nullptr);
}

}  // namespace
}  // namespace orrery::platform
