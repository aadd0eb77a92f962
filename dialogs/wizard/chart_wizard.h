// The New Chart wizard: the property sheet "Nativity Input Data" with the
// pages "Name", "Region", "City", "Place" and "Corrections", all editing the
// one current ChartRecord. Accepting it checks every field (the first
// problem opens its caution notice on its page, with the focus on its
// field) and commits the chart; cancelling it stores nothing and leaves the
// current record as it was.
#pragma once

#include "shell/platform/window.h"

namespace orrery {

// Runs the wizard modally over owner: mode 1 a new chart, 2 an edit of the
// natal chart on show. Opens the atlas for its pages.
void RunChartWizard(platform::Window& owner, int mode);

// Registers the templates of the five pages (idempotent).
void RegisterWizardTemplates();

}  // namespace orrery
