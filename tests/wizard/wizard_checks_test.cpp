// The wizard's checks on their own: numbers, month lengths by calendar, the
// order of ValidateAll and the position correction limit.
#include <gtest/gtest.h>

#include "dialogs/caution_notices.h"
#include "dialogs/wizard/wizard_checks.h"
#include "dialogs/wizard/wizard_ids.h"
#include "foundation/calendar.h"

namespace orrery::wizard {
namespace {

// Every field valid: 10 December 1815 13:30 at 51° 31' N 0° 08' W.
WizardInput ValidInput() {
  WizardInput in;
  in.name = u"Ada Lovelace";
  in.year = u"1815";
  in.month = u"12";
  in.day = u"10";
  in.hour = u"13";
  in.minute = u"30";
  in.latDegrees = u"51";
  in.latMinutes = u"31";
  in.lonDegrees = u"0";
  in.lonMinutes = u"8";
  in.east = false;
  in.zoneHours = in.zoneMinutes = in.dstHours = in.dstMinutes = u"0";
  in.distance = u"0";
  return in;
}

TEST(WizardNumbers, OnlyDigitsWithBlanksAroundCountAsNumbers) {
  EXPECT_EQ(ParseNumber(u"2129"), 2129);
  EXPECT_EQ(ParseNumber(u" 07 "), 7);
  EXPECT_EQ(ParseNumber(u"0"), 0);
  for (const char16_t* bad : {u"", u"  ", u"-1", u"+1", u"1 2", u"12a", u"1.5", u"99999999999"}) {
    EXPECT_FALSE(ParseNumber(bad)) << "'" << std::string(bad, bad + std::char_traits<char16_t>::length(bad)) << "'";
  }
}

TEST(WizardNames, SpacesAreNormalisedBeforeTheCut) {
  EXPECT_EQ(NormalisedText(u"  Ada   Lovelace ", 31), u"Ada Lovelace");
  EXPECT_EQ(NormalisedText(u"   ", 31), u"");
  // A cut that ends on a blank leaves no trailing blank.
  EXPECT_EQ(NormalisedText(u"abcd efgh", 5), u"abcd");
  EXPECT_EQ(NormalisedText(u"abcdefgh", 3), u"abc");
}

TEST(WizardChecks, DayNoticesNameTheirMonth) {
  WizardInput in = ValidInput();
  const int notices[] = {117, 128, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127};
  in.year = u"2023";
  for (int month = 1; month <= 12; ++month) {
    in.month = DecimalText(month);
    in.day = DecimalText(MonthLength(2023, month, 0) + 1);
    const ValidationResult r = CheckNamePage(in);
    EXPECT_FALSE(r.valid);
    EXPECT_EQ(r.notice, notices[month - 1]) << "month " << month;
    EXPECT_EQ(r.control, IdDay);
    in.day = DecimalText(MonthLength(2023, month, 0));
    EXPECT_TRUE(CheckNamePage(in).valid) << "month " << month;
  }
  in.year = u"2024";
  in.month = u"2";
  in.day = u"30";
  EXPECT_EQ(CheckNamePage(in).notice, NoticeDayLeapFebruary);
  in.day = u"0";
  EXPECT_EQ(CheckNamePage(in).notice, NoticeDayLeapFebruary);
}

TEST(WizardChecks, RangesEndWhereTheNoticesSay) {
  struct Case {
    std::u16string WizardInput::*field;
    const char16_t* lowest;
    const char16_t* highest;
    const char16_t* below;
    const char16_t* above;
    int notice;
  };
  const Case cases[] = {
      {&WizardInput::year, u"1", u"2129", u"0", u"2130", NoticeYear},
      {&WizardInput::month, u"1", u"12", u"0", u"13", NoticeMonth},
      {&WizardInput::hour, u"0", u"23", u"", u"24", NoticeHour},
      {&WizardInput::minute, u"0", u"59", u"", u"60", NoticeMinute},
      {&WizardInput::latDegrees, u"0", u"77", u"", u"78", NoticeLatitudeDegrees},
      {&WizardInput::latMinutes, u"0", u"59", u"", u"60", NoticeLatitudeMinutes},
      {&WizardInput::lonDegrees, u"0", u"179", u"", u"180", NoticeLongitudeDegrees},
      {&WizardInput::lonMinutes, u"0", u"59", u"", u"60", NoticeLongitudeMinutes},
      {&WizardInput::zoneHours, u"0", u"23", u"", u"24", NoticeHour},
      {&WizardInput::zoneMinutes, u"0", u"59", u"", u"60", NoticeMinute},
      {&WizardInput::dstHours, u"0", u"23", u"", u"24", NoticeHour},
      {&WizardInput::dstMinutes, u"0", u"59", u"", u"60", NoticeMinute},
  };
  for (const Case& c : cases) {
    WizardInput in = ValidInput();
    in.day = u"1";         // every year and month allows it
    in.latMinutes = u"0";  // 77° only with 0'
    for (const char16_t* good : {c.lowest, c.highest}) {
      in.*c.field = good;
      EXPECT_TRUE(ValidateAll(in).valid) << c.notice;
    }
    for (const char16_t* bad : {c.below, c.above, u"x"}) {
      in.*c.field = bad;
      const ValidationResult r = ValidateAll(in);
      EXPECT_FALSE(r.valid);
      EXPECT_EQ(r.notice, c.notice);
    }
  }
}

TEST(WizardChecks, PositionCorrectionMayNotPassTheLatitudeLimit) {
  WizardInput in = ValidInput();
  in.latDegrees = u"76";
  in.latMinutes = u"30";
  in.distance = u"55";  // km north: 30' of latitude is 55.6 km
  EXPECT_TRUE(ValidateAll(in).valid);
  in.distance = u"60";
  ValidationResult r = ValidateAll(in);
  EXPECT_EQ(r.notice, NoticePosition);
  EXPECT_EQ(r.page, CorrectionsPageTemplate);
  EXPECT_EQ(r.control, IdDistance);
  // The same distance to the south stays far inside; on the southern
  // hemisphere the limit holds too.
  in.direction = 2;
  EXPECT_TRUE(ValidateAll(in).valid);
  in.north = false;
  EXPECT_EQ(ValidateAll(in).notice, NoticePosition);
  // No distance, no correction.
  in.distance = u"0";
  EXPECT_TRUE(ValidateAll(in).valid);
}

TEST(WizardChecks, ValidateAllReportsTheFirstProblemInTheTablesOrder) {
  WizardInput in = ValidInput();
  in.dateGap = true;
  in.distance = u"9999";
  in.latDegrees = u"76";
  in.dstHours = u"24";
  in.lonMinutes = u"60";
  in.minute = u"60";
  in.name = u"  ";
  // Each fix uncovers the next problem.
  const int order[] = {NoticeNameMissing, NoticeMinute, NoticeLongitudeMinutes, NoticeHour, NoticePosition, NoticeDateGap};
  for (int notice : order) {
    const ValidationResult r = ValidateAll(in);
    ASSERT_FALSE(r.valid);
    EXPECT_EQ(r.notice, notice);
    switch (notice) {
      case NoticeNameMissing: in.name = u"x"; break;
      case NoticeMinute: in.minute = u"0"; break;
      case NoticeLongitudeMinutes: in.lonMinutes = u"0"; break;
      case NoticeHour: in.dstHours = u"0"; break;
      case NoticePosition: in.distance = u"1"; break;
      default: in.dateGap = false; break;
    }
  }
  EXPECT_TRUE(ValidateAll(in).valid);
  in.dateGap = true;
  const ValidationResult gap = ValidateAll(in);
  EXPECT_EQ(gap.page, NamePageTemplate);
  EXPECT_EQ(gap.control, IdDay);
}

}  // namespace
}  // namespace orrery::wizard
