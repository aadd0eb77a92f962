// The five pages of the New Chart wizard, made when the sheet first shows
// them.
#pragma once

#include <memory>

#include "dialogs/wizard/wizard_page.h"

namespace orrery::wizard {

std::unique_ptr<platform::Dialog> MakeNamePage(WizardSession& session);
std::unique_ptr<platform::Dialog> MakeRegionPage(WizardSession& session);
std::unique_ptr<platform::Dialog> MakeCityPage(WizardSession& session);
std::unique_ptr<platform::Dialog> MakePlacePage(WizardSession& session);
std::unique_ptr<platform::Dialog> MakeCorrectionsPage(WizardSession& session);

}  // namespace orrery::wizard
