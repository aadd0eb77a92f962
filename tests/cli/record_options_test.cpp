#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/house_systems.h"
#include "cli/record_options.h"
#include "foundation/wide_string.h"

namespace orrery::cli {
namespace {

// Parses a command line of record and chart options (those of render, which
// has no --city); returns the first problem, as the command reports it.
struct Parsed {
  ChartRecord record{};
  ChartSettings settings;
  std::string problem;
};

Parsed Parse(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  Arguments args(*FindCommandHelp("render"), static_cast<int>(argv.size()), argv.data());
  Parsed p;
  std::string recordProblem = TakeRecordOptions(args, p.record);
  std::string settingsProblem = TakeChartSettings(args, p.settings);
  p.problem = args.Problem();
  if (p.problem.empty()) p.problem = recordProblem.empty() ? settingsProblem : recordProblem;
  return p;
}

std::vector<std::string> Eclipse() {
  return {"--name", "Total Solar Eclipse 1999", "--date", "1999-08-11", "--time", "13:03",
          "--lat", "45N06", "--lon", "24E22", "--zone", "+2:00", "--dst", "-1:00", "--corr",
          "7,km,WSW"};
}

std::vector<std::string> With(std::vector<std::string> words, const std::string& option,
                              const std::string& value) {
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == option) {
      words[i + 1] = value;
      return words;
    }
  }
  words.push_back(option);
  words.push_back(value);
  return words;
}

std::vector<std::string> WithFlag(std::vector<std::string> words, const std::string& flag) {
  words.push_back(flag);
  return words;
}

TEST(RecordOptions, SampleChartAsOptions) {
  Parsed p = Parse(Eclipse());
  ASSERT_EQ(p.problem, "");
  const ChartRecord& r = p.record;
  EXPECT_EQ(ToUtf8(r.name), "Total Solar Eclipse 1999");
  EXPECT_EQ(r.year, 1999);
  EXPECT_EQ(r.month, 8);
  EXPECT_EQ(r.day, 11);
  EXPECT_EQ(r.hour, 13);
  EXPECT_EQ(r.minute, 3);
  EXPECT_EQ(r.calendar, 0);
  EXPECT_EQ(r.latDegrees, 45);
  EXPECT_EQ(r.latMinutes, 6);
  EXPECT_EQ(r.north, 1u);
  EXPECT_EQ(r.lonDegrees, 24);
  EXPECT_EQ(r.lonMinutes, 22);
  EXPECT_EQ(r.east, 1u);
  EXPECT_EQ(r.zoneHours, 2);
  EXPECT_EQ(r.zonePlus, 1u);
  EXPECT_EQ(r.dstHours, 1);
  EXPECT_EQ(r.dstPlus, 0u);
  EXPECT_EQ(r.localTime, 0u);
  EXPECT_EQ(r.corrDistance, 7);
  EXPECT_EQ(r.corrUnit, 0);
  EXPECT_EQ(r.corrDirection, 13);
  EXPECT_EQ(p.settings.houseSystem, Placidus);
}

TEST(RecordOptions, LocalMeanTimeJulianAndWesternPlaces) {
  Parsed p = Parse({"--name", "  Tomas   Relvind ", "--date", "1869-10-02", "--time", "7:08",
                    "--lat", "21n38", "--lon", "69w36", "--local-time", "--julian", "--dst", "0:30"});
  ASSERT_EQ(p.problem, "");
  EXPECT_EQ(ToUtf8(p.record.name), "Tomas Relvind");
  EXPECT_EQ(p.record.localTime, 1u);
  EXPECT_EQ(p.record.zonePlus, 1u);
  EXPECT_EQ(p.record.zoneHours, 0);
  EXPECT_EQ(p.record.calendar, 1);
  EXPECT_EQ(p.record.east, 0u);
  EXPECT_EQ(p.record.dstMinutes, 30);
  EXPECT_EQ(p.record.dstPlus, 1u);

  EXPECT_EQ(Parse(WithFlag(Eclipse(), "--local-time")).problem,
            "--zone and --local-time exclude each other");
  EXPECT_EQ(Parse(With(Eclipse(), "--zone", "+1:00")).problem, "");
}

