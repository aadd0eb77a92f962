#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using orrery::cli_test::CliRun;

CliRun Cli(const std::string& arguments) { return orrery::cli_test::RunOrreryCli(arguments); }

// The five sample charts typed as options, with what follows from their
// fields by plain arithmetic: the Universal Time of birth and the place the
// houses use.
struct Sample {
  const char* options;
  int year, month, day;
  double utHours;
  int latDegrees, latMinutes, north;
};

const Sample samples[] = {
    {"--name 'Total Solar Eclipse 1999' --date 1999-08-11 --time 13:03 --lat 45N06 --lon 24E22 "
     "--zone +2:00 --dst -1:00 --corr 7,km,WSW",
     1999, 8, 11, 13.05 - 2 - 1, 45, 4, 1},  // moved 7 km WSW: 45 04 N
    {"--name 'Edda Morlan' --date 1879-03-14 --time 11:30 --lat 48N24 --lon 10E00 --local-time",
     1879, 3, 14, 11.5 - 10.0 / 15, 48, 24, 1},
    {"--name 'Ines Kavarro' --date 1929-05-04 --time 03:00 --lat 50N50 --lon 4E20 --dst -1:00",
     1929, 5, 4, 3.0 - 1, 50, 50, 1},
    {"--name 'Tomas Relvind' --date 1869-10-02 --time 07:08 --lat 21N38 --lon 69E36 --local-time",
     1869, 10, 2, 7 + 8.0 / 60 - (69 + 36.0 / 60) / 15, 21, 38, 1},
    {"--name 'Nora Pask' --date 1919-05-07 --time 04:17 --lat 22S18 --lon 64W41 --zone -5:00",
     1919, 5, 7, 4 + 17.0 / 60 + 5, 22, 18, 0},
};

// Days from 1970-01-01 to a Gregorian date (proleptic), as an MJD.
double GregorianMjd(int y, int m, int d) {
  y -= m <= 2;
  int era = (y >= 0 ? y : y - 399) / 400;
  int yoe = y - era * 400;
  int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097.0 + doe - 719468 + 40587;
}

