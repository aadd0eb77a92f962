// The atlas held in the program (data/atlas/): its layout against the
// builder's manifest, the sort order against our NormaliseName, searches,
// browsing, and the time-zone truth fixture computed by Python's zoneinfo
// from the same tzdata the atlas was built from.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_data.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas/name_normalise.h"
#include "foundation/wide_string.h"

namespace orrery {
namespace {

std::map<std::string, std::string> Manifest() {
  std::map<std::string, std::string> values;
  std::istringstream lines{std::string(EmbeddedAtlasManifest())};
  for (std::string line; std::getline(lines, line);) {
    std::size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

long ManifestNumber(const char* key) { return std::atol(Manifest()[key].c_str()); }

class RealAtlasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseEmbeddedAtlas();
    ASSERT_EQ(OpenAtlas(), 0);
  }

  static std::u16string CityAt(std::int32_t position) {
    atlasCursor.position = position;
    ReadCity(KeepCursor);
    return atlasCursor.cityName;
  }
};

TEST_F(RealAtlasTest, LayoutAgreesWithTheManifest) {
  const AtlasLayout& atlas = OpenedAtlas();
  EXPECT_EQ(atlas.blobBytes, ManifestNumber("blob_bytes"));
  EXPECT_EQ(atlas.cityCount, ManifestNumber("city_records"));
  EXPECT_EQ(atlas.indexLength, ManifestNumber("city_index_entries"));
  EXPECT_EQ(atlas.firstCity, ManifestNumber("first_city_position"));
  int countries = 0;
  int provinces = 0;
  for (int region = 1; region <= 9; ++region) {
    StartCountries(RegionRef(region));
    int inRegion = 0;
    for (AtlasRef c = NextCountry(); c != 0; c = NextCountry()) {
      ++inRegion;
      EXPECT_NE(std::u16string(atlasCursor.countryName), u"");
      provinces += ProvinceCount(c);
    }
    EXPECT_GT(inRegion, 0) << region;
    countries += inRegion;
  }
  EXPECT_EQ(countries, ManifestNumber("countries"));
  EXPECT_EQ(provinces, ManifestNumber("provinces"));
}

TEST_F(RealAtlasTest, RecordsAreSortedByNormalisedNameAndIndexed) {
  const AtlasLayout& atlas = OpenedAtlas();
  atlasCursor.position = atlas.firstCity;
  NormalisedName previous{};
  std::int32_t n = 0;
  int unsorted = 0;
  int badIndex = 0;
  for (std::int32_t at = atlasCursor.position; ReadCity(0) != 0; at = atlasCursor.position, ++n) {
    NormalisedName name = Normalised(atlasCursor.cityName);
    if (name.View() < previous.View() && ++unsorted <= 5) {
      ADD_FAILURE() << "record " << n << " " << ToUtf8(atlasCursor.cityName) << " sorts before "
                    << ToUtf8(previous.View());
    }
    if (n % CityIndexStep == 0 && CityIndexEntry(n / CityIndexStep) != at) ++badIndex;
    previous = name;
  }
  EXPECT_EQ(unsorted, 0);
  EXPECT_EQ(badIndex, 0);
  EXPECT_EQ(n, atlas.cityCount);
}

TEST_F(RealAtlasTest, SearchesFindCitiesUnderTheirOwnAndEnglishNames) {
  for (const char16_t* name : {u"München", u"Munich", u"Wien", u"Vienna", u"Praha", u"Warszawa",
                               u"Lisboa", u"São Paulo", u"Sankt Gallen", u"Zürich"}) {
    SeekCityName(name);
    EXPECT_TRUE(SameName(CityAt(atlasCursor.position).c_str(), name)) << ToUtf8(name);
  }
  // A prefix lands on the first city that begins with it.
  std::u16string first = CityAt(SeekCityName(u"ber"));
  EXPECT_EQ(Normalised(first.c_str()).View().substr(0, 3), u"ber");
  std::int32_t before = SeekCityName(u"ber") ;
  SeekCityNumber(CityNumberOf(MakeAtlasRef(0, 0, 0, before)) - 1);
  EXPECT_LT(Normalised(CityAt(atlasCursor.position).c_str()).View(), u"ber");
  // The ends of the list.
  EXPECT_EQ(SeekCityName(u""), OpenedAtlas().firstCity);
  EXPECT_EQ(SeekCityName(u"zzzzzzzzzz"), OpenedAtlas().lastCity);
}

TEST_F(RealAtlasTest, FindAtlasCityAndLoadAnEntry) {
  SeekCityName(u"Ulm");
  AtlasRef ulm = 0;
  for (AtlasRef ref = ReadCity(ReadEverything); ref != 0 && SameName(atlasCursor.cityName, u"Ulm");
       ref = ReadCity(ReadEverything)) {
    if (std::u16string(atlasCursor.countryName) == u"Germany") ulm = ref;
  }
  ASSERT_NE(ulm, 0);
  atlasCursor.moment = {2003, 7, 1, 12, 0};
  LoadAtlasEntry(ulm);
  // Ulm lies at 48°24' N, 9°59' E (GeoNames 48.39841, 9.99155).
  EXPECT_EQ(atlasCursor.latDegrees, 48);
  EXPECT_EQ(atlasCursor.latMinutes, 24);
  EXPECT_EQ(atlasCursor.lonDegrees, 9);
  EXPECT_EQ(atlasCursor.lonMinutes, 59);
  // Most of Baden-Württemberg keeps Berlin's time: that part has the plain name.
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"Baden-Württemberg");
  EXPECT_EQ(atlasCursor.zoneHours, 1);
  EXPECT_EQ(atlasCursor.zonePlus, 1);
  EXPECT_EQ(atlasCursor.dstHours, 1);
  EXPECT_EQ(atlasCursor.dstPlus, 0);

