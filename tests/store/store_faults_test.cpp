// The chart store under faults: files it cannot read, damaged files, links,
// a full disk, and changes made while the file is out of reach.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "store/chart_changes.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/store_notice.h"
#include "store_test_support.h"

namespace orrery {
namespace {

namespace fs = std::filesystem;
using store_test::Bytes;

class StoreFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetChartStore(chartStore);
    ResetChartChanges();
    TakeStoreNotice();
  }
  void TearDown() override { ResetChartChanges(); }

  // A chart file holding charts of these names (ids 6, 7, ...).
  void SaveCharts(std::initializer_list<std::u16string_view> names) {
    ResetChartStore(chartStore);
    for (std::u16string_view name : names) {
      currentRecord = store_test::MakeRecord(name);
      currentRecord.id = NewChartId();
      ASSERT_TRUE(StoreChart(currentRecord.id));
    }
    ASSERT_TRUE(store_test::SaveWholeStore());
  }

  SaveResult Add(std::u16string_view name, std::int32_t* id = nullptr) {
    std::vector<ChartChange> changes{{ChartChange::Kind::Add, 0, store_test::MakeRecord(name)}};
    SaveResult result = SaveChartChanges(changes);
    if (id != nullptr) *id = changes[0].id;
    return result;
  }

  // The names of the charts in the file as it is now.
  std::vector<std::u16string> NamesInFile() {
    LoadChartFile();
    std::vector<std::u16string> names;
    for (int i = 0; i < StoreSlotCount; ++i) {
      if (ChartIdAt(i) > 0 && FetchChart(ChartIdAt(i))) names.push_back(currentRecord.name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path Path() const { return ChartFilePath(); }
  store_test::TempHome home;
};

// What stands at the chart file's place, and a look at it that must not change.
struct Unreadable {
  const char* what;
  std::function<void(const fs::path&)> make;
};

TEST_F(StoreFaultsTest, AFileThatCannotBeReadIsNeverWrittenOver) {
  const Unreadable cases[] = {
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
      {"a FIFO", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
      {"a dangling link", [](const fs::path& p) { fs::create_symlink(p.string() + ".gone", p); }},
      {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
  };
  for (const Unreadable& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Path());
    c.make(Path());
    const fs::file_status before = fs::symlink_status(Path());
    const fs::path target = fs::is_symlink(before) ? fs::read_symlink(Path()) : fs::path();
    EXPECT_FALSE(LoadChartFile());
    EXPECT_EQ(LastChartFileStatus().state, ChartFileStatus::State::Unreadable);
    EXPECT_FALSE(LastChartFileStatus().problem.empty());
    EXPECT_NE(LoadNotice(LastChartFileStatus(), Path()).find(Path().string()), std::string::npos);

    std::int32_t id = 0;
    EXPECT_EQ(Add(u"kept in memory", &id), SaveResult::Failed);
    EXPECT_EQ(LastErrorCode(), 601);
    EXPECT_TRUE(ChartChangesWaiting());
    EXPECT_TRUE(FetchChart(id));  // the change stays in memory
    EXPECT_EQ(fs::symlink_status(Path()).type(), before.type());
    if (!target.empty()) {
      EXPECT_EQ(fs::read_symlink(Path()), target);
    }
    ResetChartChanges();
  }
}

TEST_F(StoreFaultsTest, ADamagedFileIsCopiedAsideOnceAndLeftUntilAChange) {
  const struct {
    const char* what;
    std::function<void(Bytes&)> damage;
  } cases[] = {
      {"random bytes", [](Bytes& b) { for (std::size_t i = 0; i < b.size(); ++i) b[i] = std::uint8_t(i * 131 + 7); }},
      {"a record's bytes", [](Bytes& b) { b[16 + 452 + 100] ^= 0x01; b[16 + 452 + 101] ^= 0x80; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const fs::directory_entry& e : fs::directory_iterator(home.Path())) fs::remove_all(e.path());
    SaveCharts({u"one", u"two", u"three"});
    Bytes damaged = store_test::ReadBytes(Path());
    c.damage(damaged);
    store_test::WriteBytes(Path(), damaged);

    for (int look = 0; look < 2; ++look) {  // two looks, one copy
      ASSERT_TRUE(LoadChartFile());
      ASSERT_EQ(LastChartFileStatus().state, ChartFileStatus::State::Repaired);
    }
    const fs::path copy = LastChartFileStatus().damagedCopy;
    ASSERT_FALSE(copy.empty());
    EXPECT_TRUE(copy.filename().string().starts_with("qastrology.dat.damaged-")) << copy;
    EXPECT_EQ(store_test::ReadBytes(copy), damaged);
    EXPECT_NE(LoadNotice(LastChartFileStatus(), Path()).find(copy.filename().string()), std::string::npos);
    int copies = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(home.Path()))
      copies += e.path().filename().string().find(".damaged-") != std::string::npos;
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(store_test::ReadBytes(Path()), damaged);  // looking repairs nothing on disk

    ASSERT_EQ(Add(u"four"), SaveResult::Saved);
    ASSERT_TRUE(LoadChartFile());
    EXPECT_EQ(LastChartFileStatus().state, ChartFileStatus::State::Read);  // repaired now
    EXPECT_EQ(store_test::ReadBytes(copy), damaged);
  }
}

TEST_F(StoreFaultsTest, ALinkedChartFileIsWrittenThrough) {
  const fs::path elsewhere = home.Path() / "elsewhere";
  fs::create_directory(elsewhere);
  SaveCharts({u"one"});
  fs::rename(Path(), elsewhere / "charts.dat");
  fs::create_symlink(elsewhere / "charts.dat", Path());
  ASSERT_TRUE(LoadChartFile());
  ASSERT_EQ(Add(u"two"), SaveResult::Saved);
  EXPECT_TRUE(fs::is_symlink(Path()));
  EXPECT_EQ(fs::file_size(elsewhere / "charts.dat"), 16u + 2 * 452);
  EXPECT_EQ(NamesInFile(), (std::vector<std::u16string>{u"one", u"two"}));
  for (const fs::directory_entry& e : fs::directory_iterator(elsewhere))
    EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
}

// A failed save keeps the change in memory, says so, and the next change
// saves both; an added chart whose id another process gave meanwhile takes
// the next free one.
TEST_F(StoreFaultsTest, AFailedSaveWaitsForTheNextChange) {
  SaveCharts({u"one"});
  ASSERT_TRUE(LoadChartFile());
  fs::path blocker = Path();
  blocker += ".tmp-" + std::to_string(getpid());
  fs::create_directory(blocker);  // where the temporary file would go
  std::int32_t waitingId = 0;
  ASSERT_EQ(Add(u"waiting", &waitingId), SaveResult::Failed);
  EXPECT_EQ(waitingId, 7);
  const std::string notice = TakeStoreNotice();
  EXPECT_NE(notice.find("Charts not saved"), std::string::npos) << notice;
  EXPECT_NE(notice.find(Path().string()), std::string::npos) << notice;
  EXPECT_EQ(FailedChartSaves(), 1);
  fs::remove(blocker);

  // Meanwhile another process stores a chart, taking id 7.
  auto mine = std::make_unique<ChartStore>(chartStore);
  SaveCharts({u"one", u"other process"});
  chartStore = *mine;

  std::int32_t laterId = 0;
  ASSERT_EQ(Add(u"later", &laterId), SaveResult::Saved);
  EXPECT_FALSE(ChartChangesWaiting());
  EXPECT_EQ(NamesInFile(), (std::vector<std::u16string>{u"later", u"one", u"other process", u"waiting"}));
  EXPECT_TRUE(FetchChart(8));
  EXPECT_EQ(std::u16string(currentRecord.name), u"waiting");  // renumbered from 7
  EXPECT_EQ(laterId, 9);
}

// A disk that is full: a small tmpfs where this process may mount one,
// otherwise a file-size limit makes every write fail the same way.
class FullDisk {
 public:
  explicit FullDisk(const fs::path& home) : mount_(home / "full") {
    fs::create_directory(mount_);
    mounted_ = ::mount("tmpfs", mount_.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (!mounted_) {
      ::signal(SIGXFSZ, SIG_IGN);
      ::getrlimit(RLIMIT_FSIZE, &saved_);
    }
  }
  ~FullDisk() {
    if (mounted_) ::umount2(mount_.c_str(), MNT_DETACH);
  }
  const fs::path& Home() const { return mount_; }
  // Fills the disk (or limits the size of files) from now on.
  void Fill() {
    if (mounted_) {
      std::ofstream filler(mount_ / "filler", std::ios::binary);
      std::vector<char> block(4096, 'x');
      while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush()) {
      }
    } else {
      rlimit small{100, saved_.rlim_max};
      ::setrlimit(RLIMIT_FSIZE, &small);
    }
  }
  void Free() {
    if (mounted_) {
      fs::remove(mount_ / "filler");
    } else {
      ::setrlimit(RLIMIT_FSIZE, &saved_);
    }
  }

 private:
  fs::path mount_;
  bool mounted_ = false;
  rlimit saved_{};
};

TEST_F(StoreFaultsTest, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
  FullDisk disk(home.Path());
  SetStoreHome(disk.Home());
  SaveCharts({u"one"});
  const Bytes before = store_test::ReadBytes(Path());
  disk.Fill();
  EXPECT_EQ(Add(u"two"), SaveResult::Failed);
  disk.Free();
  EXPECT_EQ(store_test::ReadBytes(Path()), before);
  EXPECT_TRUE(ChartChangesWaiting());
  EXPECT_EQ(SaveWaitingChanges(), SaveResult::Saved);
  EXPECT_EQ(NamesInFile(), (std::vector<std::u16string>{u"one", u"two"}));
  SetStoreHome(home.Path());
}

}  // namespace
}  // namespace orrery
