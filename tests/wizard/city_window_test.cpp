// The City page's window of eight cities over the atlas the program holds:
// its texts, its clamp at both ends, the arrows, and finding an edited
// record's city again.
#include <gtest/gtest.h>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "chart/chart_record.h"
#include "dialogs/wizard/city_window.h"
#include "foundation/wide_string.h"

namespace orrery::wizard {
namespace {

class CityWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseEmbeddedAtlas();
    ASSERT_EQ(OpenAtlas(), 0);
  }
  void TearDown() override { CloseAtlas(); }

  static std::int32_t Number(const CityRow& row) { return CityNumberOf(row.ref); }
};

TEST(CityRowTexts, RowsAndPositionsReadAsTheListShowsThem) {
  EXPECT_EQ(CityRowText(u"Ulm", u"Germany"), u"Ulm,  Germany");
  EXPECT_EQ(CityRowText(u"Springfield", u"United States of America, USA"), u"Springfield,  USA");
  EXPECT_EQ(LatitudeText(51, 31, 1), u" 51°31' N");
  EXPECT_EQ(LatitudeText(5, 3, 0), u"  5° 3' S");
  EXPECT_EQ(LongitudeText(0, 8, 0), u"  0° 8' W");
  EXPECT_EQ(LongitudeText(179, 59, 1), u"179°59' E");
}

TEST_F(CityWindowTest, TheWindowHoldsEightConsecutiveCitiesInsideTheAtlas) {
  const AtlasLayout& atlas = OpenedAtlas();
  // Anything before the first city starts at it.
  std::vector<CityRow> rows = ReadCityWindow(0);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(RefPosition(rows[0].ref), atlas.firstCity);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Number(rows[i]), i == 0 ? 0 : i) << i;
  // Anything past the last full window shows the last eight cities.
  rows = ReadCityWindow(atlas.lastCity);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(RefPosition(rows[7].ref), atlas.lastCity);
  EXPECT_EQ(Number(rows[0]), atlas.cityCount - 8);
  EXPECT_EQ(RefPosition(rows[0].ref), LastWindowStart());
}

TEST_F(CityWindowTest, ArrowsMoveBySevenCitiesAndStopAtTheEnds) {
  const AtlasLayout& atlas = OpenedAtlas();
  std::vector<CityRow> rows = ReadCityWindow(RefPosition(SeekCityNumber(1000)));
  ASSERT_EQ(Number(rows[0]), 1000);
  rows = ReadCityWindow(WindowBelow(rows));
  EXPECT_EQ(Number(rows[0]), 1007);
  rows = ReadCityWindow(WindowAbove(rows));
  EXPECT_EQ(Number(rows[0]), 1000);
  // Up from the first window stays there.
  rows = ReadCityWindow(atlas.firstCity);
  rows = ReadCityWindow(WindowAbove(rows));
  EXPECT_EQ(RefPosition(rows[0].ref), atlas.firstCity);
  // Down from the last window stays there, eight rows long.
  rows = ReadCityWindow(LastWindowStart());
  rows = ReadCityWindow(WindowBelow(rows));
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(RefPosition(rows[7].ref), atlas.lastCity);
}

TEST_F(CityWindowTest, AnEditedRecordFindsItsCityAmongNamesakes) {
  // London, Arkansas is the sixth London; the first window from "London"
  // shows it at row 5.
  ChartRecord r{};
  CopyText(r.city, RecordCityUnits, u"London");
  r.latDegrees = 35;
  r.latMinutes = 20;
  r.north = 1;
  r.lonDegrees = 93;
  r.lonMinutes = 15;
  r.east = 0;
  CityWindow found = FindRecordCity(r);
  ASSERT_GE(found.selected, 0);
  const CityRow& city = found.rows[found.selected];
  EXPECT_EQ(city.text, u"London,  United States");
  EXPECT_EQ(city.province, u"Arkansas");
  // A place no namesake has: back to the first city, row 0.
  r = {};
  CopyText(r.city, RecordCityUnits, u"Springfield");
  found = FindRecordCity(r);
  EXPECT_EQ(found.selected, 0);
  EXPECT_EQ(RefPosition(found.rows[0].ref), OpenedAtlas().firstCity);
}

TEST_F(CityWindowTest, TheSearchGoesNoFurtherThanSixWindows) {
  // From the typed name on, the 48th city is in reach, the 49th not.
  const std::int32_t first = SeekCityName(u"San Antonio");
  std::vector<CityRow> reachable;
  std::int32_t position = first;
  for (int w = 0; w < CityWindowsSearched + 1; ++w) {
    std::vector<CityRow> rows = ReadCityWindow(position);
    reachable.insert(reachable.end(), rows.begin(), rows.end());
    position = atlasCursor.position;  // after the window's last row
  }
  ASSERT_EQ(reachable.size(), 56u);
  const auto recordAt = [](const CityRow& row) {
    ChartRecord r{};
    CopyText(r.city, RecordCityUnits, u"San Antonio");
    r.latDegrees = std::uint16_t(row.latDegrees);
    r.latMinutes = std::uint8_t(row.latMinutes);
    r.north = std::uint32_t(row.north);
    r.lonDegrees = std::uint16_t(row.lonDegrees);
    r.lonMinutes = std::uint8_t(row.lonMinutes);
    r.east = std::uint32_t(row.east);
    return r;
  };
  const CityWindow last = FindRecordCity(recordAt(reachable[47]));
  ASSERT_GE(last.selected, 0);
  EXPECT_EQ(last.rows[last.selected].ref, reachable[47].ref);
  // A city only the seventh window holds (and no earlier one shares its
  // place) is not found: the list goes back to the first city.
  bool sharesPlace = false;
  for (int i = 0; i < 48; ++i) {
    sharesPlace = sharesPlace || (reachable[i].latDegrees == reachable[48].latDegrees &&
                                  reachable[i].latMinutes == reachable[48].latMinutes &&
                                  reachable[i].lonDegrees == reachable[48].lonDegrees &&
                                  reachable[i].lonMinutes == reachable[48].lonMinutes);
  }
  ASSERT_FALSE(sharesPlace);
  const CityWindow beyond = FindRecordCity(recordAt(reachable[48]));
  EXPECT_EQ(beyond.selected, 0);
  EXPECT_EQ(RefPosition(beyond.rows[0].ref), OpenedAtlas().firstCity);
}

}  // namespace
}  // namespace orrery::wizard
