// Opening, browsing and searching a hand-built atlas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas/name_normalise.h"
#include "atlas/typed_spelling.h"
#include "foundation/wide_string.h"
#include "sample_atlas.h"

namespace orrery {
namespace {

using testing::OpenSampleAtlas;
using testing::SampleAtlas;

class SampleAtlasTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(OpenSampleAtlas(), 0); }
  void TearDown() override { UseEmbeddedAtlas(); }

  static const std::vector<std::int32_t>& Positions() { return SampleAtlas().cityPositions; }
  static std::int32_t CityCount() { return static_cast<std::int32_t>(Positions().size()); }
};

TEST_F(SampleAtlasTest, LayoutFollowsFromTheBlob) {
  const AtlasLayout& atlas = OpenedAtlas();
  EXPECT_EQ(atlas.firstCity, Positions().front());
  EXPECT_EQ(atlas.lastCity, Positions().back());
  EXPECT_EQ(atlas.cityCount, CityCount());
  EXPECT_EQ(atlas.indexLength, (CityCount() + 9) / 10);
  EXPECT_EQ(atlas.blobBytes, SampleAtlas().blob.size());
  EXPECT_EQ(atlasCursor.position, Positions().front());
}

TEST_F(SampleAtlasTest, RegionsCountriesAndProvinces) {
  EXPECT_EQ(RegionRef(0), 0);
  EXPECT_EQ(std::u16string(atlasCursor.regionName), u"Nothing selected");
  AtlasRef europe = RegionRef(6);
  EXPECT_EQ(std::u16string(atlasCursor.regionName), u"Europe");
  EXPECT_EQ(RefLevel(europe), RegionLevel);
  EXPECT_EQ(RegionRef(10), 0);
  EXPECT_EQ(std::u16string(RegionName(9)), u"Russian Federation");

  StartCountries(europe);
  std::vector<std::u16string> names;
  for (AtlasRef c = NextCountry(); c != 0; c = NextCountry()) {
    EXPECT_EQ(RefRegion(c), 6);
    names.push_back(atlasCursor.countryName);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Germany", u"United Kingdom", u"Italy"}));
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"");
  EXPECT_EQ(NextCountry(), 0);
  StartCountries(0);
  EXPECT_EQ(NextCountry(), 0);

  // The region of a country ref comes from its CountryEntry.
  AtlasRef germany = MakeAtlasRef(0, 1, 0, 0);
  EXPECT_EQ(RefRegion(germany), 6);
  EXPECT_EQ(RefLevel(germany), CountryLevel);
  CountryName(MakeAtlasRef(0, 2, 0, 0));
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"Russia");
  CountryName(MakeAtlasRef(0, 200, 0, 0));
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"");

  EXPECT_EQ(ProvinceCount(germany), 2);
  EXPECT_EQ(ProvinceRef(germany, -1), 2);
  AtlasRef saarland = ProvinceRef(germany, 2);
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"Saarland");
  EXPECT_EQ(RefLevel(saarland), ProvinceLevel);
  EXPECT_EQ(RefCountry(saarland), 1);
  EXPECT_EQ(RefProvince(saarland), 2);
  for (int k : {0, 3, -2}) {
    EXPECT_EQ(ProvinceRef(germany, k), 0);
    EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"");
  }
  EXPECT_EQ(ProvinceCount(MakeAtlasRef(0, 2, 0, 0)), 0);
}

TEST_F(SampleAtlasTest, AtlasRefsPackTheirParts) {
  AtlasRef city = MakeAtlasRef(3, 4, 5, 0x1234567);
  EXPECT_EQ(city, 0x40000000 | 0x234567);
  EXPECT_EQ(RefLevel(city), CityLevel);
  EXPECT_EQ(RefPosition(city), 0x234567);
  EXPECT_EQ(RefCountry(city), 0);
  AtlasRef province = MakeAtlasRef(2, 6, 130, 0);
  EXPECT_EQ(province, (2 << 8) | 6 | (2 << 16));
  EXPECT_EQ(MakeAtlasRef(12, 0, 0, 0), 0);
  EXPECT_EQ(MakeAtlasRef(0, 240, 3, 0), 0);
  EXPECT_EQ(RefLevel(0), NoLevel);
  EXPECT_EQ(RefPosition(province), 0);
}

