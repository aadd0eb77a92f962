// Accuracy of the engine against the Swiss Ephemeris (JPL-grade files), from
// tests/data/astro/swiss_ephemeris_reference.csv (written by
// tools/swe_reference/generate.sh): 400 instants over 1700-2100, compared at
// the same Terrestrial Time. The limits are what the series themselves reach,
// plus a small margin; a larger difference is a fault, not noise.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "astro/apparent_positions.h"
#include "astro/earth_orientation.h"
#include "astro/time_scales.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

struct ReferenceRow {
  std::string kind;
  double jd;
  std::string body;
  double a, b, c;
};

const std::vector<ReferenceRow>& Reference() {
  static const std::vector<ReferenceRow> rows = [] {
    std::ifstream in(std::string(ORRERY_SOURCE_DIR) +
                     "/tests/data/astro/swiss_ephemeris_reference.csv");
    std::vector<ReferenceRow> result;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      ReferenceRow r;
      std::string number[4];
      std::getline(fields, r.kind, ',');
      std::getline(fields, number[0], ',');
      std::getline(fields, r.body, ',');
      for (int i = 1; i < 4; ++i) std::getline(fields, number[i], ',');
      r.jd = std::stod(number[0]);
      r.a = std::stod(number[1]);
      r.b = std::stod(number[2]);
      r.c = std::stod(number[3]);
      result.push_back(r);
    }
    return result;
  }();
  return rows;
}

// ours - reference in arcseconds, ours in radians (latitudes stored in
// [0, 2pi] included), the reference in degrees.
double ArcsecDifference(double oursRadians, double referenceDegrees) {
  return NormalizePi(oursRadians - referenceDegrees * DegToRad) * ArcsecPerRadian;
}

struct Worst {
  double value = 0.0;
  double jd = 0.0;
  void Take(double v, double at) {
    if (!(std::fabs(v) <= value)) value = std::fabs(v), jd = at;  // NaN is worst
  }
};

using WorstTable = std::map<std::string, Worst>;

const std::map<std::string, BodyId>& BodyIds() {
  static const std::map<std::string, BodyId> ids = {
      {"Sun", Sun},         {"Moon", Moon},       {"Mercury", Mercury}, {"Venus", Venus},
      {"Earth", Earth},     {"Mars", Mars},       {"Jupiter", Jupiter}, {"Saturn", Saturn},
      {"Uranus", Uranus},   {"Neptune", Neptune}, {"Pluto", Pluto}};
  return ids;
}

// Worst angle (longitude or latitude, arcseconds) and relative distance
// differences per "kind body", Pluto split at 1900.
struct Survey {
  WorstTable angle, distance;
  int instants = 0;
};

const Survey& RunSurvey() {
  static const Survey survey = [] {
    Survey s;
    double computedAt = 0.0;
    for (const ReferenceRow& r : Reference()) {
      const double tt = r.jd - 2400000.5;
      if (r.kind == "gast" || r.kind == "ecl") continue;
      if (tt != computedAt) {
        ComputePositionsAtTerrestrialTime(tt);
        computedAt = tt;
        ++s.instants;
      }
      std::string key = r.kind + " " + r.body;
      if (r.body == "Pluto") key += r.jd < 2415020.5 ? " before 1900" : " after 1900";
      if (r.kind == "geo" || r.kind == "helio" || r.kind == "moon") {
        const BodyPosition& p = BodyTable[BodyIds().at(r.body)];
        const Vec3& v = r.kind == "helio" ? p.heliocentric : p.geocentric;
        if (r.kind != "moon") {
          s.angle[key].Take(ArcsecDifference(v.x, r.a), r.jd);
          s.angle[key].Take(ArcsecDifference(v.y, r.b), r.jd);
        }
        s.distance[key].Take((v.z - r.c) / r.c, r.jd);
      } else if (r.kind == "node") {
        s.angle[key].Take(ArcsecDifference(BodyTable[NorthNode].geocentric.x, r.a), r.jd);
        s.angle[key].Take(ArcsecDifference(BodyTable[SouthNode].geocentric.x, r.a + 180.0), r.jd);
      } else if (r.kind == "mnode") {
        s.angle[key].Take(ArcsecDifference(BodyTable[MeanNorthNode].geocentric.x, r.a), r.jd);
        s.angle[key].Take(ArcsecDifference(BodyTable[MeanSouthNode].geocentric.x, r.a + 180.0),
                          r.jd);
      }
    }
    for (const auto& [key, w] : s.angle) {
      std::printf("  %-26s %7.3f\"  (JD %.1f)\n", key.c_str(), w.value, w.jd);
    }
    for (const auto& [key, w] : s.distance) {
      std::printf("  %-26s distance %.1e\n", key.c_str(), w.value);
    }
    return s;
  }();
  return survey;
}

