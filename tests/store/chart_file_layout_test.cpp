// The chart file byte for byte: known records written by WriteChartFile and
// compared at the documented offsets; hand-made files read back.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <string>

#include "store/atomic_file.h"
#include "store/chart_changes.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store_test_support.h"

namespace orrery {
namespace {

using store_test::Bytes;
using store_test::PutU16At;
using store_test::PutU32At;
using store_test::TextAt;
using store_test::U16At;
using store_test::U32At;

class ChartFileLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetChartStore(chartStore);
  }

  // A sealed file of header and slotCount zero slots with lastId 5.
  static Bytes EmptyFile(int slotCount) {
    Bytes file(16 + 452 * static_cast<std::size_t>(slotCount), 0);
    PutU32At(file, 0, 100);
    PutU32At(file, 8, 5);
    return file;
  }

  void LoadFile(const Bytes& file) {
    store_test::WriteBytes(ChartFilePath(), file);
    ASSERT_TRUE(LoadChartFile());
  }

  store_test::TempHome home;
};

ChartRecord DistinctRecord() {
  ChartRecord r{};
  CopyText(r.name, RecordNameUnits, u"Émile Ωmega");
  r.sex = 2;
  r.year = 2129;
  r.month = 12;
  r.day = 31;
  r.hour = 23;
  r.minute = 59;
  r.calendar = 1;
  CopyText(r.country, RecordCountryUnits, u"Österreich");
  CopyText(r.state, RecordStateUnits, u"Tirol");
  CopyText(r.city, RecordCityUnits, u"Innsbruck");
  r.latDegrees = 0x0102;
  r.latMinutes = 59;
  r.north = 0x11121314;
  r.lonDegrees = 0x0304;
  r.lonMinutes = 58;
  r.east = 0x21222324;
  r.dstHours = 2;
  r.dstMinutes = 30;
  r.dstPlus = 0x31323334;
  r.zoneHours = 11;
  r.zoneMinutes = 45;
  r.zonePlus = 0x41424344;
  r.localTime = 0x51525354;
  r.corrDistance = 0x1234;
  r.corrDirection = 15;
  r.corrUnit = 10;
  return r;
}

TEST_F(ChartFileLayoutTest, SavedRecordsSitAtTheDocumentedOffsets) {
  std::int32_t first = NewChartId(), second = NewChartId();
  currentRecord = DistinctRecord();
  currentRecord.id = first;
  ASSERT_TRUE(StoreChart(first));
  currentRecord = store_test::MakeRecord(u"Second");
  currentRecord.id = second;
  ASSERT_TRUE(StoreChart(second));
  ASSERT_TRUE(store_test::SaveWholeStore());

  Bytes f = store_test::ReadBytes(ChartFilePath());
  ASSERT_EQ(f.size(), 16u + 2 * 452);
  EXPECT_EQ(U32At(f, 0), 100u);
  EXPECT_EQ(U32At(f, 4), store_test::ReferenceFileChecksum(f));
  EXPECT_EQ(U32At(f, 4) >> 31, 0u);
  EXPECT_EQ(U32At(f, 8), 7u);   // lastId
  EXPECT_EQ(U32At(f, 12), 1u);  // changed: records were stored since the load

  const std::size_t s = 16;
  EXPECT_EQ(U32At(f, s + 0), 6u);
  EXPECT_EQ(U16At(f, s + 4), store_test::ReferenceRecordCheck(f, s));
  EXPECT_EQ(TextAt(f, s + 6, 33), u"Émile Ωmega");
  EXPECT_EQ(f[s + 6], 0xC9);  // UTF-16LE: low byte first
  EXPECT_EQ(f[s + 7], 0x00);
  EXPECT_EQ(f[s + 6 + 2 * 6 + 1], 0x03);  // Ω is U+03A9
  EXPECT_EQ(f[s + 72], 2);
  EXPECT_EQ(U16At(f, s + 74), 2129);
  EXPECT_EQ(f[s + 76], 12);
  EXPECT_EQ(f[s + 77], 31);
  EXPECT_EQ(f[s + 78], 23);
  EXPECT_EQ(f[s + 79], 59);
  EXPECT_EQ(f[s + 80], 1);
  EXPECT_EQ(TextAt(f, s + 82, 49), u"Österreich");
  EXPECT_EQ(TextAt(f, s + 180, 49), u"Tirol");
  EXPECT_EQ(TextAt(f, s + 278, 66), u"Innsbruck");
  EXPECT_EQ(f[s + 410], 0x02);
  EXPECT_EQ(f[s + 411], 0x01);
  EXPECT_EQ(f[s + 412], 59);
  EXPECT_EQ(U32At(f, s + 416), 0x11121314u);
  EXPECT_EQ(U16At(f, s + 420), 0x0304);
  EXPECT_EQ(f[s + 422], 58);
  EXPECT_EQ(U32At(f, s + 424), 0x21222324u);
  EXPECT_EQ(f[s + 428], 2);
  EXPECT_EQ(f[s + 429], 30);
  EXPECT_EQ(U32At(f, s + 432), 0x31323334u);
  EXPECT_EQ(f[s + 436], 11);
  EXPECT_EQ(f[s + 437], 45);
  EXPECT_EQ(U32At(f, s + 440), 0x41424344u);
  EXPECT_EQ(U32At(f, s + 444), 0x51525354u);
  EXPECT_EQ(f[s + 448], 0x34);
  EXPECT_EQ(f[s + 449], 0x12);
  EXPECT_EQ(f[s + 450], 15);
  EXPECT_EQ(f[s + 451], 10);
  for (std::size_t pad : {73, 81, 413, 414, 415, 423, 430, 431, 438, 439}) {
    EXPECT_EQ(f[s + pad], 0) << "padding at " << pad;  // a new slot starts all zero
  }

  const std::size_t t = 16 + 452;
  EXPECT_EQ(U32At(f, t), 7u);
  EXPECT_EQ(U16At(f, t + 4), store_test::ReferenceRecordCheck(f, t));
  EXPECT_EQ(TextAt(f, t + 6, 33), u"Second");
  EXPECT_EQ(TextAt(f, t + 278, 66), u"München");
}

