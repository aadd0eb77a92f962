// Charts imported from another device's chart file: all of them as new
// charts, or, for any fault, none and the reason.
#include "store/chart_import.h"

#include <gtest/gtest.h>

#include <string>

#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store_test_support.h"

namespace orrery {
namespace {

using store_test::Bytes;

class ChartImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetChartStore(chartStore);
  }

  void AddCharts(std::initializer_list<std::u16string_view> names) {
    for (std::u16string_view name : names) {
      currentRecord = store_test::MakeRecord(name);
      currentRecord.id = NewChartId();
      ASSERT_TRUE(StoreChart(currentRecord.id));
    }
    ASSERT_TRUE(store_test::SaveWholeStore());
  }

  // The chart file of another device holding these charts.
  Bytes OtherDevice(std::initializer_list<std::u16string_view> names) {
    ResetChartStore(chartStore);
    AddCharts(names);
    Bytes file = store_test::ReadBytes(ChartFilePath());
    ResetChartStore(chartStore);
    return file;
  }

  std::u16string NameAt(int index) {
    EXPECT_TRUE(FetchChart(ChartIdAt(index)));
    return currentRecord.name;
  }

  store_test::TempHome home;
};

TEST_F(ChartImportTest, AddsEveryChartWithANewIdAndWritesTheFile) {
  const Bytes other = OtherDevice({u"Ada", u"Ben"});
  AddCharts({u"Cleo"});
  currentRecord = store_test::MakeRecord(u"shown");

  EXPECT_EQ(ImportChartFile(other), "");
  EXPECT_EQ(currentRecord.name, std::u16string(u"shown"));
  ASSERT_TRUE(LoadChartFile());
  ASSERT_EQ(CountCharts(), 3);
  EXPECT_EQ(NameAt(0), u"Cleo");
  EXPECT_EQ(NameAt(1), u"Ada");
  EXPECT_EQ(NameAt(2), u"Ben");
  EXPECT_EQ(ChartIdAt(2), 8);
}

TEST_F(ChartImportTest, AnyFaultImportsNothing) {
  const Bytes other = OtherDevice({u"Ada", u"Ben"});
  Bytes flipped = other;
  flipped[16 + 452 + 40] ^= 0xff;
  const Bytes cut(other.begin(), other.end() - 100);
  const Bytes empty = OtherDevice({});
  const Bytes huge(ChartImageBytes + 1, 0);
  struct Case {
    const char* what;
    const Bytes& file;
    int chartsBefore;
    const char* reason;
  };
  const Case cases[] = {
      {"a changed byte", flipped, 1, "damaged (file checksum does not match)"},
      {"a cut file", cut, 1, "damaged"},
      {"no charts", empty, 1, "holds no charts"},
      {"too long", huge, 1, "longer than any chart file"},
      {"no room", other, StoreSlotCount - 1, "holds 2 charts and only 1 places are free"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetChartStore(chartStore);
    for (int i = 0; i < c.chartsBefore; ++i) {
      currentRecord = store_test::MakeRecord(u"here");
      currentRecord.id = NewChartId();
      ASSERT_TRUE(StoreChart(currentRecord.id));
    }
    ASSERT_TRUE(store_test::SaveWholeStore());
    const Bytes fileBefore = store_test::ReadBytes(ChartFilePath());
    const ChartStore storeBefore = chartStore;

    const std::string reason = ImportChartFile(c.file);
    EXPECT_NE(reason.find("Nothing imported"), std::string::npos) << reason;
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    EXPECT_EQ(store_test::ReadBytes(ChartFilePath()), fileBefore);
    EXPECT_EQ(chartStore.image, storeBefore.image);
  }
}

}  // namespace
}  // namespace orrery