TEST(RecordOptions, BadValuesNameTheirProblem) {
  EXPECT_EQ(Parse(With(Eclipse(), "--time", "12:75")).problem, "minute 75 out of range 0..59");
  EXPECT_EQ(Parse(With(Eclipse(), "--date", "1999-8")).problem,
            "invalid --date '1999-8' (expected YYYY-MM-DD)");
  EXPECT_EQ(Parse(With(Eclipse(), "--date", "1999-13-01")).problem, "month 13 out of range 1..12");
  EXPECT_EQ(Parse(With(Eclipse(), "--date", "2130-01-01")).problem, "year 2130 out of range 1..2129");
  EXPECT_EQ(Parse(With(Eclipse(), "--date", "1900-02-29")).problem, "day 29 out of range 1..28");
  EXPECT_EQ(Parse(With(Eclipse(), "--date", "2000-02-29")).problem, "");
  EXPECT_EQ(Parse(WithFlag(With(Eclipse(), "--date", "1900-02-29"), "--julian")).problem, "");
  EXPECT_EQ(Parse(With(Eclipse(), "--lat", "77N01")).problem, "latitude 77 degrees 1 beyond 77 degrees 00");
  EXPECT_EQ(Parse(With(With(Eclipse(), "--lat", "77S00"), "--corr", "0,km,N")).problem, "");
  EXPECT_EQ(Parse(With(Eclipse(), "--lat", "45X06")).problem,
            "invalid --lat '45X06' (expected degrees, N or S, minutes, e.g. 51N29)");
  EXPECT_EQ(Parse(With(Eclipse(), "--lon", "180E00")).problem, "longitude degree 180 out of range 0..179");
  EXPECT_EQ(Parse(With(Eclipse(), "--zone", "+2:75")).problem, "zone minute 75 out of range 0..59");
  EXPECT_EQ(Parse(With(Eclipse(), "--corr", "7,yards,WSW")).problem, "unknown distance unit 'yards'");
  EXPECT_EQ(Parse(With(Eclipse(), "--corr", "7,km,16")).problem, "unknown compass direction '16'");
  EXPECT_EQ(Parse(With(Eclipse(), "--corr", "10000,0,0")).problem,
            "correction distance 10000 out of range 0..9999");
  EXPECT_EQ(Parse(With(Eclipse(), "--house-system", "topocentric")).problem,
            "unknown house system 'topocentric'");
  EXPECT_EQ(Parse(With(Eclipse(), "--name", "   ")).problem, "the chart needs a name");
  EXPECT_EQ(Parse(With(Eclipse(), "--bogus", "1")).problem, "unexpected argument '--bogus' (try 'orrery-cli render --help')");
  std::vector<std::string> noValue = Eclipse();
  noValue.push_back("--lang");
  EXPECT_EQ(Parse(noValue).problem, "option --lang needs a value (try 'orrery-cli render --help')");
  noValue = Eclipse();
  noValue.erase(noValue.begin(), noValue.begin() + 2);
  EXPECT_EQ(Parse(noValue).problem, "missing --name");
}

// The wizard refuses a correction that carries the place beyond 77 00.
TEST(RecordOptions, CorrectionBeyondTheLatitudeLimit) {
  // 10 km north of 76 55 N is 77 00.4, truncated to 77 00: still allowed.
  std::vector<std::string> north = With(With(Eclipse(), "--lat", "76N55"), "--corr", "10,km,N");
  EXPECT_EQ(Parse(north).problem, "");
  EXPECT_EQ(Parse(With(north, "--corr", "15,km,N")).problem,
            "the corrected latitude 77 degrees 3 lies beyond 77 degrees 00");
  EXPECT_EQ(Parse(With(With(north, "--lat", "76S55"), "--corr", "15,km,S")).problem,
            "the corrected latitude 77 degrees 3 lies beyond 77 degrees 00");
}