// Padding and the units behind a string's NUL are nobody's business, but a
// store writes only the fields, so whatever stood there stays.
TEST_F(ChartFileLayoutTest, StoringAnEditedChartKeepsPaddingAndStaleUnits) {
  Bytes file = EmptyFile(1);
  const std::size_t s = 16;
  PutU32At(file, s, 9);
  PutU32At(file, 8, 9);
  const char16_t name[] = u"Ab\0stale";
  for (int i = 0; i < 8; ++i) PutU16At(file, s + 6 + 2 * i, name[i]);
  for (std::size_t pad : {73, 81, 413, 414, 415, 423, 430, 431, 438, 439}) file[s + pad] = 0xAA;
  store_test::SealChartFile(file);
  LoadFile(file);
  EXPECT_EQ(LastErrorCode(), 0);

  ASSERT_TRUE(FetchChart(9));
  EXPECT_EQ(std::u16string(currentRecord.name), u"Ab");
  currentRecord.hour = 17;
  ASSERT_TRUE(StoreChart(9));
  ASSERT_TRUE(store_test::SaveWholeStore());
  Bytes saved = store_test::ReadBytes(ChartFilePath());
  ASSERT_EQ(saved.size(), file.size());
  EXPECT_EQ(saved[s + 78], 17);
  for (std::size_t pad : {73, 81, 413, 414, 415, 423, 430, 431, 438, 439}) {
    EXPECT_EQ(saved[s + pad], 0xAA) << "padding at " << pad;
  }
  EXPECT_EQ(TextAt(saved, s + 6 + 2 * 3, 5), u"stale");
}

TEST_F(ChartFileLayoutTest, StringsFillingTheirFieldsAreCutByOneUnit) {
  Bytes file = EmptyFile(1);
  const std::size_t s = 16;
  PutU32At(file, s, 6);
  PutU32At(file, 8, 6);
  for (int i = 0; i < 33; ++i) PutU16At(file, s + 6 + 2 * i, 'N');
  for (int i = 0; i < 49; ++i) PutU16At(file, s + 82 + 2 * i, 'C');
  for (int i = 0; i < 49; ++i) PutU16At(file, s + 180 + 2 * i, 'S');
  for (int i = 0; i < 66; ++i) PutU16At(file, s + 278 + 2 * i, 'T');
  store_test::SealChartFile(file);
  LoadFile(file);
  EXPECT_EQ(LastErrorCode(), 0);
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(std::u16string(currentRecord.name), std::u16string(32, u'N'));
  EXPECT_EQ(std::u16string(currentRecord.country), std::u16string(48, u'C'));
  EXPECT_EQ(std::u16string(currentRecord.state), std::u16string(48, u'S'));
  EXPECT_EQ(std::u16string(currentRecord.city), std::u16string(65, u'T'));
}

