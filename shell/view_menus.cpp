#include "shell/view_menus.h"

#include <vector>

#include "chart/house_systems.h"
#include "shell/platform/resources.h"
#include "shell/shell_ids.h"
#include "shell/shell_state.h"

namespace orrery {

using platform::Menu;
using platform::MenuItem;

namespace {

// Commands of the "View" items, by ViewId.
constexpr int ViewCommands[ViewCount] = {CmdInfo, CmdNatalChart, CmdPlanets, CmdAspects,
                                         CmdHouseCusps};
constexpr const char16_t* ViewTexts[ViewCount] = {u"&Info", u"Natal Chart", u"Planets", u"Aspects",
                                                  u"House cusps"};
// Menu texts of the house systems, by HouseSystemId.
constexpr const char16_t* HouseSystemTexts[HouseSystemCount] = {
    u"Placidus", u"Koch", u"Equal", u"Vehlow", u"Campanus", u"Regiomontanus", u"Porphyry"};

MenuItem ChartPopup() {
  return MenuItem::Popup(u"Chart", {MenuItem::Command(u"New", CmdNew),
                                    MenuItem::Command(u"Edit", CmdEdit),
                                    MenuItem::Command(u"Select", CmdSelect), MenuItem::Separator(),
                                    MenuItem::Command(u"Exit", CmdExit)});
}

MenuItem ViewPopup(int view) {
  std::vector<MenuItem> items;
  for (int v = 0; v < ViewCount; ++v) {
    MenuItem item = MenuItem::Command(ViewTexts[v], ViewCommands[v]);
    item.greyed = v == view;
    items.push_back(std::move(item));
  }
  items.push_back(MenuItem::Separator());
  std::vector<MenuItem> systems;
  for (int id = 0; id < HouseSystemCount; ++id) {
    systems.push_back(MenuItem::Command(HouseSystemTexts[id], houseSystemInfo[id].menuCommand));
  }
  items.push_back(MenuItem::Popup(u"House Systems", std::move(systems)));
  return MenuItem::Popup(u"View", std::move(items));
}

MenuItem MiscPopup(int view) {
  std::vector<MenuItem> items;
  switch (view) {
    case InfoView:
      items.push_back(MenuItem::Command(u"Terminal", CmdTerminal));
      items.push_back(MenuItem::Separator());
      break;
    case PlanetsView:
      items.push_back(MenuItem::Command(u"Zodiac angles", CmdZodiacAngles));
      items.push_back(MenuItem::Command(u"Modulus angles", CmdModulusAngles));
      items.push_back(MenuItem::Separator());
      break;
    case NatalChartView:
      items.push_back(MenuItem::Command(u"View Planets", CmdViewPlanets));
      items.push_back(MenuItem::Separator());
      break;
    default:
      break;
  }
  items.push_back(MenuItem::Command(u"Options...", CmdOptions));
  return MenuItem::Popup(u"Misc", std::move(items));
}

MenuItem HelpPopup() { return MenuItem::Popup(u"Help", {MenuItem::Command(u"About", CmdAbout)}); }

}  // namespace

int ViewCommand(int view) { return view >= 0 && view < ViewCount ? ViewCommands[view] : 0; }

Menu BuildViewMenu(int view) {
  return Menu({ChartPopup(), ViewPopup(view), MiscPopup(view), HelpPopup()});
}

void RegisterViewMenus() {
  for (int view = 0; view < ViewCount; ++view) {
    platform::AddMenu(ViewMenuIds[view], BuildViewMenu(view));
  }
}

}  // namespace orrery
