// The chart store and its file, on real files in a temporary home.
#include "store/chart_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "store/chart_changes.h"
#include "store/chart_store.h"
#include "store/store_notice.h"
#include "store_test_support.h"

namespace orrery {
namespace {

using store_test::Bytes;

class ChartFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetChartStore(chartStore);
  }

  // Allocates an id and stores a record with that name under it.
  std::int32_t AddChart(std::u16string_view name) {
    std::int32_t id = NewChartId();
    EXPECT_GE(id, 6);
    currentRecord = store_test::MakeRecord(name);
    currentRecord.id = id;
    EXPECT_TRUE(StoreChart(id));
    return id;
  }

  std::u16string NameOf(std::int32_t id) {
    EXPECT_TRUE(FetchChart(id));
    return currentRecord.name;
  }

  std::vector<std::int32_t> ListedIds() {
    std::vector<std::int32_t> ids;
    for (int i = 0; i < StoreSlotCount; ++i) {
      if (ChartIdAt(i) > 0) ids.push_back(ChartIdAt(i));
    }
    return ids;
  }

  Bytes FileBytes() { return store_test::ReadBytes(ChartFilePath()); }

  store_test::TempHome home;
};

TEST_F(ChartFileTest, FirstRunLoadsEmptyAndSavesOneZeroSlot) {
  EXPECT_FALSE(LoadChartFile());
  EXPECT_EQ(LastErrorCode(), 602);
  EXPECT_EQ(CountCharts(), 0);
  EXPECT_EQ(chartStore.LastId(), 5);
  EXPECT_FALSE(std::filesystem::exists(ChartFilePath()));  // not created by loading

  ASSERT_TRUE(store_test::SaveWholeStore());
  Bytes file = FileBytes();
  ASSERT_EQ(file.size(), 468u);
  EXPECT_EQ(store_test::U32At(file, 0), 100u);
  EXPECT_EQ(store_test::U32At(file, 4), store_test::ReferenceFileChecksum(file));
  EXPECT_EQ(store_test::U32At(file, 8), 5u);
  EXPECT_EQ(store_test::U32At(file, 12), 0u);
  for (std::size_t i = 16; i < file.size(); ++i) ASSERT_EQ(file[i], 0) << "offset " << i;

  ClearErrorLog();
  EXPECT_TRUE(LoadChartFile());
  EXPECT_EQ(LastErrorCode(), 0);
}

TEST_F(ChartFileTest, SaveCompactsChartsAfterGapsOnlyInTheFile) {
  std::int32_t a = AddChart(u"A"), b = AddChart(u"B"), c = AddChart(u"C");
  std::int32_t d = AddChart(u"D"), e = AddChart(u"E"), f = AddChart(u"F");
  ASSERT_TRUE(DeleteChart(b));
  ASSERT_TRUE(DeleteChart(d));
  ASSERT_TRUE(store_test::SaveWholeStore());
  EXPECT_EQ(FileBytes().size(), 16u + 4 * 452);
  // In memory the charts keep their places until the next load ...
  EXPECT_EQ(ListedIds(), (std::vector<std::int32_t>{a, c, e, f}));
  EXPECT_EQ(ChartIdAt(5), f);
  // ... which sees each gap filled from the back: F into slot 1, E into slot 3.
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(ListedIds(), (std::vector<std::int32_t>{a, f, c, e}));
  EXPECT_EQ(ChartIdAt(1), f);
  EXPECT_EQ(ChartIdAt(4), -1);
  EXPECT_EQ(NameOf(f), u"F");
  EXPECT_EQ(NameOf(e), u"E");
}

TEST_F(ChartFileTest, ChartsInSlotsZeroAndFiveMakeA920ByteFile) {
  std::int32_t first = AddChart(u"first");
  for (int i = 0; i < 4; ++i) AddChart(u"gap");
  std::int32_t sixth = AddChart(u"sixth");
  for (int id = first + 1; id < sixth; ++id) ASSERT_TRUE(DeleteChart(id));
  ASSERT_EQ(ChartIdAt(5), sixth);
  ASSERT_TRUE(store_test::SaveWholeStore());
  Bytes file = FileBytes();
  ASSERT_EQ(file.size(), 920u);
  EXPECT_EQ(static_cast<std::int32_t>(store_test::U32At(file, 16 + 452)), sixth);
}

