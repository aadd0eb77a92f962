// orrery-cli under faults, run as the real binary: chart files it cannot
// read, many writers at once, writers killed mid-write, ids beyond 32 bits,
// and inputs that are folders, devices or far too large.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

const std::string Bin = ORRERY_BIN_DIR;
constexpr long MaxInputKiB = 100 * 1024;  // no input may take more than about 100 MB

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Measured {
  int status = -1;
  long peakKiB = 0;  // the command's maximum resident set, from GNU time
  std::string err;
};

// A shell command run under /usr/bin/time, which forks it from its own small
// process (a child forked from this test would start from the test's size).
Measured RunMeasured(const std::string& command, const fs::path& dir) {
  Measured m;
  const fs::path peak = dir / "peak", err = dir / "err";
  const std::string timed = "/usr/bin/time -f %M -o '" + peak.string() + "' " + command +
                            " >/dev/null 2>'" + err.string() + "'";
  const int status = std::system(timed.c_str());
  m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // The last line (a first one tells of a non-zero exit).
  const std::string report = ReadText(peak);
  const std::size_t line = report.find_last_of('\n', report.size() >= 2 ? report.size() - 2 : 0);
  m.peakKiB = std::atol(report.c_str() + (line == std::string::npos ? 0 : line + 1));
  m.err = ReadText(err);
  return m;
}

constexpr const char* Chart = "--date 1950-03-01 --time 09:05 --lat 48N08 --lon 11E34";

class ChartsFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orrery-faults-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    fs::create_directory(Home());
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Home() const { return dir_ / "home"; }
  fs::path ChartFile() const { return Home() / "qastrology.dat"; }
  std::string Cli() const { return Bin + "/orrery-cli charts --home '" + Home().string() + "' "; }
  orrery::cli_test::CliRun Run(const std::string& arguments) {
    return orrery::cli_test::RunOrreryCli("charts --home '" + Home().string() + "' " + arguments);
  }
  void Add(const std::string& name) {
    ASSERT_EQ(Run("add --name '" + name + "' " + Chart).status, 0);
  }
  // The ids `list --json` shows.
  std::multiset<int> Ids() {
    std::multiset<int> ids;
    const std::string out = Run("list --json").out;
    for (std::size_t at = 0; (at = out.find("\"id\":", at)) != std::string::npos; at += 5)
      ids.insert(std::atoi(out.c_str() + at + 5));
    return ids;
  }
  std::size_t TempFiles() const {
    std::size_t count = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(Home()))
      count += e.path().filename().string().find(".tmp-") != std::string::npos;
    return count;
  }

  fs::path dir_;
};

// Runs a command as an unprivileged user, for whom file permissions count;
// empty when this process is root and cannot switch.
std::string AsUnprivileged() {
  if (geteuid() != 0) return "";
  return "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
}

TEST_F(ChartsFaultsTest, AChartFileThatCannotBeReadStopsEveryCommandAndStaysAsItIs) {
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    bool unprivileged;
  } cases[] = {
      {"no permission", [](const fs::path& p) {
         std::ofstream(p) << "charts the user may not read";
         fs::permissions(p, fs::perms::none);
       }, true},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false},
      {"a FIFO", [](const fs::path& p) { mkfifo(p.c_str(), 0666); }, false},
      {"a dangling link", [](const fs::path& p) { fs::create_symlink("nowhere.dat", p); }, false},
      {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false},
  };
  if (geteuid() == 0 && std::system("setpriv --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "running as root without setpriv: no unprivileged user to test permissions with";
  fs::permissions(dir_, fs::perms::all);
  fs::permissions(Home(), fs::perms::all);
  // Copies of the programs the unprivileged user can surely run (the build
  // may lie in a folder only root may enter).
  const fs::path bin = dir_ / "bin";
  fs::create_directory(bin);
  for (const char* program : {"orrery", "orrery-cli"}) fs::copy_file(fs::path(Bin) / program, bin / program);
  // The program only looks: it closes the notice about the file and quits.
  const fs::path look = dir_ / "look.script";
  std::ofstream(look) << "ok\nquit\n";
  fs::permissions(look, fs::perms::all);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(ChartFile());
    c.make(ChartFile());
    const fs::file_status before = fs::symlink_status(ChartFile());
    const std::string bytes = fs::is_regular_file(before) ? ReadText(ChartFile()) : "";
    const std::string user = c.unprivileged ? AsUnprivileged() : "";
    const std::string cli = bin.string() + "/orrery-cli charts --home '" + Home().string() + "' ";
    for (const std::string& action : {std::string("add --name X ") + Chart, std::string("list")}) {
      Measured r = RunMeasured(user + cli + action, dir_);
      EXPECT_EQ(r.status, 1) << action << ": " << r.err;
      EXPECT_NE(r.err.find("cannot read " + ChartFile().string()), std::string::npos) << r.err;
    }
    Measured program = RunMeasured(user + bin.string() + "/orrery --headless --home '" + Home().string() +
                                       "' --script " + look.string(), dir_);
    EXPECT_EQ(program.status, 0) << program.err;
    EXPECT_EQ(fs::symlink_status(ChartFile()).type(), before.type());
    EXPECT_EQ(fs::symlink_status(ChartFile()).permissions(), before.permissions());
    if (fs::is_regular_file(before)) {
      EXPECT_EQ(ReadText(ChartFile()), bytes);
    }
    EXPECT_EQ(TempFiles(), 0u);
  }
}