  atlasCursor.refLatDegrees = 48;
  atlasCursor.refLatMinutes = 24;
  atlasCursor.refNorth = 1;
  atlasCursor.refLonDegrees = 9;
  atlasCursor.refLonMinutes = 59;
  atlasCursor.refEast = 1;
  EXPECT_EQ(FindAtlasCity(u"ulm"), ulm);
  atlasCursor.refLonMinutes = 58;
  EXPECT_EQ(FindAtlasCity(u"Ulm"), 0);
}

// A place by the spelling a user types, at its own position (minutes,
// negative south and west); the entry of the city found, or false.
bool LoadTyped(const char16_t* typed, int latMinutes, int lonMinutes, AtlasMoment moment) {
  atlasCursor.refLatDegrees = std::abs(latMinutes) / 60;
  atlasCursor.refLatMinutes = std::abs(latMinutes) % 60;
  atlasCursor.refNorth = latMinutes >= 0;
  atlasCursor.refLonDegrees = std::abs(lonMinutes) / 60;
  atlasCursor.refLonMinutes = std::abs(lonMinutes) % 60;
  atlasCursor.refEast = lonMinutes >= 0;
  AtlasRef ref = FindAtlasCity(typed);
  if (ref == 0) return false;
  atlasCursor.moment = moment;
  LoadAtlasEntry(ref);
  return true;
}

// Spellings typed on a plain keyboard or in the native script, each at the
// place's own position, and what the place shows: its name, its province
// (the part of a province split by zone where fewer people live names its
// zone's city), and its legal time (a named mean time is a fixed offset; no
// moment of a day with a change of clock falls between two periods).
TEST_F(RealAtlasTest, TypedSpellingsFindThePlaceWithItsLegalTime) {
  const struct {
    const char16_t* typed;
    int lat, lon;          // minutes
    AtlasMoment moment;
    const char16_t* city;
    const char16_t* province;
    int zone;              // minutes east of UT; 9999 = local mean time
  } cases[] = {
      {u"Reims", 49 * 60 + 16, 4 * 60 + 2, {1902, 5, 1, 12, 0}, u"Reims", u"Grand Est", 9},
      {u"Kurakhove", 47 * 60 + 59, 37 * 60 + 17, {1907, 5, 1, 12, 0}, u"Kurakhove", u"Donetsk", 122},
      {u"Kurakhove", 47 * 60 + 59, 37 * 60 + 17, {1870, 5, 1, 12, 0}, u"Kurakhove", u"Donetsk", 9999},
      {u"Hoetting", 47 * 60 + 16, 11 * 60 + 22, {1950, 1, 1, 12, 0}, u"Hötting", u"Tyrol", 60},
      {u"Kankaanpaeae", 61 * 60 + 48, 22 * 60 + 25, {1950, 1, 1, 12, 0}, u"Kankaanpää", u"Satakunta", 120},
      {u"Oktyabr'skiy", 55 * 60 + 36, 37 * 60 + 59, {2000, 1, 1, 12, 0}, u"Oktyabr’skiy", u"Moscow Oblast", 180},
      {u"城郊", 40 * 60 + 20, 120 * 60 + 20, {2000, 1, 1, 12, 0}, u"cheng jiao", u"Liaoning", 480},
      // The day local mean time ends (at 23:53 on the new clock) is local mean time to
      // the end; a time the clock skipped (23:00 to 24:00) keeps the offset before.
      {u"Riyadh", 24 * 60 + 41, 46 * 60 + 43, {1947, 3, 13, 22, 59}, u"Riyadh", u"Riyadh Region", 9999},
      {u"Cairo", 30 * 60 + 4, 31 * 60 + 15, {1900, 9, 30, 10, 0}, u"Cairo", u"Cairo", 9999},
      {u"Ho Chi Minh City", 10 * 60 + 49, 106 * 60 + 38, {1959, 12, 31, 23, 30}, u"Ho Chi Minh City", u"Ho Chi Minh", 420},
      {u"Büsingen", 47 * 60 + 42, 8 * 60 + 41, {2000, 1, 1, 12, 0}, u"Büsingen", u"Baden-Württemberg (Büsingen)", 60},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(LoadTyped(c.typed, c.lat, c.lon, c.moment)) << ToUtf8(c.typed);
    int zone = atlasCursor.zoneHours * 60 + atlasCursor.zoneMinutes;
    EXPECT_EQ(atlasCursor.localMeanTime ? 9999 : atlasCursor.zonePlus ? zone : -zone, c.zone) << ToUtf8(c.typed);
    EXPECT_EQ(std::u16string(atlasCursor.cityName), c.city) << ToUtf8(c.typed);
    EXPECT_EQ(std::u16string(atlasCursor.provinceName), c.province) << ToUtf8(c.typed);
  }
}

// One line of the fixture: where it is, when, and local - UT in minutes.
struct TruthCase {
  std::string name;
  int latMinutes, lonMinutes;
  AtlasMoment moment;
  std::string expected;  // minutes, or "LMT"
};

std::vector<TruthCase> ReadTruth() {
  std::ifstream in(ORRERY_SOURCE_DIR "/tests/data/atlas/tz_truth.tsv");
  std::vector<TruthCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream f(line);
    std::string name, lat, lon, local, offset;
    std::getline(f, name, '\t');
    std::getline(f, lat, '\t');
    std::getline(f, lon, '\t');
    std::getline(f, local, '\t');
    std::getline(f, offset, '\t');
    TruthCase c{name, static_cast<int>(std::lround(std::stod(lat) * 60)),
                static_cast<int>(std::lround(std::stod(lon) * 60)), {}, offset};
    std::sscanf(local.c_str(), "%d-%d-%dT%d:%d", &c.moment.year, &c.moment.month, &c.moment.day,
                &c.moment.hour, &c.moment.minute);
    cases.push_back(c);
  }
  return cases;
}