TEST_F(ChartFileTest, LastByteOfTheFileIsOutsideTheChecksum) {
  AddChart(u"one");
  currentRecord.corrUnit = 3;
  ASSERT_TRUE(StoreChart(currentRecord.id));
  ASSERT_TRUE(store_test::SaveWholeStore());
  Bytes file = FileBytes();
  file.back() = 9;  // corrUnit of the last slot
  store_test::WriteBytes(ChartFilePath(), file);

  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(LastErrorCode(), 0);
  ASSERT_TRUE(FetchChart(ChartIdAt(0)));
  EXPECT_EQ(currentRecord.corrUnit, 9);
}

// A changed name byte breaks the file checksum; the repair keeps the record
// exactly when its one-bit record check still agrees.
TEST_F(ChartFileTest, DamagedNameByteFailsTheFileAndTheRecordCheckDecides) {
  std::int32_t keepId = AddChart(u"Ada Lovelace");
  ASSERT_TRUE(store_test::SaveWholeStore());
  const Bytes good = FileBytes();
  const std::size_t slot = 16, byte = slot + 6 + 2 * 3;  // low byte of the 4th unit
  const std::uint16_t check = store_test::U16At(good, slot + 4);
  ASSERT_EQ(check, store_test::ReferenceRecordCheck(good, slot));

  int survived = 0, dropped = 0;
  for (int value = 'a'; value <= 'z'; ++value) {
    if (value == good[byte]) continue;
    Bytes file = good;
    file[byte] = static_cast<std::uint8_t>(value);
    bool checkAgrees = store_test::ReferenceRecordCheck(file, slot) == check;
    store_test::WriteBytes(ChartFilePath(), file);
    ClearErrorLog();
    ASSERT_TRUE(LoadChartFile());
    EXPECT_EQ(ErrorLogSlot(0), 603);
    if (checkAgrees) {
      ++survived;
      EXPECT_EQ(CountCharts(), 1);
      EXPECT_EQ(NameOf(keepId)[3], value);
    } else {
      ++dropped;
      EXPECT_EQ(CountCharts(), 0);
      EXPECT_EQ(chartStore.LastId(), 5);  // recomputed from what is left
    }
  }
  EXPECT_GT(survived, 0);
  EXPECT_GT(dropped, 0);
}

TEST_F(ChartFileTest, FirstNameUnitIsOutsideTheRecordCheck) {
  AddChart(u"Zeno");
  AddChart(u"Other");
  ASSERT_TRUE(store_test::SaveWholeStore());
  Bytes file = FileBytes();
  file[16 + 6] = 'X';
  store_test::WriteBytes(ChartFilePath(), file);
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(ErrorLogSlot(0), 603);
  ASSERT_EQ(CountCharts(), 2);
  EXPECT_EQ(NameOf(ChartIdAt(0)), u"Xeno");
}

TEST_F(ChartFileTest, IdsAreNotReusedAfterDeletionsAndReload) {
  std::int32_t six = AddChart(u"six"), seven = AddChart(u"seven");
  EXPECT_EQ(six, 6);
  EXPECT_EQ(seven, 7);
  ASSERT_TRUE(store_test::SaveWholeStore());
  ASSERT_TRUE(RemoveChart(six));
  ASSERT_TRUE(RemoveChart(seven));
  EXPECT_FALSE(RemoveChart(seven));
  ASSERT_TRUE(LoadChartFile());  // reads what the removals wrote
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(CountCharts(), 0);
  EXPECT_EQ(NewChartId(), 8);
}