void ExpectWithin(const WorstTable& table, const std::string& key, double limit) {
  auto it = table.find(key);
  ASSERT_NE(it, table.end()) << key << " missing from the reference";
  EXPECT_LE(it->second.value, limit) << key << " at JD " << it->second.jd;
}

TEST(SwissEphemeris, ReferenceCoversThreeHundredInstantsFrom1700To2100) {
  const Survey& s = RunSurvey();
  EXPECT_GE(s.instants, 300);
  EXPECT_LT(Reference().front().jd, 2342700.0);  // 1701
  EXPECT_GT(Reference().back().jd, 2487700.0);   // 2099
}

TEST(SwissEphemeris, ApparentGeocentricPositions) {
  const WorstTable& a = RunSurvey().angle;
  ExpectWithin(a, "geo Sun", 1.2);
  ExpectWithin(a, "geo Moon", 3.9);
  ExpectWithin(a, "geo Mercury", 1.2);
  ExpectWithin(a, "geo Venus", 1.2);
  ExpectWithin(a, "geo Mars", 1.5);
  ExpectWithin(a, "geo Jupiter", 1.9);
  ExpectWithin(a, "geo Saturn", 1.3);
  ExpectWithin(a, "geo Uranus", 2.5);
  ExpectWithin(a, "geo Neptune", 2.9);
  ExpectWithin(a, "geo Pluto before 1900", 10.6);
  ExpectWithin(a, "geo Pluto after 1900", 2.2);
}

TEST(SwissEphemeris, HeliocentricPositionsOfDate) {
  const WorstTable& a = RunSurvey().angle;
  ExpectWithin(a, "helio Earth", 1.0);
  ExpectWithin(a, "helio Mercury", 1.1);
  ExpectWithin(a, "helio Venus", 1.0);
  ExpectWithin(a, "helio Mars", 1.1);
  ExpectWithin(a, "helio Jupiter", 1.8);
  ExpectWithin(a, "helio Saturn", 1.3);
  ExpectWithin(a, "helio Uranus", 2.4);
  ExpectWithin(a, "helio Neptune", 2.8);
  ExpectWithin(a, "helio Pluto before 1900", 10.5);
  ExpectWithin(a, "helio Pluto after 1900", 2.2);
}

TEST(SwissEphemeris, Distances) {
  const WorstTable& d = RunSurvey().distance;
  for (const char* body : {"Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                           "Neptune"}) {
    ExpectWithin(d, std::string("geo ") + body, 5e-6);
  }
  ExpectWithin(d, "geo Pluto before 1900", 1.2e-5);
  ExpectWithin(d, "geo Pluto after 1900", 6e-6);
  ExpectWithin(d, "helio Earth", 5e-7);
  // The Moon's distance against its geometric distance (15 km in 384000).
  ExpectWithin(d, "moon Moon", 1.5e-5);
}

TEST(SwissEphemeris, LunarNodes) {
  const WorstTable& a = RunSurvey().angle;
  ExpectWithin(a, "mnode MeanNode", 0.85);
  ExpectWithin(a, "node MeanNode", 0.45);
}

TEST(SwissEphemeris, ObliquityAndNutation) {
  for (const ReferenceRow& r : Reference()) {
    if (r.kind != "ecl") continue;
    const double tt = r.jd - 2400000.5;
    NutationAngles n = Nutation(tt);
    // Laskar's mean obliquity against the IAU 2006 one; the five-term
    // nutation against the full series.
    EXPECT_NEAR(ArcsecDifference(n.meanObliquity, r.b), 0.0, 0.1) << r.jd;
    EXPECT_NEAR(ArcsecDifference(n.longitude, r.c), 0.0, 0.25) << r.jd;
    EXPECT_NEAR(ArcsecDifference(TrueObliquity(tt), r.a), 0.0, 0.16) << r.jd;
  }
}

TEST(SwissEphemeris, ApparentSiderealTime) {
  int compared = 0;
  for (const ReferenceRow& r : Reference()) {
    // The Swiss Ephemeris switches to a long-term model outside 1850-2050.
    if (r.kind != "gast" || r.jd < 2396758.5 || r.jd > 2469807.5) continue;
    double seconds = ApparentSiderealTime(r.jd - 2400000.5) - r.a * 3600.0;
    seconds -= std::round(seconds / 86400.0) * 86400.0;
    EXPECT_NEAR(seconds, 0.0, 0.04) << r.jd;
    ++compared;
  }
  EXPECT_GE(compared, 100);
}

}  // namespace
}  // namespace orrery
