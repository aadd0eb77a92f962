// orrery-cli charts on a temporary home, run as the real binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using orrery::cli_test::CliRun;
using orrery::cli_test::RunOrreryCli;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class ChartsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orrery-charts-XXXXXX").string();
    home_ = mkdtemp(pattern.data());
  }
  void TearDown() override { fs::remove_all(home_); }

  // orrery-cli charts with these arguments on a home.
  CliRun Run(const std::string& arguments, const fs::path& home) {
    return RunOrreryCli("charts --home '" + home.string() + "' " + arguments);
  }
  CliRun Run(const std::string& arguments) { return Run(arguments, home_ / "data"); }

  fs::path ChartFile() const { return home_ / "data" / "qastrology.dat"; }

  fs::path home_;
};

constexpr const char* AddAda =
    "add --name 'Ada  Lovelace' --date 1950-03-01 --time 09:05 --lat 48N08 --lon 11E34 "
    "--zone +1:00 --dst -1:00 --city-name 'München' --state Bayern --country Germany --sex female";
constexpr const char* BobOptions =
    "--name 'Bob' --date 1880-02-29 --time 23:59 --julian --lat 22S18 --lon 64W41 --local-time "
    "--corr 7,km,WSW";
const std::string AddBob = std::string("add ") + BobOptions;

TEST_F(ChartsCommandTest, AddListExportAndImportIntoAnotherHome) {
  EXPECT_EQ(Run("list").out, "");
  CliRun ada = Run(AddAda);
  ASSERT_EQ(ada.status, 0) << ada.err;
  EXPECT_EQ(ada.out, "6\n");
  ASSERT_EQ(Run(AddBob).out, "7\n");
  EXPECT_EQ(fs::file_size(ChartFile()), 16u + 2 * 452);

  CliRun list = Run("list");
  EXPECT_EQ(list.out,
            "    6  Ada Lovelace                     1950-03-01 09:05  München, Bayern, Germany\n"
            "    7  Bob                              1880-02-29 23:59 Julian  22S18 64W41\n");
  EXPECT_EQ(Run("list --json").out,
            "[{\"id\":6,\"name\":\"Ada Lovelace\",\"date\":\"1950-03-01 09:05\","
            "\"place\":\"München, Bayern, Germany\"},{\"id\":7,\"name\":\"Bob\","
            "\"date\":\"1880-02-29 23:59 Julian\",\"place\":\"22S18 64W41\"}]\n");

  CliRun one = Run("export 7 --json");
  EXPECT_EQ(one.out,
            "{\"id\":7,\"name\":\"Bob\",\"sex\":0,\"year\":1880,\"month\":2,\"day\":29,\"hour\":23,"
            "\"minute\":59,\"calendar\":1,\"country\":\"\",\"state\":\"\",\"city\":\"\","
            "\"latDegrees\":22,\"latMinutes\":18,\"north\":0,\"lonDegrees\":64,\"lonMinutes\":41,"
            "\"east\":0,\"zoneHours\":0,\"zoneMinutes\":0,\"zonePlus\":1,\"dstHours\":0,"
            "\"dstMinutes\":0,\"dstPlus\":1,\"localTime\":1,\"corrDistance\":7,"
            "\"corrDirection\":13,\"corrUnit\":0}\n");

  CliRun all = Run("export all --json");
  WriteText(home_ / "all.json", all.out);
  CliRun imported = Run("import '" + (home_ / "all.json").string() + "'", home_ / "other");
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "6\n7\n");
  EXPECT_EQ(Run("export all --json", home_ / "other").out, all.out);
  EXPECT_EQ(ReadText(home_ / "other" / "qastrology.dat"), ReadText(ChartFile()));
}

