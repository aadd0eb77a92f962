// Every check of the wizard as the user meets it: fields typed on the
// pages, then leaving a page or accepting the sheet; the notice that opens,
// the page the wizard stays on (or switches to) and the control that has
// the focus once the notice is closed. Nothing is stored.
#include <gtest/gtest.h>

#include <ostream>

#include "chart/chart_record.h"
#include "chart/chart_slot.h"
#include "shell/text_format.h"
#include "store/chart_file.h"
#include "store/chart_store.h"
#include "store/settings.h"
#include "store/settings_record.h"
#include "wizard_test_support.h"

namespace orrery::testing {
namespace {

// A valid "Name" page: 10 December 1815, 13:30.
constexpr const char* ValidName = R"(
settext 1018 Ada Lovelace
settext 1019 1815
settext 1020 12
settext 1021 10
settext 1022 13
settext 1023 30
)";

struct CheckCase {
  const char* what;
  const char* script;  // after the valid "Name" page; ends by leaving a page or accepting
  int notice;
  const char* observed;  // page and focused control once the notice is closed
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.what; }

const CheckCase Cases[] = {
    {"empty name", "settext 1018 \npage Region", 114, "Name 1018"},
    {"year 0", "settext 1019 0\npage Place", 115, "Name 1019"},
    {"year 2130", "settext 1019 2130\npage Place", 115, "Name 1019"},
    {"year not a number", "settext 1019 18x5\npage City", 115, "Name 1019"},
    {"month 13", "settext 1020 13\npage Region", 116, "Name 1020"},
    {"31 January 2023 + 1", "settext 1019 2023\nsettext 1020 1\nsettext 1021 32\npage Region", 117, "Name 1021"},
    {"31 April", "settext 1020 4\nsettext 1021 31\npage Region", 119, "Name 1021"},
    {"day 0 in December", "settext 1021 0\npage Region", 127, "Name 1021"},
    {"29 February 1900", "settext 1019 1900\nsettext 1020 2\nsettext 1021 29\npage Region", 128, "Name 1021"},
    {"30 February 2000", "settext 1019 2000\nsettext 1020 2\nsettext 1021 30\npage Region", 129, "Name 1021"},
    {"29 February 1500 Gregorian", "settext 1019 1500\nsettext 1020 2\nsettext 1021 29\npage Region", 128,
     "Name 1021"},
    {"30 February 1500 Julian",
     "settext 1019 1500\nsettext 1020 2\nsettext 1021 30\nselect 1026 1\npage Region", 129, "Name 1021"},
    {"hour 24", "settext 1022 24\npage Corrections", 130, "Name 1022"},
    {"minute 60", "settext 1023 60\npage Corrections", 131, "Name 1023"},
    {"accepted without a name", "settext 1018 \nok", 114, "Name 1018"},
    {"latitude 77° 01'", "page Place\nsettext 1027 77\nsettext 1031 1\npage Corrections", 135, "Place 1027"},
    {"latitude 78°", "page Place\nsettext 1027 78\nsettext 1031 0\nok", 135, "Place 1027"},
    {"latitude minutes 60", "page Place\nsettext 1031 60\npage Name", 133, "Place 1031"},
    {"longitude 180°", "page Place\nsettext 1034 180\npage Region", 132, "Place 1034"},
    {"longitude minutes 60", "page Place\nsettext 1035 60\npage City", 134, "Place 1035"},
    {"zone hours 24", "page Corrections\nsettext 1036 24\npage Name", 130, "Corrections 1036"},
    {"zone minutes 75", "page Corrections\nsettext 1037 75\npage Place", 131, "Corrections 1037"},
    {"daylight-saving hours 24", "page Corrections\nsettext 1038 24\nok", 130, "Corrections 1038"},
    {"daylight-saving minutes 60", "page Corrections\nsettext 1039 60\npage Region", 131, "Corrections 1039"},
    {"position beyond 77° 00' accepted on its page",
     "page Place\nsettext 1027 76\nsettext 1031 30\npage Corrections\nsettext 1033 60\nok", 137,
     "Corrections 1033"},
    {"position beyond 77° 00' accepted on another page",
     "page Place\nsettext 1027 76\nsettext 1031 30\npage Corrections\nsettext 1033 60\npage Name\nok", 137,
     "Corrections 1033"},
    {"date in London's changeover gap",
     "settext 1019 1752\nsettext 1020 9\nsettext 1021 5\npage City\nsettext 1054 London\npage Place\nok", 136,
     "Name 1021"},
};

class CheckTableTest : public WizardTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckTableTest, TheNoticeOpensAndTheFieldHasTheFocus) {
  const CheckCase& c = GetParam();
  Start();
  RunNew(std::string(ValidName) + c.script + "\nok\nobserve\ncancel\n");
  const std::string notice = std::to_string(c.notice);
  EXPECT_TRUE(Logged("open " + notice)) << ::testing::PrintToString(Events());
  EXPECT_TRUE(Logged("close " + notice + " 1"));
  ASSERT_EQ(observed_.size(), 1u);
  EXPECT_EQ(observed_[0], c.observed);
  EXPECT_TRUE(Logged("close 110 0")) << "the wizard stayed open until cancelled";
  EXPECT_EQ(CountCharts(), 0);
}

INSTANTIATE_TEST_SUITE_P(Checks, CheckTableTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });

using CalendarTest = WizardTest;

TEST_F(CalendarTest, TheTwentyNinthOfFebruary1500IsAJulianDate) {
  Start();
  RunNew(R"(
settext 1018 Julian leap day
settext 1019 1500
settext 1020 2
settext 1021 29
settext 1022 12
settext 1023 0
select 1026 1
page Region
ok
)");
  EXPECT_FALSE(Logged("open 128"));
  EXPECT_TRUE(Logged("close 110 1"));
  ASSERT_EQ(CountCharts(), 1);
  const ChartRecord& shown = chartSlots[0].record;
  EXPECT_EQ(FieldText(shown.name), u"Julian leap day");
  EXPECT_EQ(shown.year, 1500);
  EXPECT_EQ(shown.month, 2);
  EXPECT_EQ(shown.day, 29);
  EXPECT_EQ(shown.calendar, 1);
}

}  // namespace
}  // namespace orrery::testing
