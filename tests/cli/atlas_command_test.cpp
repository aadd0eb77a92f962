// orrery-cli atlas and chart --city, run as the real binary.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "atlas/name_normalise.h"
#include "cli_run.h"
#include "foundation/wide_string.h"

namespace {

using orrery::cli_test::CliRun;

// Standard error merged into out.
CliRun Cli(const std::string& arguments) {
  return orrery::cli_test::RunOrreryCli(arguments, orrery::cli_test::Stderr::Merged);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The integer after "key": in a JSON object.
int JsonInt(const std::string& json, const std::string& key) {
  std::size_t at = json.find("\"" + key + "\":");
  return at == std::string::npos ? -999 : std::stoi(json.substr(at + key.size() + 3));
}

// local - UT in minutes from an entry object.
int OffsetMinutes(const std::string& json) {
  int zone = JsonInt(json, "zoneHours") * 60 + JsonInt(json, "zoneMinutes");
  int dst = JsonInt(json, "dstHours") * 60 + JsonInt(json, "dstMinutes");
  return (JsonInt(json, "zonePlus") ? zone : -zone) - (JsonInt(json, "dstPlus") ? dst : -dst);
}

TEST(AtlasCommand, SearchListsEightCitiesFromTheTypedPrefix) {
  CliRun run = Cli("atlas search Ber");
  EXPECT_EQ(run.status, 0);
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u);
  // Every city listed begins with "ber" once normalised ("B'er Sheva'" too).
  for (const std::string& line : lines) {
    EXPECT_EQ(orrery::Normalised(orrery::FromUtf8(line.substr(0, 32)).c_str()).View().substr(0, 3), u"ber")
        << line;
  }
  // Both spellings normalise to "st gallen".
  run = Cli("atlas search 'Sankt Gallen'");
  EXPECT_EQ(run.out, Cli("atlas search 'St. Gallen'").out);
  EXPECT_NE(Lines(run.out).at(0).find("Switzerland"), std::string::npos) << run.out;
  EXPECT_EQ(Cli("atlas search").status, 2);
  EXPECT_EQ(Cli("atlas nonsense").status, 2);
}

TEST(AtlasCommand, CityNeedsTheExactPosition) {
  // Ulm, Germany: GeoNames 48.39841 N, 9.99155 E.
  CliRun run = Cli("atlas city ulm --lat 48N24 --lon 9E59");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Germany"), std::string::npos) << run.out;
  run = Cli("atlas city Ulm --lat 48N24 --lon 10E00");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("no city named 'Ulm'"), std::string::npos) << run.out;
  EXPECT_EQ(Cli("atlas city Ulm --lat 48X24 --lon 10E00").status, 2);
}

TEST(AtlasCommand, EntryForAMomentAsJsonAndText) {
  // Central European Summer Time: zone +1:00, daylight saving 1 hour.
  CliRun run = Cli("atlas entry --name München --moment 2003-07-01T12:00 --json");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("\"country\":\"Germany\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"city\":\"München\""), std::string::npos);
  EXPECT_EQ(JsonInt(run.out, "latDeg"), 48);
  EXPECT_EQ(JsonInt(run.out, "north"), 1);
  EXPECT_EQ(OffsetMinutes(run.out), 120);
  EXPECT_EQ(JsonInt(run.out, "localMeanTime"), 0);
  EXPECT_EQ(JsonInt(run.out, "dateGap"), 0);
  // Several Springfields: the one nearest to --near, Illinois (Central time).
  run = Cli("atlas entry --name Springfield --near 39.8,-89.6 --moment 2003-01-15T12:00 --json");
  EXPECT_NE(run.out.find("Illinois"), std::string::npos) << run.out;
  EXPECT_EQ(OffsetMinutes(run.out), -360);
  run = Cli("atlas entry --name Springfield --near 42.1,-72.6 --moment 2003-01-15T12:00 --json");
  EXPECT_NE(run.out.find("Massachusetts"), std::string::npos) << run.out;
  EXPECT_EQ(OffsetMinutes(run.out), -300);
  // The Julian-to-Gregorian changeover in Russia skipped 1 to 13 February 1918.
  run = Cli("atlas entry --name Moskva --moment 1918-02-05T12:00 --json");
  EXPECT_EQ(JsonInt(run.out, "dateGap"), 1) << run.out;
  run = Cli("atlas entry --name Ulm --moment 2003-07-01T12:00");
  EXPECT_NE(run.out.find("Zone              +1:00"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Daylight saving   -1:00"), std::string::npos);

  run = Cli("atlas entry --name Nowhere-on-Earth --moment 2003-07-01T12:00");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("no city named"), std::string::npos);
  EXPECT_EQ(Cli("atlas entry --name Ulm --moment 2003-13-01T12:00").status, 2);
  EXPECT_EQ(Cli("atlas entry --name Ulm").status, 2);
  EXPECT_EQ(Cli("atlas entry --name Ulm --near 100,0 --moment 2003-01-01T12:00").status, 2);
}