TEST_F(ChartsCommandTest, ShowPrintsAsTheChartCommandDoes) {
  ASSERT_EQ(Run(AddBob).out, "6\n");
  for (std::string settings : {"", " --house-system koch --lang de", " --json"}) {
    CliRun shown = Run("show 6" + settings);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_GT(shown.out.size(), 200u);
    EXPECT_EQ(shown.out, RunOrreryCli(std::string("chart ") + BobOptions + settings).out) << settings;
  }
  // Sample ids show the built-in charts, as `chart --sample` computes them.
  CliRun sample = Run("show 2 --json");
  ASSERT_EQ(sample.status, 0);
  EXPECT_EQ(sample.out, RunOrreryCli("chart --sample 2 --json").out);
  EXPECT_NE(RunOrreryCli("chart --sample 0").out.find("Total Solar Eclipse 1999"), std::string::npos);
  EXPECT_EQ(RunOrreryCli("chart --sample 5").status, 2);
  EXPECT_EQ(RunOrreryCli("chart --sample 1 --name X").status, 2);
  EXPECT_EQ(Run("show 8").status, 1);
}

TEST_F(ChartsCommandTest, DeleteWritesAtOnceAndIdsAreNotReused) {
  Run(AddAda);
  Run(AddBob);
  EXPECT_EQ(Run("delete 6").status, 0);
  CliRun again = Run("delete 6");
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "orrery-cli: no stored chart with id 6\n");
  EXPECT_EQ(Run("delete 3").status, 1);  // a sample chart is never stored
  EXPECT_EQ(fs::file_size(ChartFile()), 16u + 452);
  EXPECT_EQ(Run(AddAda).out, "8\n");
  EXPECT_EQ(Run("delete").status, 2);
  EXPECT_EQ(Run("delete six").status, 2);
}

TEST_F(ChartsCommandTest, ImportRefusesBadInputAndStoresNothing) {
  Run(AddAda);
  const std::string before = ReadText(ChartFile());
  const std::string good =
      R"({"name":"Cy","year":2000,"month":1,"day":1,"hour":0,"minute":0,"latDegrees":1,)"
      R"("latMinutes":0,"north":1,"lonDegrees":1,"lonMinutes":0,"east":1})";
  auto with = [&](const std::string& member) {
    return good.substr(0, good.size() - 1) + "," + member + "}";
  };
  const std::pair<std::string, std::string> cases[] = {
      {"{", "offset 1: expected a member name"},
      {"[" + good + ",{\"name\":\"Dee\"}]", "chart 2: missing \"year\""},
      {with("\"colour\":1"), "chart 1: unknown member \"colour\""},
      {with("\"sex\":3"), "\"sex\" must be 0 (neutral), 1 (male) or 2 (female)"},
      {with("\"calendar\":1.5"), "\"calendar\" must be a whole number"},
      {with("\"city\":7"), "\"city\" must be a string"},
      {with("\"city\":\"a\\u0000b\""), "\"city\" holds a NUL character"},
      {with("\"zoneHours\":-1"), "no negative values"},
      {with("\"corrUnit\":11"), "\"corrUnit\" must be 0..10"},
      {with("\"country\":\"" + std::string(49, 'x') + "\""),
       "\"country\" is longer than 48 characters"},
      {R"({"name":"Cy","year":2001,"month":2,"day":29,"hour":0,"minute":0,"latDegrees":1,)"
       R"("latMinutes":0,"north":1,"lonDegrees":1,"lonMinutes":0,"east":1})",
       "day 29 out of range 1..28"},
      {R"({"name":"                                Thirty-two characters long name","year":2001,)"
       R"("month":1,"day":1,"hour":0,"minute":0,"latDegrees":1,"latMinutes":0,"north":1,)"
       R"("lonDegrees":1,"lonMinutes":0,"east":1})",
       "\"name\" is longer than 31 characters"},
      {"[1]", "chart 1: a chart must be a JSON object"},
  };
  for (const auto& [text, message] : cases) {
    WriteText(home_ / "in.json", text);
    CliRun r = Run("import '" + (home_ / "in.json").string() + "'");
    EXPECT_EQ(r.status, 2) << text;
    EXPECT_NE(r.err.find(message), std::string::npos) << text << "\n" << r.err;
    EXPECT_EQ(r.out, "") << text;
    EXPECT_EQ(ReadText(ChartFile()), before) << text;
  }
  EXPECT_EQ(Run("import '" + (home_ / "none.json").string() + "'").status, 2);
}

