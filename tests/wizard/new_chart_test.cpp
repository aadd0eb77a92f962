// The wizard from the Chart menu, as a user goes through it: a new chart
// typed from scratch with its city picked on the City page, saved, found
// again after a restart and reopened in edit mode; both ways of
// cancelling; and screenshots of every page.
#include <gtest/gtest.h>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "foundation/calendar.h"
#include "foundation/wide_string.h"
#include "shell/text_format.h"
#include "store/chart_file.h"
#include "tests/store/store_test_support.h"
#include "store/chart_store.h"
#include "shell/shell_ids.h"
#include "store/sample_charts.h"
#include "wizard_test_support.h"

namespace orrery::testing {
namespace {

// Ada Lovelace, 10 December 1815, 13:30, London (England, United Kingdom),
// as typed, with the city picked from the list.
constexpr const char* AdaScript = R"(
settext 1018 Ada  Lovelace
settext 1019 1815
settext 1020 12
settext 1021 10
settext 1022 13
settext 1023 30
select 1024 2
page City
settext 1054 London
select 1055 0
)";

class NewChartTest : public WizardTest {
 protected:
  // A stored chart of the sample with its fields changed, shown at start.
  template <class Change>
  void StoreChartAndStart(Change change) {
    StoreCharts(1);
    ASSERT_TRUE(LoadChartFile());
    ASSERT_TRUE(FetchChart(6));
    change(currentRecord);
    ASSERT_TRUE(StoreChart(6));
    ASSERT_TRUE(store_test::SaveWholeStore());
    Start();
    ASSERT_EQ(chartSlots[0].record.id, 6);
  }

  // Ends the program and starts it again on what it stored.
  void Restart() {
    main_->Destroy();
    Settle();
    Start();
  }

