#include <gtest/gtest.h>

#include "chart/chart_slot.h"
#include "chart/position_correction.h"

namespace orrery {
namespace {

ChartRecord Place(int latDegrees, int latMinutes, int north, int lonDegrees, int lonMinutes, int east) {
  ChartRecord record{};
  record.latDegrees = static_cast<std::uint16_t>(latDegrees);
  record.latMinutes = static_cast<std::uint8_t>(latMinutes);
  record.north = static_cast<std::uint32_t>(north);
  record.lonDegrees = static_cast<std::uint16_t>(lonDegrees);
  record.lonMinutes = static_cast<std::uint8_t>(lonMinutes);
  record.east = static_cast<std::uint32_t>(east);
  return record;
}

void Move(ChartRecord& record, int distance, int unit, int direction) {
  record.corrDistance = static_cast<std::uint16_t>(distance);
  record.corrUnit = static_cast<std::uint8_t>(unit);
  record.corrDirection = static_cast<std::uint8_t>(direction);
}

void ExpectPlace(const CorrectedPlace& p, int latDegrees, int latMinutes, int north, int lonDegrees,
                 int lonMinutes, int east) {
  EXPECT_EQ(p.latDegrees, latDegrees);
  EXPECT_EQ(p.latMinutes, latMinutes);
  EXPECT_EQ(p.north, static_cast<std::uint32_t>(north));
  EXPECT_EQ(p.lonDegrees, lonDegrees);
  EXPECT_EQ(p.lonMinutes, lonMinutes);
  EXPECT_EQ(p.east, static_cast<std::uint32_t>(east));
}

TEST(PositionCorrection, NoDistanceKeepsThePlace) {
  ChartRecord record = Place(51, 29, 1, 0, 7, 0);
  Move(record, 0, 3, 13);
  ExpectPlace(CorrectPosition(record), 51, 29, 1, 0, 7, 0);
}

TEST(PositionCorrection, MovesTruncateToWholeMinutes) {
  ChartRecord record = Place(0, 0, 1, 0, 0, 1);
  Move(record, 10, 0, 0);  // 10 km north: 0.0899824 degrees
  ExpectPlace(CorrectPosition(record), 0, 5, 1, 0, 0, 1);
  Move(record, 10, 0, 6);  // 10 km south-west
  ExpectPlace(CorrectPosition(record), 0, 3, 0, 0, 3, 0);

  ChartRecord dateLine = Place(0, 0, 1, 179, 50, 1);
  Move(dateLine, 50, 1, 1);  // 50 miles east across 180 degrees
  ExpectPlace(CorrectPosition(dateLine), 0, 0, 1, 179, 26, 0);
}

// Due east the latitude does not move at all (cos 90 degrees is cleared to
// 0); the record's 60 degrees stay 60 degrees and do not become 59 59 through
// the truncated round trip.
TEST(PositionCorrection, DueEastKeepsTheLatitudeFields) {
  ChartRecord record = Place(60, 0, 1, 10, 0, 1);
  Move(record, 100, 0, 1);  // 1.79663 degrees of longitude at 60 N
  ExpectPlace(CorrectPosition(record), 60, 0, 1, 11, 47, 1);
  ChartRecord north = Place(33, 0, 0, 10, 0, 1);
  Move(north, 20, 0, 0);
  CorrectedPlace moved = CorrectPosition(north);
  EXPECT_EQ(moved.lonDegrees, 10);
  EXPECT_EQ(moved.lonMinutes, 0);
  EXPECT_EQ(moved.latDegrees, 32);
  EXPECT_EQ(moved.latMinutes, 49);
}

TEST(PositionCorrection, SampleChartAndSlot) {
  // Rimnicu-Vilcea 45 06 N, 24 22 E, 7 km west-south-west.
  currentSlotIndex = 2;
  ChartRecord& record = CurrentSlot().record;
  record = Place(45, 6, 1, 24, 22, 1);
  Move(record, 7, 0, 13);
  ApplyPositionCorrection();
  const ChartData& chart = CurrentChart();
  EXPECT_EQ(chart.corrLatDegrees, 45);
  EXPECT_EQ(chart.corrLatMinutes, 4);
  EXPECT_EQ(chart.corrNorth, 1u);
  EXPECT_EQ(chart.corrLonDegrees, 24);
  EXPECT_EQ(chart.corrLonMinutes, 17);
  EXPECT_EQ(chart.corrEast, 1u);
  currentSlotIndex = 0;
}

TEST(PositionCorrection, OutOfTableIndexesMoveNothing) {
  ChartRecord record = Place(10, 0, 1, 10, 0, 1);
  Move(record, 500, 11, 0);
  ExpectPlace(CorrectPosition(record), 10, 0, 1, 10, 0, 1);
  Move(record, 500, 0, 16);
  ExpectPlace(CorrectPosition(record), 10, 0, 1, 10, 0, 1);
}

TEST(PositionCorrection, LatitudeLimit) {
  EXPECT_TRUE(LatitudeWithinLimit(77, 0));
  EXPECT_FALSE(LatitudeWithinLimit(77, 1));
  EXPECT_FALSE(LatitudeWithinLimit(78, 0));
  EXPECT_TRUE(LatitudeWithinLimit(76, 59));
  ChartRecord record = Place(76, 50, 0, 0, 0, 1);
  Move(record, 30, 0, 2);  // 30 km south: 77 06 S
  CorrectedPlace p = CorrectPosition(record);
  EXPECT_EQ(p.latDegrees, 77);
  EXPECT_FALSE(LatitudeWithinLimit(p.latDegrees, p.latMinutes));
}

}  // namespace
}  // namespace orrery