// The number after "key": at or after position from.
double Field(const std::string& json, const std::string& key, std::size_t from = 0) {
  std::size_t at = json.find("\"" + key + "\":", from);
  if (at == std::string::npos) return NAN;
  return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

std::vector<double> Array(const std::string& json, const std::string& key) {
  std::vector<double> values;
  std::size_t at = json.find("\"" + key + "\":[");
  if (at == std::string::npos) return values;
  const char* p = json.c_str() + at + key.size() + 4;
  while (*p != ']') {
    char* end;
    values.push_back(std::strtod(p, &end));
    p = *end == ',' ? end + 1 : end;
  }
  return values;
}

// The Sun's apparent longitude from the low-precision solar theory (Meeus,
// Astronomical Algorithms, ch. 25; about 0.01 degree), in degrees.
double LowPrecisionSunLongitude(double mjd) {
  const double rad = 3.141592653589793 / 180;
  double t = (mjd - 51544.5) / 36525;
  double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * rad;
  double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
             (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  double omega = (125.04 - 1934.136 * t) * rad;
  return std::fmod(l0 + c - 0.00569 - 0.00478 * std::sin(omega) + 720.0, 360.0);
}

double DegreesApart(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

// Swiss Ephemeris houses (tools/swe_houses) for the frames of these charts:
// lst, obliquity, latitude, then asc, mc and 12 cusps for each system.
std::vector<std::vector<double>> ReferenceFrames() {
  std::ifstream in(std::string(ORRERY_SOURCE_DIR) + "/tests/data/chart/swe_houses.txt");
  std::vector<std::vector<double>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::vector<double> row;
    for (double v; fields >> v;) row.push_back(v);
    if (row.size() == 5 + 7 * 14) rows.push_back(row);
  }
  return rows;
}

TEST(ChartCommand, SampleChartsAsJson) {
  std::vector<std::vector<double>> reference = ReferenceFrames();
  const double deg = 180 / 3.141592653589793;
  for (const Sample& s : samples) {
    CliRun run = Cli(std::string("chart ") + s.options + " --json");
    ASSERT_EQ(run.status, 0) << s.options;
    const std::string& j = run.out;
    EXPECT_EQ(j.find('\n'), j.size() - 1);  // one line
    double mjdUt = GregorianMjd(s.year, s.month, s.day) + s.utHours / 24;
    EXPECT_NEAR(Field(j, "mjdUt"), mjdUt, 1e-8) << s.options;
    EXPECT_NEAR(Field(j, "mjdTt"), Field(j, "mjdUt") + Field(j, "deltaT") / 86400, 1e-9);
    EXPECT_EQ(Field(j, "latDeg"), s.latDegrees);
    EXPECT_EQ(Field(j, "latMin"), s.latMinutes);
    EXPECT_EQ(Field(j, "north"), s.north);
    EXPECT_EQ(Field(j, "houseSystem"), 0);
    EXPECT_EQ(Field(j, "houseSystemUsed"), 0);
    EXPECT_LT(DegreesApart(Field(j, "lon", j.find("\"bodies\"")) * deg, LowPrecisionSunLongitude(mjdUt)),
              0.02)
        << s.options;
    std::vector<double> cusps = Array(j, "cusps");
    ASSERT_EQ(cusps.size(), 12u);
    EXPECT_EQ(cusps[0], Field(j, "ascendant"));
    EXPECT_EQ(cusps[9], Field(j, "midheaven"));
    // 17 bodies, houses 1..12, no aspect of Earth (4).
    int bodies = 0;
    for (std::size_t at = 0; (at = j.find("\"abbr\":", at)) != std::string::npos; ++at) ++bodies;
    EXPECT_EQ(bodies, 17);
    std::size_t aspects = j.find("\"aspects\":[");
    std::string pairs = j.substr(aspects, j.find("]]", aspects) - aspects);
    EXPECT_EQ(pairs.find("[4,"), std::string::npos);
    EXPECT_EQ(pairs.find(",4,"), std::string::npos);

    // The houses of every system against Swiss Ephemeris at the chart's own
    // sidereal time, obliquity and corrected latitude.
    const std::vector<double>* frame = nullptr;
    for (const auto& row : reference) {
      if (std::fabs(row[0] - Field(j, "lst")) < 1e-7 && std::fabs(row[1] - Field(j, "obliquity")) < 1e-12 &&
          row[2] == s.latDegrees && row[3] == s.latMinutes)
        frame = &row;
    }
    ASSERT_NE(frame, nullptr) << "no reference frame (rerun tools/swe_houses/generate.sh) for " << s.options;
    const char* systems[] = {"placidus", "koch", "equal", "vehlow", "campanus", "regiomontanus", "porphyry"};
    for (int system = 0; system < 7; ++system) {
      CliRun other = Cli(std::string("chart ") + s.options + " --json --house-system " + systems[system]);
      ASSERT_EQ(other.status, 0);
      std::vector<double> c = Array(other.out, "cusps");
      ASSERT_EQ(c.size(), 12u);
      const double* expected = frame->data() + 5 + system * 14;
      double tolerance = system == 0 ? 1e-6 : 1e-9;
      EXPECT_LT(DegreesApart(Field(other.out, "ascendant") * deg, expected[0]), tolerance);
      EXPECT_LT(DegreesApart(Field(other.out, "midheaven") * deg, expected[1]), tolerance);
      for (int k = 0; k < 12; ++k)
        EXPECT_LT(DegreesApart(c[k] * deg, expected[2 + k]), tolerance) << systems[system] << " cusp " << k + 1;
    }
  }
}

TEST(ChartCommand, SampleChartsAsText) {
  CliRun eclipse = Cli(std::string("chart ") + samples[0].options);
  ASSERT_EQ(eclipse.status, 0);
  const std::string& t = eclipse.out;
  EXPECT_EQ(t.rfind("Total Solar Eclipse 1999\n", 0), 0u);
  EXPECT_NE(t.find("Place             45\u00b006'N 24\u00b022'E"), std::string::npos);
  EXPECT_NE(t.find("Corrected place   45\u00b004'N 24\u00b017'E (7 km WSW)"), std::string::npos);
  EXPECT_NE(t.find("1999-08-11 10:03:00.00 UT"), std::string::npos);
  EXPECT_NE(t.find("SO Sun              18\u00b0"), std::string::npos);
  EXPECT_NE(t.find("Leo"), std::string::npos);
  EXPECT_NE(t.find("SO Sun              Conjunction         MO Moon"), std::string::npos);
  EXPECT_NE(t.find("In Ruler:       SO Sun"), std::string::npos);
  EXPECT_EQ(t.find("ER Earth"), std::string::npos);

  CliRun german = Cli(std::string("chart ") + samples[4].options + " --lang de --house-system 1");
  ASSERT_EQ(german.status, 0);
  EXPECT_NE(german.out.find("SO Sonne"), std::string::npos);
  EXPECT_NE(german.out.find("Stier"), std::string::npos);
  EXPECT_NE(german.out.find("House system      Koch"), std::string::npos);
  EXPECT_NE(german.out.find("MC Himmelsmitte"), std::string::npos);
  EXPECT_NE(german.out.find("Zone              -5:00"), std::string::npos);

  for (int i = 1; i < 4; ++i) {
    CliRun run = Cli(std::string("chart ") + samples[i].options);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nCusps\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nAspects\n"), std::string::npos);
  }
  EXPECT_NE(Cli(std::string("chart ") + samples[1].options).out.find("local mean time"), std::string::npos);
}

TEST(ChartCommand, PolarPlaceFallsBackToPorphyry) {
  CliRun run = Cli("chart --name Tromso --date 1985-12-21 --time 10:15 --lat 69N39 --lon 18E57 --zone +1:00 "
                "--house-system koch --json");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(Field(run.out, "houseSystem"), 1);
  EXPECT_EQ(Field(run.out, "houseSystemUsed"), 6);
}

TEST(ChartCommand, BadInputGivesOneLineAndExitCodeTwo) {
  const std::string base = "chart --name X --lon 0W07 ";
  const char* cases[][2] = {
      {"--date 2000-01-01 --time 12:00 --lat 51N29 --frobnicate 1", "unknown option '--frobnicate' (try 'orrery-cli chart --help')"},
      {"--date 2000-1 --time 12:00 --lat 51N29", "invalid --date '2000-1' (expected YYYY-MM-DD)"},
      {"--date 2000-01-01 --time 12:75 --lat 51N29", "minute 75 out of range 0..59"},
      {"--date 2000-01-01 --time 12:00 --lat 77N01", "latitude 77 degrees 1 beyond 77 degrees 00"},
      {"--date 2000-01-01 --time 12:00 --lat 51N29 --corr 7,parsecs,N", "unknown distance unit 'parsecs'"},
      {"--date 2000-01-01 --time 12:00 --lat 51N29 --house-system 9", "unknown house system '9'"},
      {"--date 2000-01-01 --time 12:00 --time 13:00 --lat 51N29", "unexpected argument '--time' (try 'orrery-cli chart --help')"},
      {"--batch /no/such/file", "unexpected argument '--name' (try 'orrery-cli chart --help')"},
  };
  for (const auto& c : cases) {
    CliRun run = Cli(base + c[0]);
    EXPECT_EQ(run.status, 2) << c[0];
    EXPECT_EQ(run.out, "") << c[0];
    EXPECT_EQ(run.err, std::string("orrery-cli: ") + c[1] + "\n");
  }
  EXPECT_EQ(Cli("chart --batch /no/such/file").status, 2);
}

TEST(ChartCommand, BatchLinesAndErrorObjects) {
  std::string path = std::string(ORRERY_BIN_DIR) + "/chart_batch_test.csv";
  {
    std::ofstream csv(path);
    csv << "name,year,month,day,hour,minute,calendar,latDeg,latMin,north,lonDeg,lonMin,east,zoneH,zoneM,"
           "zonePlus,dstH,dstM,dstPlus,localTime,corrDistance,corrUnit,corrDirection,houseSystem\n"
        << "Total Solar Eclipse 1999,1999,8,11,13,3,0,45,6,1,24,22,1,2,0,1,1,0,0,0,7,km,WSW,\n"
        << "Edda Morlan,1879,3,14,11,30,0,48,24,1,10,0,1,0,0,1,0,0,1,1,0,0,0,\n"
        << "Broken,1999,8,11,13,75,0,45,6,1,24,22,1,2,0,1,1,0,0,0,0,0,0,\n"
        << "\"Kavarro, Ines\",1929,5,4,3,0,0,50,50,1,4,20,1,0,0,1,1,0,0,0,0,0,0,\n"
        << "Tomas Relvind,1869,10,2,7,8,0,21,38,1,69,36,1,0,0,1,0,0,1,1,0,0,0,\n"
        << "Nora Pask,1919,5,7,4,17,0,22,18,0,64,41,0,5,0,0,0,0,1,0,0,0,0,koch\n";
  }
  CliRun run = Cli("chart --batch " + path);
  EXPECT_EQ(run.status, 1);
  std::vector<std::string> lines;
  std::istringstream out(run.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], "{\"line\":4,\"error\":\"minute 75 out of range 0..59\"}");
  // The others are the charts the options give, line for line.
  const int sampleOf[] = {0, 1, -1, 2, 3, 4};
  for (int i = 0; i < 6; ++i) {
    if (sampleOf[i] < 0) continue;
    std::string single = Cli(std::string("chart --json ") + samples[sampleOf[i]].options +
                             (sampleOf[i] == 4 ? " --house-system koch" : ""))
                             .out;
    EXPECT_EQ(lines[i] + "\n", single) << "line " << i + 1;
  }
  // The same from standard input.
  CliRun piped = Cli("chart --batch - < " + path);
  EXPECT_EQ(piped.status, 1);
  EXPECT_EQ(piped.out, run.out);
  std::remove(path.c_str());
}

}  // namespace
