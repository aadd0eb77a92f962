#include "dialogs/options_sheet.h"

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "dialogs/dialog_run.h"
#include "dialogs/options_pages.h"
#include "store/chart_list.h"
#include "store/settings.h"

namespace orrery {

void RunOptions(platform::Window& owner) {
  OptionsWork work;
  work.rulershipAtOpen = rulershipIndex;
  std::vector<platform::PropertyPage> pages;
  pages.push_back({u"AOV", [&work] { return MakeAovPage(work); }});
  pages.push_back({u"TFV", [&work] { return MakeTfvPage(work); }});
  const int code = RunLoggedSheet(AovTemplate, owner, u"Options", std::move(pages));
  if (code >= 0) ApplyOptions(work, code == 1);  // -1: the program is ending
}

void ApplyOptions(const OptionsWork& work, bool accepted) {
  if (!accepted) {
    if (rulershipIndex != work.rulershipAtOpen) ShowSlot(0, true);
    return;
  }
  if (work.aovVisited) {
    for (int aspect = 1; aspect < AspectRowCount; ++aspect) {
      for (int body : OptionsObjects) currentOrbs[aspect][body] = work.orbs[aspect][body];
    }
  }
  if (work.tfvVisited) {
    for (int body = 0; body < BodyCount; ++body) currentPoints[body] = work.points[body];
  }
  SaveSettings();
  ShowSlot(0, true);
}

}  // namespace orrery