// The city of that normalised name nearest to the position, or 0.
AtlasRef NearestCity(const std::u16string& name, int latMinutes, int lonMinutes) {
  AtlasRef best = 0;
  int bestDistance = 0;
  VisitCitiesNamed(name.c_str(), [&](AtlasRef ref) {
    int lat = atlasCursor.latDegrees * 60 + atlasCursor.latMinutes;
    int lon = atlasCursor.lonDegrees * 60 + atlasCursor.lonMinutes;
    int distance = std::abs((atlasCursor.north ? lat : -lat) - latMinutes) +
                   std::abs((atlasCursor.east ? lon : -lon) - lonMinutes);
    if (best == 0 || distance < bestDistance) {
      best = ref;
      bestDistance = distance;
    }
    return false;
  });
  return best;
}

TEST_F(RealAtlasTest, TimeZoneHistoryAgreesWithZoneinfo) {
  std::vector<TruthCase> cases = ReadTruth();
  ASSERT_GE(cases.size(), 20000u);
  std::map<std::string, int> mismatchKinds;
  int agree = 0;
  for (const TruthCase& c : cases) {
    AtlasRef ref = NearestCity(FromUtf8(c.name), c.latMinutes, c.lonMinutes);
    if (ref == 0) {
      ++mismatchKinds["city not found"];
      ADD_FAILURE() << c.name << ": not found";
      continue;
    }
    atlasCursor.moment = c.moment;
    LoadAtlasEntry(ref);
    int zone = atlasCursor.zoneHours * 60 + atlasCursor.zoneMinutes;
    int dst = atlasCursor.dstHours * 60 + atlasCursor.dstMinutes;
    int offset = (atlasCursor.zonePlus ? zone : -zone) - (atlasCursor.dstPlus ? dst : -dst);
    std::string got = atlasCursor.localMeanTime ? "LMT" : std::to_string(offset);
    if (atlasCursor.localMeanTime && zone != 0) got = "LMT with a zone";
    if (got == c.expected) {
      ++agree;
      continue;
    }
    std::string kind = c.expected == "LMT" ? "LMT expected" :
                       got == "LMT" ? "LMT not expected" :
                       "offset off by " + std::to_string(offset - std::stoi(c.expected));
    ++mismatchKinds[kind];
    ADD_FAILURE() << c.name << " " << c.moment.year << "-" << c.moment.month << "-" << c.moment.day
                  << " " << c.moment.hour << ":" << c.moment.minute << ": atlas " << got
                  << ", zoneinfo " << c.expected;
  }
  std::printf("time-zone truth: %d of %zu agree (%.2f %%)\n", agree, cases.size(),
              100.0 * agree / static_cast<double>(cases.size()));
  for (const auto& [kind, count] : mismatchKinds) std::printf("  %s: %d\n", kind.c_str(), count);
  EXPECT_EQ(agree, static_cast<int>(cases.size()));
}

}  // namespace
}  // namespace orrery