TEST(RecordOptions, TableNamesAndIndexes) {
  EXPECT_EQ(ParseDistanceUnit("km"), 0);
  EXPECT_EQ(ParseDistanceUnit("Kilometers"), 0);
  EXPECT_EQ(ParseDistanceUnit("nautical LEAGUES"), 9);
  EXPECT_EQ(ParseDistanceUnit("10"), 10);
  EXPECT_EQ(ParseDistanceUnit("11"), -1);
  EXPECT_EQ(ParseDistanceUnit(""), -1);
  EXPECT_EQ(ParseCompassDirection("wsw"), 13);
  EXPECT_EQ(ParseCompassDirection("N"), 0);
  EXPECT_EQ(ParseCompassDirection("15"), 15);
  EXPECT_EQ(ParseCompassDirection("-1"), -1);
  EXPECT_EQ(ParseHouseSystem("Regiomontanus"), Regiomontanus);
  EXPECT_EQ(ParseHouseSystem("6"), Porphyry);
  EXPECT_EQ(ParseHouseSystem("7"), -1);
  for (int unit = 0; unit < 11; ++unit) EXPECT_EQ(ParseDistanceUnit(DistanceUnitShortName(unit)), unit);
}

TEST(RecordOptions, LongNamesKeepThirtyOneCharacters) {
  Parsed p = Parse(With(Eclipse(), "--name", std::string(40, 'x')));
  ASSERT_EQ(p.problem, "");
  EXPECT_EQ(ToUtf8(p.record.name), std::string(31, 'x'));
  // A character outside the basic plane is not cut in half.
  p = Parse(With(Eclipse(), "--name", std::string(30, 'x') + "\xF0\x9F\x8C\x8D"));
  EXPECT_EQ(ToUtf8(p.record.name), std::string(30, 'x'));
}

TEST(BatchLines, ColumnsQuotesAndProblems) {
  EXPECT_TRUE(IsBatchHeader(std::string(BatchColumns)));
  EXPECT_FALSE(IsBatchHeader("namely,1999,8,11"));
  ChartRecord record{};
  ChartSettings settings;
  settings.houseSystem = Koch;
  EXPECT_EQ(ParseBatchLine("\"Pask, Nora \"\"N\"\"\",1919,5,7,4,17,0,22,18,0,64,41,0,5,0,0,0,0,1,0,0,km,N,\r",
                           record, settings),
            "");
  EXPECT_EQ(ToUtf8(record.name), "Pask, Nora \"N\"");
  EXPECT_EQ(record.north, 0u);
  EXPECT_EQ(record.zoneHours, 5);
  EXPECT_EQ(record.zonePlus, 0u);
  EXPECT_EQ(settings.houseSystem, Koch);  // empty column: unchanged
  EXPECT_EQ(ParseBatchLine("Ulm,1879,3,14,11,30,0,48,24,1,10,0,1,0,0,1,0,0,1,1,0,0,0,equal", record,
                           settings),
            "");
  EXPECT_EQ(record.localTime, 1u);
  EXPECT_EQ(settings.houseSystem, EqualHouses);

  EXPECT_EQ(ParseBatchLine("x,1999,8,11,13,3,0,45,6,1,24,22,1", record, settings),
            "expected 24 columns, found 13");
  EXPECT_EQ(ParseBatchLine("x,1999,8,11,13,75,0,45,6,1,24,22,1,2,0,1,1,0,0,0,7,0,13,0", record, settings),
            "minute 75 out of range 0..59");
  EXPECT_EQ(ParseBatchLine("x,1999,8,11,13,3,0,45,6,2,24,22,1,2,0,1,1,0,0,0,7,0,13,0", record, settings),
            "north 2 out of range 0..1");
  EXPECT_EQ(ParseBatchLine("x,1999,8,11,13,3,0,45,6,1,24,22,1,2,0,1,1,0,0,0,7,0,13,9", record, settings),
            "unknown house system '9'");
  EXPECT_EQ(ParseBatchLine("x,1999,-8,11,13,3,0,45,6,1,24,22,1,2,0,1,1,0,0,0,7,0,13,0", record, settings),
            "column month: '-8' is not a number");
  EXPECT_EQ(ParseBatchLine("\"x,1999", record, settings), "unterminated quoted field");
  // Zone hours far out of range never wrap into the record's byte.
  EXPECT_EQ(ParseBatchLine("x,1999,8,11,13,3,0,45,6,1,24,22,1,258,0,1,1,0,0,0,7,0,13,0", record, settings),
            "zone hour 258 out of range 0..23");
}

}  // namespace
}  // namespace orrery::cli
