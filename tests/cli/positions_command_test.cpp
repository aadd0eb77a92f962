// orrery-cli positions, run as a program: text for people, JSON that reads
// back, the Julian calendar, the present moment and bad arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/json_reader.h"
#include "cli_run.h"

namespace {

using orrery::cli::JsonValue;
using orrery::cli_test::CliRun;

CliRun RunCli(const std::string& arguments) {
  return orrery::cli_test::RunOrreryCli("positions " + arguments);
}

// A JSON value with its members by key.
struct Json {
  JsonValue::Kind kind = JsonValue::Kind::Null;
  double number = 0.0;
  bool boolean = false;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> members;
  const Json& operator[](const std::string& key) const { return members.at(key); }
};

Json FromValue(const JsonValue& v) {
  Json json;
  json.kind = v.kind;
  json.number = v.number;
  json.boolean = v.boolean;
  json.text = v.text;
  for (const JsonValue& item : v.items) json.items.push_back(FromValue(item));
  for (const auto& [key, member] : v.members) json.members.emplace(key, FromValue(member));
  return json;
}

// The output read back by orrery-cli's own JSON reader (tested on its own).
Json ReadJson(const std::string& text) {
  JsonValue value;
  EXPECT_EQ(orrery::cli::ParseJson(text, value), "") << text.substr(0, 200);
  return FromValue(value);
}

constexpr double Pi = 3.141592653589793;
constexpr double ArcsecPerRadian = 180.0 / Pi * 3600.0;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(PositionsCommand, JsonReadsBackWithEveryBodyAndKey) {
  CliRun run = RunCli("--ut 2000-01-01T12:00 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  Json json = ReadJson(run.out);
  EXPECT_EQ(json["mjdUt"].number, 51544.5);
  EXPECT_NEAR(json["deltaT"].number, 66.03, 0.01);
  EXPECT_DOUBLE_EQ(json["mjdTt"].number, 51544.5 + json["deltaT"].number / 86400.0);
  EXPECT_NEAR(json["obliquity"].number, 23.4377 * Pi / 180.0, 1e-5);
  // Greenwich apparent sidereal time 18h41m49.70s (Swiss Ephemeris).
  EXPECT_NEAR(json["gast"].number, 67309.697, 0.05);

  const std::vector<Json>& bodies = json["bodies"].items;
  ASSERT_EQ(bodies.size(), 17u);
  const char* abbr[] = {"SO", "MO", "ME", "VE", "ER", "MA", "JU", "SA", "UR",
                        "NE", "PL", "NN", "SN", "AC", "MC", "TN", "TS"};
  for (int b = 0; b < 17; ++b) {
    EXPECT_EQ(bodies[b]["id"].number, b);
    EXPECT_EQ(bodies[b]["abbr"].text, abbr[b]);
    for (const char* key : {"lon", "lat", "dist", "helioLon", "helioLat", "helioDist"}) {
      EXPECT_EQ(bodies[b][key].kind, JsonValue::Kind::Number) << b << " " << key;
    }
    EXPECT_EQ(bodies[b]["retrograde"].kind, JsonValue::Kind::Bool);
    EXPECT_LE(std::fabs(bodies[b]["lat"].number), Pi / 2);
  }
  // Apparent positions at this moment by the Swiss Ephemeris: Sun 280.368945,
  // Moon 223.324057 and 5.170736, Saturn 40.395662 and -2.444855 degrees.
  auto arcsec = [](double radians, double degrees) {
    double d = radians * 180.0 / Pi - degrees;
    return (d - 360.0 * std::round(d / 360.0)) * 3600.0;
  };
  EXPECT_NEAR(arcsec(bodies[0]["lon"].number, 280.368945), 0.0, 1.2);
  EXPECT_NEAR(arcsec(bodies[1]["lon"].number, 223.324057), 0.0, 3.9);
  EXPECT_NEAR(arcsec(bodies[1]["lat"].number, 5.170736), 0.0, 3.9);
  EXPECT_NEAR(arcsec(bodies[7]["lon"].number, 40.395662), 0.0, 1.3);
  EXPECT_NEAR(arcsec(bodies[7]["lat"].number, -2.444855), 0.0, 1.3);
  EXPECT_TRUE(bodies[7]["retrograde"].boolean);  // Saturn turned direct on 12 January
  EXPECT_FALSE(bodies[0]["retrograde"].boolean);
  EXPECT_TRUE(bodies[15]["retrograde"].boolean);
  EXPECT_EQ(bodies[4]["dist"].number, 0.0);  // the Earth, seen from itself
}

TEST(PositionsCommand, TextShowsTimeScalesSignsAndEveryBody) {
  CliRun run = RunCli("--ut 2000-01-01T12:00:00");
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 6u + 1u + 17u);
  EXPECT_EQ(lines[0].rfind("Universal Time      2000-01-01 12:00:00.00 UT (Gregorian)", 0), 0u)
      << lines[0];
  EXPECT_EQ(lines[1], "Delta T             66.03 s");
  EXPECT_EQ(lines[2].rfind("Terrestrial Time    2000-01-01 12:01:06.03 TT (Gregorian)", 0), 0u)
      << lines[2];
  EXPECT_EQ(lines[3].rfind("True obliquity      23\u00b026'", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4].rfind("Sidereal time       18h41m49.", 0), 0u) << lines[4];

  // The Sun's row shows the JSON longitude as degrees in Capricorn.
  Json json = ReadJson(RunCli("--ut 2000-01-01T12:00 --json").out);
  double sun = json["bodies"].items[0]["lon"].number * ArcsecPerRadian - 270.0 * 3600.0;
  long long hundredths = std::llround(sun * 100.0);
  char expected[64];
  std::snprintf(expected, sizeof expected, "%lld\u00b0%02lld'%02lld.%02lld\" Capricorn",
                hundredths / 360000, hundredths / 6000 % 60, hundredths / 100 % 60,
                hundredths % 100);
  const std::string& sunRow = lines[7];
  EXPECT_EQ(sunRow.rfind("SO Sun", 0), 0u) << sunRow;
  EXPECT_NE(sunRow.find(expected), std::string::npos) << sunRow << " / " << expected;
  const char* abbr[] = {"SO", "MO", "ME", "VE", "ER", "MA", "JU", "SA", "UR",
                        "NE", "PL", "NN", "SN", "AC", "MC", "TN", "TS"};
  for (int b = 0; b < 17; ++b) EXPECT_EQ(lines[7 + b].rfind(abbr[b], 0), 0u) << lines[7 + b];
  EXPECT_NE(lines[7 + 7].find("Taurus"), std::string::npos);  // Saturn at 40 degrees
  EXPECT_NE(lines[7 + 7].find(" R "), std::string::npos);     // retrograde
}

TEST(PositionsCommand, JulianDatesNameTheSameDayAsTheirGregorianTwin) {
  Json julian = ReadJson(RunCli("--ut 1582-10-04T06:30 --julian --json").out);
  Json gregorian = ReadJson(RunCli("--ut 1582-10-14T06:30 --json").out);
  EXPECT_EQ(julian["mjdUt"].number, gregorian["mjdUt"].number);
  EXPECT_EQ(julian["bodies"].items[1]["lon"].number, gregorian["bodies"].items[1]["lon"].number);
  // 29 February 1900 exists only in the Julian calendar.
  EXPECT_EQ(RunCli("--ut 1900-02-29T00:00 --julian --json").status, 0);
  // Dates before the reform are shown in the Julian calendar.
  EXPECT_EQ(Lines(RunCli("--ut 1582-10-14T06:30").out)[0].rfind(
                "Universal Time      1582-10-04 06:30:00.00 UT (Julian)", 0),
            0u);
  EXPECT_EQ(RunCli("--ut 1900-02-29T00:00 --json").status, 2);
}

TEST(PositionsCommand, NowIsThePresentMoment) {
  double before = 40587.0 + std::time(nullptr) / 86400.0;
  Json json = ReadJson(RunCli("--now --json").out);
  double after = 40587.0 + std::time(nullptr) / 86400.0;
  EXPECT_GE(json["mjdUt"].number, before - 2.0 / 86400.0);
  EXPECT_LE(json["mjdUt"].number, after + 2.0 / 86400.0);
  EXPECT_EQ(json["bodies"].items.size(), 17u);
}

TEST(PositionsCommand, BadArgumentsGiveOneLineAndExitCodeTwo) {
  for (const char* arguments :
       {"", "--now --ut 2000-01-01T00:00", "--ut", "--ut 2000-01-01", "--ut 2000-1-01T00:00",
        "--ut 2000-13-01T00:00", "--ut 2000-02-30T00:00", "--ut 2000-01-01T24:00",
        "--ut 2000-01-01T12:60", "--ut 2000-01-01T12:00:60", "--ut 0000-01-01T00:00",
        "--ut 2000-01-01T12:00x", "--ut +000-01-01T12:00", "--now --julian",
        "--now extra", "--now --lat 5"}) {
    CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    ASSERT_FALSE(run.err.empty()) << arguments;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << arguments << ": " << run.err;
    EXPECT_EQ(run.err.rfind("orrery-cli: ", 0), 0u) << run.err;
  }
}

}  // namespace
