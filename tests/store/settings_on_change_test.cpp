// Settings written when they change (the web page's keeping them current).
#include "store/settings_on_change.h"

#include <gtest/gtest.h>

#include "chart/chart_record.h"
#include "store/settings.h"
#include "store/store_home.h"
#include "store_test_support.h"

namespace orrery {
namespace {

TEST(SettingsOnChangeTest, WritesOnlyWhatChanged) {
  store_test::TempHome home;
  currentRecord.id = 7;
  ASSERT_TRUE(SaveChangedSettings());  // the first call always writes
  ASSERT_TRUE(std::filesystem::exists(SettingsValuePath()));

  std::filesystem::remove(SettingsValuePath());
  ASSERT_TRUE(SaveChangedSettings());
  EXPECT_FALSE(std::filesystem::exists(SettingsValuePath())) << "written though nothing changed";

  currentRecord.id = 9;
  ASSERT_TRUE(SaveChangedSettings());
  ASSERT_EQ(LoadSettings(), 0);
  EXPECT_EQ(settingsRecord.currentChartKey, 9);
}

}  // namespace
}  // namespace orrery