TEST_F(ChartsFaultsTest, ConcurrentWritersLoseNothingAndShareNoId) {
  // 40 adds at once, then 20 deletions of them beside 20 more adds.
  auto adds = [&](const std::string& label, int count) {
    std::string commands;
    for (int i = 0; i < count; ++i)
      commands += Cli() + "add --name '" + label + " " + std::to_string(i) + "' " + Chart + " >/dev/null & ";
    return commands;
  };
  ASSERT_EQ(std::system((adds("first", 40) + "wait").c_str()), 0);
  std::multiset<int> first = Ids();
  EXPECT_EQ(first.size(), 40u);
  EXPECT_EQ(std::set<int>(first.begin(), first.end()).size(), 40u);

  std::string mixed;
  std::set<int> kept;
  int n = 0;
  for (int id : first) {
    if (n++ % 2 == 0) {
      mixed += Cli() + "delete " + std::to_string(id) + " & ";
    } else {
      kept.insert(id);
    }
  }
  ASSERT_EQ(std::system((mixed + adds("second", 20) + "wait").c_str()), 0);
  std::multiset<int> after = Ids();
  EXPECT_EQ(after.size(), 40u);
  EXPECT_EQ(std::set<int>(after.begin(), after.end()).size(), 40u);
  for (int id : kept) EXPECT_EQ(after.count(id), 1u) << id;
  EXPECT_EQ(*after.rbegin(), 65);  // 60 ids handed out, none twice
  std::printf("concurrent adds: %zu charts with %zu distinct ids after 40 adds, then 20 deletions and 20 adds\n",
              first.size(), after.size());
}

TEST_F(ChartsFaultsTest, WritersKilledMidWriteLeaveNoDamageAndNoTemporaryFiles) {
  for (int i = 0; i < 5; ++i) Add("kept " + std::to_string(i));
  const std::string add = Cli() + "add --name killed " + Chart + " >/dev/null 2>&1";
  for (int i = 0; i < 30; ++i) {
    pid_t pid = fork();
    if (pid == 0) {
      execl("/bin/sh", "sh", "-c", ("exec " + add).c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    usleep(static_cast<useconds_t>((i * 997) % 6000));  // anywhere in its run
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  orrery::cli_test::CliRun verify = Run("verify");
  EXPECT_EQ(verify.status, 0) << verify.out;
  std::multiset<int> ids = Ids();  // an open: removes what killed writers left
  for (int id = 6; id <= 10; ++id) EXPECT_EQ(ids.count(id), 1u) << id;
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
  EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(ChartsFaultsTest, IdsBeyondTheStoredRangeAreUsageErrors) {
  Add("six");
  for (const char* action : {"delete", "show", "export"}) {
    for (const char* id : {"4294967302", "-4294967290", "99999999999999999999", "6x"}) {
      orrery::cli_test::CliRun r = Run(std::string(action) + " " + id + " --json");
      EXPECT_EQ(r.status, 2) << action << " " << id << ": " << r.err;
    }
  }
  EXPECT_EQ(Ids(), (std::multiset<int>{6}));
}

TEST_F(ChartsFaultsTest, InputsMustBeFilesAndTakeBoundedMemory) {
  const fs::path commas = dir_ / "commas.csv", values = dir_ / "values.json", huge = dir_ / "huge.json",
                 script = dir_ / "script.txt";
  std::ofstream(commas) << std::string(10 << 20, ',') << "\n";
  std::ofstream(values) << "[" << [] {
    std::string s;
    for (int i = 0; i < 3 << 19; ++i) s += "0,";
    return s;
  }() << "0]";
  std::ofstream(huge) << "\"" << std::string(5 << 20, 'x') << "\"";
  std::ofstream(script) << std::string(17 << 20, '#');
  const std::string cli = Bin + "/orrery-cli ", program = Bin + "/orrery --headless --home '" + Home().string() + "' ";
  const struct {
    std::string command;
    int status;
    const char* says;
  } cases[] = {
      {cli + "chart --batch " + dir_.string(), 2, "is a folder, not a file"},
      {cli + "chart --batch /dev/zero", 2, "is not a regular file"},
      {cli + "chart --batch - </dev/zero", 1, ""},  // one endless line: reported on standard output
      {cli + "chart --batch - <" + commas.string(), 1, ""},
      {cli + "atlas entry --batch " + dir_.string(), 2, "is a folder, not a file"},
      {cli + "atlas entry --batch - </dev/zero", 1, ""},
      {Cli() + "import " + dir_.string(), 2, "is a folder, not a file"},
      {Cli() + "import " + values.string(), 2, "more than 100000 values"},
      {Cli() + "import " + huge.string(), 2, "larger than 4 MB"},
      {program + "--script " + dir_.string(), 2, "is a folder, not a file"},
      {program + "--script /dev/zero", 2, "is not a regular file"},
      {program + "--script " + script.string(), 2, "longer than 65536 bytes"},
  };
  for (const auto& c : cases) {
    Measured r = RunMeasured(c.command, dir_);
    EXPECT_EQ(r.status, c.status) << c.command << ": " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.command << ": " << r.err;
    EXPECT_GT(r.peakKiB, 0) << c.command;
    EXPECT_LT(r.peakKiB, MaxInputKiB) << c.command;
    std::printf("peak memory %6ld KiB: %s\n", r.peakKiB, c.command.substr(Bin.size() + 1).c_str());
  }
  EXPECT_FALSE(fs::exists(ChartFile()));
}

}  // namespace