TEST_F(ChartFileTest, TwoHundredChartsFillTheStore) {
  for (int i = 0; i < StoreSlotCount; ++i) AddChart(u"chart");
  EXPECT_EQ(NewChartId(), -1);
  EXPECT_FALSE(HasFreeSlot());
  EXPECT_EQ(CountCharts(), 200);
  ASSERT_TRUE(store_test::SaveWholeStore());
  EXPECT_EQ(FileBytes().size(), 90416u);

  ASSERT_TRUE(DeleteChart(100));
  EXPECT_TRUE(HasFreeSlot());
  EXPECT_EQ(NewChartId(), 206);
  EXPECT_EQ(ChartIdAt(94), 206);  // the freed slot
  EXPECT_FALSE(HasFreeSlot());
  EXPECT_EQ(NewChartId(), -1);
}

TEST_F(ChartFileTest, SampleIdsAreEveryIdBelowFive) {
  for (std::int32_t id : {0, 1, 4, -1, -2, INT_MIN}) EXPECT_TRUE(IsSampleChart(id)) << id;
  for (std::int32_t id : {5, 6, 7, INT_MAX}) EXPECT_FALSE(IsSampleChart(id)) << id;
}

TEST_F(ChartFileTest, UnknownIdsPushTheirCodesAndChangeNothing) {
  std::int32_t id = AddChart(u"kept");
  ChartRecord before = store_test::MakeRecord(u"in the wizard");
  currentRecord = before;
  EXPECT_FALSE(FetchChart(id + 1));
  EXPECT_EQ(LastErrorCode(), 605);
  EXPECT_EQ(std::u16string(currentRecord.name), u"in the wizard");
  EXPECT_FALSE(StoreChart(id + 1));
  EXPECT_EQ(LastErrorCode(), 604);
  EXPECT_EQ(NameOf(id), u"kept");
  ClearErrorLog();
  EXPECT_FALSE(DeleteChart(id + 1));
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(CountCharts(), 1);
  EXPECT_EQ(FindSlot(id), 0);
  EXPECT_EQ(FindSlot(id + 1), -1);
}

TEST_F(ChartFileTest, FetchKeepsWorkingValuesOfTheCurrentRecord) {
  std::int32_t id = AddChart(u"gap");
  currentRecord = store_test::MakeRecord(u"other");
  currentRecord.dateGap = 1;
  ASSERT_TRUE(FetchChart(id));
  EXPECT_EQ(currentRecord.dateGap, 1u);
  EXPECT_EQ(std::u16string(currentRecord.name), u"gap");
}

TEST_F(ChartFileTest, SaveFailsWithoutTouchingTheOldFile) {
  AddChart(u"safe");
  ASSERT_TRUE(store_test::SaveWholeStore());
  const Bytes before = FileBytes();
  std::vector<ChartChange> add{{ChartChange::Kind::Add, 0, store_test::MakeRecord(u"unsaved")}};
  // A folder where the temporary file would go makes the write fail.
  std::filesystem::path blocker = ChartFilePath();
  blocker += ".tmp-" + std::to_string(getpid());
  std::filesystem::create_directory(blocker);
  EXPECT_EQ(SaveChartChanges(add), SaveResult::Failed);
  EXPECT_EQ(LastErrorCode(), 601);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(CountCharts(), 2);  // still in memory
  std::filesystem::remove(blocker);
  EXPECT_EQ(SaveWaitingChanges(), SaveResult::Saved);
  EXPECT_EQ(FileBytes().size(), 16u + 2 * 452);
  ResetChartChanges();
  TakeStoreNotice();
}

TEST_F(ChartFileTest, WithoutAHomeNothingIsReadOrWritten) {
  SetStoreHome({});
  EXPECT_FALSE(LoadChartFile());
  EXPECT_EQ(LastErrorCode(), 602);
  std::vector<ChartChange> add{{ChartChange::Kind::Add, 0, store_test::MakeRecord(u"nowhere")}};
  EXPECT_EQ(SaveChartChanges(add), SaveResult::Failed);
  EXPECT_EQ(LastErrorCode(), 601);
  ResetChartChanges();
  TakeStoreNotice();
}

}  // namespace
}  // namespace orrery