TEST_F(SampleAtlasTest, ReadCityHonoursItsFlags) {
  atlasCursor.position = Positions()[1];  // Augsburg
  AtlasRef ref = ReadCity(ReadEverything);
  EXPECT_EQ(RefPosition(ref), Positions()[1]);
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"Augsburg");
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"Germany");
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"Bayern");
  EXPECT_EQ(atlasCursor.country, 1);
  EXPECT_EQ(atlasCursor.province, 1);
  EXPECT_EQ(atlasCursor.latDegrees, 48);
  EXPECT_EQ(atlasCursor.latMinutes, 22);
  EXPECT_EQ(atlasCursor.north, 1);
  EXPECT_EQ(atlasCursor.lonDegrees, 10);
  EXPECT_EQ(atlasCursor.lonMinutes, 53);
  EXPECT_EQ(atlasCursor.east, 1);
  EXPECT_EQ(atlasCursor.position, Positions()[2]);

  // Without flags: names and coordinates empty, numbers kept.
  ReadCity(0);
  EXPECT_EQ(std::u16string(atlasCursor.countryName), u"");
  EXPECT_EQ(atlasCursor.latDegrees, 0);
  EXPECT_EQ(atlasCursor.north, 0);
  EXPECT_EQ(atlasCursor.country, 1);
  // Indices without the province name; keeping the cursor.
  std::int32_t before = atlasCursor.position;
  ReadCity(ReadIndices | KeepCursor);
  EXPECT_EQ(atlasCursor.position, before);
  EXPECT_EQ(std::u16string(atlasCursor.provinceName), u"");

  // Past the last record, and before the first.
  atlasCursor.position = Positions().back();
  EXPECT_NE(ReadCity(ReadEverything), 0);
  EXPECT_EQ(ReadCity(ReadEverything), 0);
  atlasCursor.position = Positions().front() - 1;
  EXPECT_EQ(ReadCity(ReadEverything), 0);
}

// The position of the first city whose normalised name is not below q,
// found by walking the whole list.
std::int32_t WalkToName(const char16_t* text) {
  NormalisedName q = Normalised(text);
  const auto& cities = SampleAtlas().cities;
  for (std::size_t i = 0; i < cities.size(); ++i) {
    if (Normalised(cities[i].name.c_str()).View() >= q.View()) return SampleAtlas().cityPositions[i];
  }
  return SampleAtlas().cityPositions.back();
}

TEST_F(SampleAtlasTest, SeekCityNameFindsTheFirstCityNotBelowTheText) {
  std::vector<std::u16string> queries{u"", u"a", u"ber", u"Berg", u"bergen", u"bergen a",
                                      u"St Englmar", u"springfield", u"spring", u"Springfield x",
                                      u"zzz", u"~", u"ulm", u"münchen", u"munich"};
  for (const auto& city : SampleAtlas().cities) {
    for (std::size_t n = 1; n <= city.name.size(); ++n) queries.push_back(city.name.substr(0, n));
  }
  for (const std::u16string& q : queries) {
    std::int32_t expected = WalkToName(q.c_str());
    EXPECT_EQ(SeekCityName(q.c_str()), expected) << std::string(q.begin(), q.end());
    EXPECT_EQ(atlasCursor.position, expected);
  }
  // The prefix lands on the first city that begins with it.
  atlasCursor.position = SeekCityName(u"ber");
  ReadCity(0);
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"Berg");
  atlasCursor.position = SeekCityName(u"Sankt Eng");
  ReadCity(0);
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"Sankt Englmar");
}

// "ae", "oe", "ue" typed for ä, ö, ü: a spelling that names a city finds it
// first; one that starts no name is read with the pairs shortened.
TEST_F(SampleAtlasTest, TypedUmlautPairsFindTheUmlaut) {
  const struct {
    const char16_t* typed;
    const char16_t* found;
  } cases[] = {
      {u"Hoetting", u"Hoetting"}, {u"Hött", u"Hötting"},       {u"Hoettin", u"Hoetting"},
      {u"MUENCHEN", u"München"},  {u"Muench", u"München"},     {u"Saarbruecken", u"Saarbrücken"},
      {u"Ulm", u"Ulm"},           {u"Bergen auf Ruegen", u"Bergen auf Rügen"},
  };
  for (const auto& c : cases) {
    atlasCursor.position = SeekCityName(c.typed);
    ReadCity(0);
    EXPECT_EQ(std::u16string(atlasCursor.cityName), c.found) << ToUtf8(c.typed);
  }
  // A spelling that starts no name under any reading seeks as typed.
  EXPECT_EQ(SeekCityName(u"Ulmue"), WalkToName(u"Ulmue"));

  atlasCursor.refLatDegrees = 48;
  atlasCursor.refLatMinutes = 8;
  atlasCursor.refNorth = 1;
  atlasCursor.refLonDegrees = 11;
  atlasCursor.refLonMinutes = 34;
  atlasCursor.refEast = 1;
  AtlasRef munich = FindAtlasCity(u"Muenchen");
  ASSERT_NE(munich, 0);
  atlasCursor.position = RefPosition(munich);
  ReadCity(0);
  EXPECT_EQ(std::u16string(atlasCursor.cityName), u"München");
}

