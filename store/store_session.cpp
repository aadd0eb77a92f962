#include "store/store_session.h"

#include "chart/live_settings.h"
#include "store/chart_file.h"
#include "store/chart_list.h"
#include "store/settings.h"

namespace orrery {

void StartStore() {
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  LoadSettingsAtStartup();
  LoadChartFile();
  ChooseStartChart(settingsRecord.currentChartKey);
}

void CloseStore() {
  SaveSettings();
  SaveChartFile();
}

}  // namespace orrery
