#include "dialogs/wizard/chart_wizard.h"

#include "atlas/atlas_open.h"
#include "chart/chart_record.h"
#include "dialogs/dialog_run.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "dialogs/wizard/wizard_record.h"
#include "store/chart_list.h"

namespace orrery {

namespace wizard {

std::vector<platform::PropertyPage> WizardSession::Pages() {
  const auto page = [this](std::u16string title, auto make) {
    return platform::PropertyPage{std::move(title), [this, make] { return make(*this); }};
  };
  return {page(u"Name", MakeNamePage), page(u"Region", MakeRegionPage), page(u"City", MakeCityPage),
          page(u"Place", MakePlacePage), page(u"Corrections", MakeCorrectionsPage)};
}

}  // namespace wizard

void RunChartWizard(platform::Window& owner, int mode) {
  RegisterWizardTemplates();
  // A cancelled wizard leaves the current record as it found it.
  const ChartRecord before = currentRecord;
  wizard::PrepareRecord(mode);
  OpenAtlas();
  wizard::WizardSession session(mode);
  const int code = RunLoggedSheet(wizard::NamePageTemplate, owner, u"Nativity Input Data", session.Pages());
  CloseAtlas();
  if (code == 1 && session.Finished()) {
    CommitChart(mode);
  } else {
    currentRecord = before;
  }
}

}  // namespace orrery