  // A valid "Name" page for a chart called name: 1 June 2000, 12:00.
  static std::string NamePage(const std::string& name) {
    return "settext 1018 " + name + "\nsettext 1019 2000\nsettext 1020 6\nsettext 1021 1\n"
           "settext 1022 12\nsettext 1023 0\n";
  }
};

TEST_F(NewChartTest, TypedFromScratchWithACityIsStoredShownAndKeptAcrossARestart) {
  Start();
  RunNew(std::string(AdaScript) + R"(
note 1061
note 1062
note 1058
note 1059
page Place
note 1030
note 1028
note 1029
page Corrections
note 1051
note 1036
ok
)");
  EXPECT_EQ(observed_, (std::vector<std::string>{"United Kingdom", "England", " 51°31' N", "  0° 8' W",
                                                 "United Kingdom", "England", "London", "on", "disabled 0"}));
  EXPECT_TRUE(Logged("close 110 1"));

  // The chart on show: typed fields, London from the atlas, local mean time
  // as London kept it in 1815.
  const ChartRecord& r = chartSlots[0].record;
  EXPECT_EQ(r.id, 6);
  EXPECT_EQ(FieldText(r.name), u"Ada Lovelace");
  EXPECT_EQ(r.sex, 2);
  EXPECT_EQ(r.year, 1815);
  EXPECT_EQ(r.month, 12);
  EXPECT_EQ(r.day, 10);
  EXPECT_EQ(r.hour, 13);
  EXPECT_EQ(r.minute, 30);
  EXPECT_EQ(r.calendar, 0);
  EXPECT_EQ(FieldText(r.country), u"United Kingdom");
  EXPECT_EQ(FieldText(r.state), u"England");
  EXPECT_EQ(FieldText(r.city), u"London");
  EXPECT_EQ(r.latDegrees * 100 + r.latMinutes, 5131);
  EXPECT_EQ(r.north, 1u);
  EXPECT_EQ(r.lonDegrees * 100 + r.lonMinutes, 8);
  EXPECT_EQ(r.east, 0u);
  EXPECT_EQ(r.localTime, 1u);
  EXPECT_EQ(r.zoneHours * 100 + r.zoneMinutes, 0);
  EXPECT_EQ(r.zonePlus, 1u);
  EXPECT_EQ(r.dstHours * 100 + r.dstMinutes, 0);
  EXPECT_EQ(r.corrDistance, 0);
  // Shown means computed for that moment.
  EXPECT_EQ(currentSlotIndex, 0);
  EXPECT_DOUBLE_EQ(CurrentChart().mjdLocal, CalendarToMjd(1815, 12, 10, 13.5 * 3600, Gregorian));

  // Stored at once: the chart file holds it before the program ends.
  ASSERT_TRUE(LoadChartFile());
  ASSERT_EQ(CountCharts(), 1);
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(FieldText(currentRecord.name), u"Ada Lovelace");
  EXPECT_EQ(FieldText(currentRecord.city), u"London");

  // After a restart the settings bring it back on show.
  Restart();
  EXPECT_EQ(chartSlots[0].record.id, 6);
  EXPECT_EQ(FieldText(chartSlots[0].record.name), u"Ada Lovelace");
}

TEST_F(NewChartTest, EveryPageMatchesItsScreenshot) {
  Start();
  RunNew(std::string(AdaScript) + R"(
golden city-page
page Name
golden name-page
page Region
expand 1026 6
select 1026 7
golden region-page
select 1026 0
page Place
golden place-page
page Corrections
golden corrections-page
cancel
)");
}

TEST_F(NewChartTest, ReopenedInEditModeTheCityPageFindsItsCityAgain) {
  Start();
  // London, Arkansas: the sixth London of the list.
  RunNew(R"(
settext 1018 Ada
settext 1019 1990
settext 1020 7
settext 1021 1
settext 1022 12
settext 1023 0
page City
settext 1054 London
select 1055 5
ok
)");
  ASSERT_EQ(CountCharts(), 1);
  ASSERT_EQ(FieldText(chartSlots[0].record.state), u"Arkansas");
  RunEdit(R"(
note 1018
note 1019
note 1023
page City
note 1054
note 1055
note 1062
golden city-page-edit
page Name
settext 1018 Ada Byron
ok
)");
  EXPECT_EQ(observed_, (std::vector<std::string>{"Ada", "1990", "0", "London", "London,  United States",
                                                 "Arkansas"}));
  // The same chart, renamed; its place as before.
  ASSERT_EQ(CountCharts(), 1);
  const ChartRecord& r = chartSlots[0].record;
  EXPECT_EQ(r.id, 6);
  EXPECT_EQ(FieldText(r.name), u"Ada Byron");
  EXPECT_EQ(FieldText(r.state), u"Arkansas");
  EXPECT_EQ(r.latDegrees * 100 + r.latMinutes, 3520);
  ASSERT_TRUE(LoadChartFile());
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(FieldText(currentRecord.name), u"Ada Byron");
}

TEST_F(NewChartTest, AHandTypedPlaceNotInTheAtlasLeavesTheListAtItsStart) {
  StoreChartAndStart([](ChartRecord& r) { CopyText(r.city, RecordCityUnits, u"Nowhere Special"); });
  RunEdit(R"(
page City
note 1054
note 1055
page Place
note 1029
cancel
)");
  EXPECT_EQ(observed_, (std::vector<std::string>{"Nowhere Special", "1 Decembrie,  Romania", "Nowhere Special"}));
}

TEST_F(NewChartTest, CancellingANewChartStoresNothingAndKeepsTheChartOnShow) {
  StoreChartAndStart([](ChartRecord& r) { CopyText(r.name, RecordNameUnits, u"Kept"); });
  RunNew(std::string(AdaScript) + "page Name\nclick 1045\n");
  EXPECT_TRUE(Logged("close 110 0"));
  EXPECT_EQ(CountCharts(), 1);
  EXPECT_EQ(FieldText(chartSlots[0].record.name), u"Kept");
  // The current record is the chart on show again, so the settings keep
  // naming it: after a restart it is still the one on show.
  EXPECT_EQ(currentRecord.id, 6);
  Restart();
  EXPECT_EQ(chartSlots[0].record.id, 6);
  EXPECT_EQ(FieldText(chartSlots[0].record.name), u"Kept");
}

TEST_F(NewChartTest, EditingWhileThePresentMomentIsShownEditsTheNatalChart) {
  StoreChartAndStart([](ChartRecord& r) { CopyText(r.name, RecordNameUnits, u"Natal"); });
  Command(CmdPresentMoment);
  ASSERT_EQ(currentSlotIndex, 1);
  RunEdit("note 1018\nnote 1019\nnote 1022\npage Place\nnote 1029\nok\n");
  EXPECT_EQ(observed_, (std::vector<std::string>{"Natal", "1999", "13", "R\xC3\xAEmnicu-V\xC3\xAElcea"}));
  ASSERT_TRUE(LoadChartFile());
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(currentRecord.year, 1999);
  EXPECT_EQ(currentRecord.hour, 13);
}

TEST_F(NewChartTest, WithoutAnAtlasTheRegionAndCityPagesStayEmpty) {
  const std::uint8_t garbage[64] = {1, 2, 3};
  UseAtlasData(garbage, nullptr);
  Start();
  RunNew(NamePage("No atlas") + R"(
page Region
expand 1026 6
select 1026 6
page City
settext 1054 London
tap 227 81
tap 227 95
note 1055
page Place
settext 1029 Typed by hand
ok
)");
  UseEmbeddedAtlas();
  EXPECT_EQ(observed_, (std::vector<std::string>{""}));
  EXPECT_TRUE(Logged("close 110 1"));
  // The region chosen still applies: no country, the position 0° 0'.
  EXPECT_EQ(FieldText(chartSlots[0].record.city), u"Typed by hand");
  EXPECT_EQ(FieldText(chartSlots[0].record.country), u"");
}

TEST_F(NewChartTest, CancellingAnEditLeavesTheStoredChartUnchanged) {
  StoreChartAndStart([](ChartRecord&) {});
  const ChartRecord before = chartSlots[0].record;
  RunEdit(R"(
settext 1018 Changed
page Place
settext 1029 Elsewhere
settext 1027 12
page Corrections
settext 1036 3
cancel
)");
  EXPECT_TRUE(Logged("close 110 0"));
  EXPECT_EQ(FieldText(chartSlots[0].record.name), FieldText(before.name));
  EXPECT_EQ(FieldText(currentRecord.city), FieldText(before.city));
  ASSERT_TRUE(LoadChartFile());
  ASSERT_TRUE(FetchChart(6));
  EXPECT_EQ(FieldText(currentRecord.name), FieldText(before.name));
  EXPECT_EQ(FieldText(currentRecord.city), FieldText(before.city));
  EXPECT_EQ(currentRecord.latDegrees, before.latDegrees);
  EXPECT_EQ(currentRecord.zoneHours, before.zoneHours);
}

TEST_F(NewChartTest, StoredValuesTheChecksRefuseSendTheUserToTheirPage) {
  StoreChartAndStart([](ChartRecord& r) {
    r.latDegrees = 80;
    r.zoneHours = 30;
  });
  RunEdit(R"(
ok
ok
observe
note 1027
settext 1027 45
page Name
ok
ok
observe
note 1036
cancel
)");
  EXPECT_TRUE(Logged("open 135"));
  EXPECT_TRUE(Logged("open 130"));
  EXPECT_EQ(observed_, (std::vector<std::string>{"Place 1027", "80", "Corrections 1036", "30"}));
}

TEST_F(NewChartTest, TheCalendarButtonFillsTheDate) {
  Start();
  // The calendar opens on today, 20 March 2024.
  RunNew(R"(
click 1050
ok
observe
note 1019
note 1020
note 1021
settext 1019 1900
click 1050
cancel
observe
note 1019
cancel
)");
  EXPECT_TRUE(Logged("open 250"));
  EXPECT_EQ(observed_, (std::vector<std::string>{"Name 1022", "2024", "3", "20", "Name 1019", "1900"}));
}

TEST_F(NewChartTest, AtlasEntriesChosenOnTheRegionPageFillThePlace) {
  Start();
  RunNew(NamePage("Region test") + R"(
page Region
note 1026
expand 1026 6
select 1026 8
note 1026
page Place
note 1030
note 1028
note 1029
note 1027
note 1034
page Region
expand 1026 8
select 1026 9
note 1026
page Place
note 1030
note 1028
page Region
select 1026 6
page Place
note 1030
note 1032
note 1036
page Region
select 1026 0
page Place
settext 1029 Durres
ok
)");
  EXPECT_EQ(observed_, (std::vector<std::string>{
                           "Nothing selected", "Albania",                              // the tree
                           "Albania", "", "", "0", "0",                               // a country
                           "Berat County", "Albania", "Berat County",                 // a province
                           "", "on", "on"}));                                          // a region
  const ChartRecord& r = chartSlots[0].record;
  EXPECT_EQ(FieldText(r.country), u"");
  EXPECT_EQ(FieldText(r.city), u"Durres");
}

TEST_F(NewChartTest, TheArrowsStepThroughTheListAndADoubleTapTakesACity) {
  Start();
  // The scroll arrows beside the list: up at y 81, down at y 95.
  RunNew(NamePage("Arrows") + R"(
page City
note 1055
tap 227 95
note 1055
tap 227 81
note 1055
tap 227 95
tap 227 95
dtap 100 115
observe
note 1029
note 1030
ok
)");
  ASSERT_EQ(observed_.size(), 6u);
  EXPECT_EQ(observed_[0], "1 Decembrie,  Romania");  // the first city, chosen
  EXPECT_EQ(observed_[1], "");                       // scrolled out of the list
  EXPECT_EQ(observed_[2], "");                       // back in view, no longer chosen
  EXPECT_EQ(observed_[3], "Place 1030");
  // Row 2 after two steps down is city 16.
  ASSERT_EQ(OpenAtlas(), 0);
  SeekCityNumber(16);
  ReadCity(ReadEverything);
  EXPECT_EQ(FieldText(chartSlots[0].record.city), FieldText(atlasCursor.cityName));
  EXPECT_EQ(observed_[4], ToUtf8(FieldText(atlasCursor.cityName)));
  EXPECT_EQ(FieldText(chartSlots[0].record.country), FieldText(atlasCursor.countryName));
}

TEST_F(NewChartTest, HandTypedPlaceFieldsOutlastTheCityChoice) {
  Start();
  RunNew(std::string(AdaScript) + R"(
page Place
settext 1029 Marylebone
settext 1027 50
settext 1031 5
click 1033
settext 1035 10
click 1036
ok
)");
  const ChartRecord& r = chartSlots[0].record;
  EXPECT_EQ(FieldText(r.country), u"United Kingdom");
  EXPECT_EQ(FieldText(r.city), u"Marylebone");
  EXPECT_EQ(r.latDegrees * 100 + r.latMinutes, 5005);
  EXPECT_EQ(r.north, 0u);
  EXPECT_EQ(r.lonDegrees * 100 + r.lonMinutes, 10);
  EXPECT_EQ(r.east, 1u);
}

TEST_F(NewChartTest, UseLocalTimeSetsTheZoneAsideAndBringsItBack) {
  Start();
  RunNew(NamePage("Zones") + R"(
page Corrections
settext 1036 5
settext 1037 30
click 1041
click 1051
note 1036
note 1041
click 1051
note 1036
note 1037
note 1041
settext 1036 99
click 1051
settext 1038 1
click 1043
settext 1033 7
select 1034 1
select 1035 13
ok
)");
  EXPECT_EQ(observed_, (std::vector<std::string>{"disabled 0", "disabled off", "5", "30", "on"}));
  // Zone hours of 99 are not looked at under local time.
  EXPECT_TRUE(Logged("close 110 1"));
  const ChartRecord& r = chartSlots[0].record;
  EXPECT_EQ(r.localTime, 1u);
  EXPECT_EQ(r.zoneHours * 100 + r.zoneMinutes, 0);
  EXPECT_EQ(r.zonePlus, 1u);
  EXPECT_EQ(r.dstHours, 1);
  EXPECT_EQ(r.dstPlus, 0u);
  EXPECT_EQ(r.corrDistance, 7);
  EXPECT_EQ(r.corrUnit, 1);
  EXPECT_EQ(r.corrDirection, 13);
}

}  // namespace
}  // namespace orrery::testing