TEST_F(ChartsCommandTest, ImportBeyondTwoHundredChartsIsRefusedWhole) {
  std::string many = "[";
  for (int i = 0; i < 200; ++i) {
    many += std::string(i ? "," : "") +
            R"({"name":"N","year":2000,"month":1,"day":1,"hour":0,"minute":0,"latDegrees":1,)"
            R"("latMinutes":0,"north":1,"lonDegrees":1,"lonMinutes":0,"east":1})";
  }
  WriteText(home_ / "many.json", many + "]");
  Run(AddAda);
  CliRun full = Run("import '" + (home_ / "many.json").string() + "'");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "orrery-cli: the store has room for 199 more charts, not 200\n");
  EXPECT_EQ(fs::file_size(ChartFile()), 16u + 452);
  ASSERT_EQ(Run("delete 6").status, 0);
  ASSERT_EQ(Run("import '" + (home_ / "many.json").string() + "'").status, 0);
  EXPECT_EQ(fs::file_size(ChartFile()), 90416u);
  CliRun more = Run(AddAda);
  EXPECT_EQ(more.status, 1);
  EXPECT_EQ(more.err, "orrery-cli: the store has room for 0 more charts, not 1\n");
}

TEST_F(ChartsCommandTest, VerifyReportsDamageWithoutChangingTheFile) {
  Run(AddAda);
  Run(AddBob);
  CliRun clean = Run("verify");
  EXPECT_EQ(clean.status, 0);
  EXPECT_NE(clean.out.find("920 bytes, 2 slots, checksum valid"), std::string::npos) << clean.out;
  EXPECT_NE(clean.out.find("no problems found"), std::string::npos);

  std::string bytes = ReadText(ChartFile());
  bytes[16 + 452 + 300] ^= 0x40;  // inside the second record's city
  bytes += "tail";
  WriteText(ChartFile(), bytes);
  CliRun damaged = Run("verify");
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.out.find("checksum INVALID"), std::string::npos) << damaged.out;
  // The four bytes behind the last record read as the id of a third one.
  EXPECT_NE(damaged.out.find("file: file is 924 bytes, 1372 expected for its records"),
            std::string::npos)
      << damaged.out;
  EXPECT_NE(damaged.out.find("slot 2 (id 1818845556): the file ends inside this record"),
            std::string::npos)
      << damaged.out;
  EXPECT_EQ(ReadText(ChartFile()), bytes);

  CliRun list = Run("list");
  EXPECT_NE(list.err.find("is damaged: "), std::string::npos) << list.err;
  EXPECT_NE(list.out.find("Ada Lovelace"), std::string::npos);
  EXPECT_EQ(Run("verify", home_ / "nowhere").status, 1);
}

TEST_F(ChartsCommandTest, AddTakesAnAtlasCity) {
  CliRun added = Run("add --name 'Ulm chart' --date 2003-07-01 --time 12:00 --city Ulm");
  ASSERT_EQ(added.status, 0) << added.err;
  CliRun exported = Run("export 6 --json");
  EXPECT_NE(exported.out.find("\"country\":\"Germany\""), std::string::npos) << exported.out;
  EXPECT_NE(exported.out.find("\"dstHours\":1,\"dstMinutes\":0,\"dstPlus\":0"),
            std::string::npos)
      << exported.out;
  CliRun both = Run("add --name X --date 2003-07-01 --time 12:00 --city Ulm --country France");
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.err, "orrery-cli: --country names a typed place (not with --city)\n");
}

TEST_F(ChartsCommandTest, BadUsageExitsWithTwo) {
  EXPECT_EQ(Run("").status, 2);
  EXPECT_EQ(Run("sort").err, "orrery-cli: unknown charts action 'sort'\n");
  EXPECT_EQ(Run("export all").err, "orrery-cli: export writes JSON only: add --json\n");
  EXPECT_EQ(Run("list --yaml").status, 2);
  EXPECT_EQ(Run("add --name X --date 2000-02-30 --time 00:00 --lat 1N00 --lon 1E00").status, 2);
  EXPECT_FALSE(fs::exists(ChartFile()));
}

}  // namespace