TEST(AtlasCommand, BatchAgreesWithTheZoneinfoFixture) {
  std::ifstream truth(ORRERY_SOURCE_DIR "/tests/data/atlas/tz_truth.tsv");
  std::string batchPath = ::testing::TempDir() + "atlas_batch.tsv";
  std::ofstream batch(batchPath);
  std::vector<std::string> expected;
  std::string line;
  while (std::getline(truth, line) && expected.size() < 60) {
    if (line[0] == '#') continue;
    std::size_t last = line.rfind('\t');
    batch << line.substr(0, last) << "\n";
    expected.push_back(line.substr(last + 1));
  }
  batch << "# a comment\n\nNowhere-on-Earth\t1\t2\t2000-01-01T00:00\nUlm\t48.4\n";
  batch.close();
  CliRun run = Cli("atlas entry --batch " + batchPath);
  EXPECT_EQ(run.status, 1);  // the two bad lines
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), expected.size() + 2);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    std::string got = JsonInt(lines[i], "localMeanTime") == 1 ? "LMT"
                                                                : std::to_string(OffsetMinutes(lines[i]));
    EXPECT_EQ(got, expected[i]) << lines[i];
  }
  EXPECT_EQ(lines[expected.size()].rfind("{\"error\":\"no city named", 0), 0u);
  EXPECT_EQ(lines[expected.size() + 1].rfind("{\"error\":\"expected 4", 0), 0u);
}

TEST(AtlasCommand, RegionsCountriesProvincesAndStats) {
  std::vector<std::string> regions = Lines(Cli("atlas regions").out);
  ASSERT_EQ(regions.size(), 9u);
  EXPECT_EQ(regions[0], "1  Africa");
  EXPECT_EQ(regions[8], "9  Russian Federation");
  CliRun europe = Cli("atlas countries Europe");
  EXPECT_NE(europe.out.find("Germany"), std::string::npos);
  EXPECT_EQ(europe.out.find("Japan"), std::string::npos);
  EXPECT_EQ(Cli("atlas countries 6").out, europe.out);
  EXPECT_EQ(Cli("atlas countries Atlantis").status, 2);
  CliRun provinces = Cli("atlas provinces germany");
  EXPECT_NE(provinces.out.find("Bavaria"), std::string::npos) << provinces.out;
  EXPECT_EQ(Cli("atlas provinces Atlantis").status, 1);
  CliRun stats = Cli("atlas stats");
  EXPECT_EQ(stats.status, 0);
  EXPECT_NE(stats.out.find("Countries             239"), std::string::npos) << stats.out;
  EXPECT_NE(stats.out.find("tzdata_version="), std::string::npos);
}

TEST(ChartCommand, CityTakesPlaceAndCorrectionsFromTheAtlas) {
  const std::string when = "--name T --date 2003-07-01 --time 12:00 --json";
  CliRun fromAtlas = Cli("chart " + when + " --city Ulm");
  CliRun typed = Cli("chart " + when + " --lat 48N24 --lon 9E59 --zone +1:00 --dst -1:00");
  ASSERT_EQ(fromAtlas.status, 0) << fromAtlas.out;
  EXPECT_EQ(fromAtlas.out, typed.out);
  // Before 1893 Germany kept local mean time.
  CliRun early = Cli("chart --name T --date 1880-07-01 --time 12:00 --city Ulm --json");
  CliRun local = Cli("chart --name T --date 1880-07-01 --time 12:00 --lat 48N24 --lon 9E59 "
                     "--local-time --json");
  EXPECT_EQ(early.out, local.out);
  CliRun text = Cli("chart --name T --date 2003-07-01 --time 12:00 --city Springfield --near 39.8,-89.6");
  EXPECT_NE(text.out.find("39°48'N 89°39'W"), std::string::npos) << text.out;
  EXPECT_EQ(Cli("chart --name T --date 1918-02-05 --time 12:00 --city Moskva").status, 2);
  EXPECT_EQ(Cli("chart --name T --date 2003-07-01 --time 12:00 --city Ulm --lat 1N00").status, 2);
  EXPECT_EQ(Cli("chart --name T --date 2003-07-01 --time 12:00 --city Nowhere-on-Earth").status, 2);
}

}  // namespace
