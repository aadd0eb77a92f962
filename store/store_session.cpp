#include "store/store_session.h"

#include "store/chart_changes.h"
#include "store/chart_file.h"
#include "store/chart_list.h"
#include "store/settings.h"
#include "store/store_home.h"
#include "store/store_notice.h"

namespace orrery {

void StartStore() {
  LoadSettingsAtStartup();
  ResetChartChanges();
  TakeStoreNotice();  // none left over from an earlier start in this process
  LoadChartFile();
  PostStoreNotice(LoadNotice(LastChartFileStatus(), ChartFilePath()));
  ChooseStartChart(settingsRecord.currentChartKey);
}

void CloseStore() {
  SaveSettings();
  SaveWaitingChanges();
}

}  // namespace orrery