TEST_F(ChartFileLayoutTest, ShortFilesLoadAsRepairedEmptyStores) {
  for (std::size_t length : {0, 7, 16, 16 + 100}) {
    Bytes file = EmptyFile(1);
    PutU32At(file, 16, 6);  // a chart whose slot is cut short below
    for (int i = 0; i < 10; ++i) PutU16At(file, 16 + 278 + 2 * i, 'c');
    store_test::SealChartFile(file);
    file.resize(length);
    ClearErrorLog();
    LoadFile(file);
    EXPECT_EQ(LastErrorCode(), 603) << length;
    EXPECT_LE(CountCharts(), 1) << length;
    EXPECT_GE(chartStore.LastId(), 5) << length;
  }
}

TEST_F(ChartFileLayoutTest, BytesBeyondTheLongestFileAreIgnored) {
  Bytes file = EmptyFile(200);
  for (int i = 0; i < 200; ++i) PutU32At(file, 16 + 452 * static_cast<std::size_t>(i), 6 + i);
  PutU32At(file, 8, 205);
  store_test::SealChartFile(file);
  file.insert(file.end(), 5000, 0x5A);
  LoadFile(file);
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(CountCharts(), 200);
  EXPECT_EQ(ChartIdAt(199), 205);
}

// A file can claim any lastId; new ids stay above the samples and above
// every stored id, and run out rather than overflow.
TEST_F(ChartFileLayoutTest, NewIdsNeverRepeatOrOverflowWhateverTheFileClaims) {
  Bytes file = EmptyFile(1);
  PutU32At(file, 16, 40);
  PutU32At(file, 8, static_cast<std::uint32_t>(-7));
  store_test::SealChartFile(file);
  LoadFile(file);
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(NewChartId(), 41);

  PutU32At(file, 8, INT_MAX);
  store_test::SealChartFile(file);
  LoadFile(file);
  EXPECT_EQ(CountCharts(), 1);
  EXPECT_FALSE(HasFreeSlot());
  EXPECT_EQ(NewChartId(), -1);
  EXPECT_EQ(CountCharts(), 1);
}

TEST_F(ChartFileLayoutTest, RepairDropsRecordsWhoseCheckIsNeitherValue) {
  Bytes file = EmptyFile(2);
  PutU32At(file, 16, 6);
  PutU32At(file, 16 + 452, 7);
  PutU32At(file, 8, 7);
  store_test::SealChartFile(file);
  PutU16At(file, 16 + 4, 0x0001);  // no record check has this value
  file[9] ^= 0xFF;                 // and the header's lastId is damaged
  LoadFile(file);
  EXPECT_EQ(LastErrorCode(), 603);
  EXPECT_EQ(CountCharts(), 1);
  EXPECT_EQ(ChartIdAt(0), 7);  // moved forward into the freed slot
  EXPECT_EQ(chartStore.LastId(), 7);
}

void KillSelf() { std::raise(SIGKILL); }

// A writer killed after the temporary file is complete but before the rename
// leaves the chart file as it was.
TEST_F(ChartFileLayoutTest, WriterKilledBeforeTheRenameLeavesTheOldFile) {
  currentRecord = store_test::MakeRecord(u"old");
  currentRecord.id = NewChartId();
  ASSERT_TRUE(StoreChart(currentRecord.id));
  ASSERT_TRUE(store_test::SaveWholeStore());
  const Bytes before = store_test::ReadBytes(ChartFilePath());

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SetBeforeRenameHook(KillSelf);
    std::vector<ChartChange> add{{ChartChange::Kind::Add, 0, store_test::MakeRecord(u"new")}};
    SaveChartChanges(add);
    _exit(0);  // not reached when the hook runs
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);

  std::filesystem::path temp = ChartFilePath();
  temp += ".tmp-" + std::to_string(child);
  EXPECT_EQ(store_test::ReadBytes(temp).size(), 16u + 2 * 452);  // the new file was complete
  EXPECT_EQ(store_test::ReadBytes(ChartFilePath()), before);
  ASSERT_TRUE(LoadChartFile());
  EXPECT_EQ(LastErrorCode(), 0);
  EXPECT_EQ(CountCharts(), 1);
  EXPECT_FALSE(std::filesystem::exists(temp));  // the next open removes what the killed writer left
}

}  // namespace
}  // namespace orrery