TEST(TypedReadings, ShortenAllPairsThenFewer) {
  auto readings = [](const char16_t* typed) {
    TypedReadings r = ReadingsOf(Normalised(typed));
    std::vector<std::u16string> out;
    for (int i = 0; i < r.count; ++i) out.emplace_back(r.names[i].View());
    return out;
  };
  using V = std::vector<std::u16string>;
  EXPECT_EQ(readings(u"Ulm"), V{u"ulm"});
  EXPECT_EQ(readings(u"Kankaanpaeae"), (V{u"kankaanpaeae", u"kankaanpaa", u"kankaanpaea", u"kankaanpaae"}));
  EXPECT_EQ(readings(u"Oe ue ae oe ue"), (V{u"oe ue ae oe ue", u"o u a o u"}));
  EXPECT_EQ(readings(u"Ruegen").size(), 2u);
  EXPECT_EQ(readings(u"aeoeueae").size(), 16u);
}

TEST_F(SampleAtlasTest, RunningNumbersAndPositions) {
  const auto& p = Positions();
  EXPECT_EQ(RefPosition(SeekCityNumber(0)), p[0]);
  EXPECT_EQ(RefPosition(SeekCityNumber(1)), p[0]);
  EXPECT_EQ(RefPosition(SeekCityNumber(2)), p[2]);
  EXPECT_EQ(atlasCursor.position, p[2]);
  for (std::int32_t n = 2; n < CityCount(); ++n) {
    EXPECT_EQ(RefPosition(SeekCityNumber(n)), p[static_cast<std::size_t>(n)]);
  }
  EXPECT_EQ(RefPosition(SeekCityNumber(CityCount())), p.back());
  EXPECT_EQ(RefPosition(SeekCityNumber(1 << 20)), p.back());
  EXPECT_EQ(RefPosition(SeekCityNumber(-5)), p[0]);

  for (std::size_t i = 0; i < p.size(); ++i) {
    EXPECT_EQ(CityNumberOf(MakeAtlasRef(0, 0, 0, p[i])), static_cast<std::int32_t>(i));
  }
  EXPECT_EQ(CityNumberOf(MakeAtlasRef(0, 0, 0, p[0] - 1)), 1);
  EXPECT_EQ(CityNumberOf(0), 1);
  EXPECT_EQ(CityNumberOf(MakeAtlasRef(0, 0, 0, p.back() + 1)), CityCount());
}

TEST_F(SampleAtlasTest, FindAtlasCityNeedsNameAndPosition) {
  auto find = [](const char16_t* name, int latDeg, int latMin, int north, int lonDeg, int lonMin,
                 int east) {
    atlasCursor.refLatDegrees = latDeg;
    atlasCursor.refLatMinutes = latMin;
    atlasCursor.refNorth = north;
    atlasCursor.refLonDegrees = lonDeg;
    atlasCursor.refLonMinutes = lonMin;
    atlasCursor.refEast = east;
    return FindAtlasCity(name);
  };
  // The eleventh Springfield lies in another index block than the first.
  AtlasRef ref = find(u"SPRINGFIELD", 39, 50, 1, 89, 39, 0);
  ASSERT_NE(ref, 0);
  atlasCursor.position = RefPosition(ref);
  ReadCity(ReadCoordinates);
  EXPECT_EQ(atlasCursor.latMinutes, 50);
  EXPECT_EQ(find(u"Springfield", 39, 50, 1, 89, 39, 1), 0);  // other hemisphere
  EXPECT_EQ(find(u"Springfield", 39, 39, 1, 89, 39, 0), 0);  // no such position
  EXPECT_EQ(find(u"Springfiel", 39, 40, 1, 89, 39, 0), 0);   // a prefix is no name
  EXPECT_NE(find(u"Sydney", 33, 52, 0, 151, 12, 1), 0);
  EXPECT_NE(find(u"St. Englmar", 49, 1, 1, 12, 6, 1), 0);
  EXPECT_EQ(find(u"Ulm", 52, 31, 1, 13, 24, 1), 0);  // Berlin's position
  EXPECT_EQ(find(u"Zzyzx", 0, 0, 1, 0, 0, 1),
            MakeAtlasRef(0, 0, 0, Positions().back()));
  EXPECT_EQ(SignedMinutes(48, 24, 1), -2904);
  EXPECT_EQ(SignedMinutes(-48, -24, 0), 2904);
}

}  // namespace
}  // namespace orrery
