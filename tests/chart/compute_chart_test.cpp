#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/factors.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

class ComputeChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOrbsToDefaults();
    ResetPointsToDefaults();
    rulershipIndex = 0;
    currentHouseSystem = Placidus;
    currentSlotIndex = 0;
    CurrentSlot() = ChartSlot{};
  }
  void TearDown() override { currentHouseSystem = Placidus; }

  // The first sample chart: 1999-08-11 13:03 at 45 06 N 24 22 E, zone +2:00,
  // daylight saving -1:00, moved 7 km west-south-west.
  static ChartRecord Eclipse() {
    ChartRecord r{};
    r.year = 1999;
    r.month = 8;
    r.day = 11;
    r.hour = 13;
    r.minute = 3;
    r.latDegrees = 45;
    r.latMinutes = 6;
    r.north = 1;
    r.lonDegrees = 24;
    r.lonMinutes = 22;
    r.east = 1;
    r.zoneHours = 2;
    r.zonePlus = 1;
    r.dstHours = 1;
    r.dstPlus = 0;
    r.corrDistance = 7;
    r.corrUnit = 0;
    r.corrDirection = 13;
    return r;
  }
};

TEST_F(ComputeChartTest, SampleChartTimesPlaceAndSky) {
  CurrentSlot().record = Eclipse();
  ComputeChart();
  const ChartData& c = CurrentChart();
  EXPECT_EQ(c.corrLatMinutes, 4);
  EXPECT_EQ(c.corrLonMinutes, 17);
  EXPECT_NEAR(c.mjdLocal, 51401.0 + 13.05 / 24.0, 1e-9);  // MJD 51401 is 1999-08-11
  EXPECT_NEAR(c.mjdDst, c.mjdLocal - 1.0 / 24.0, 1e-10);
  EXPECT_NEAR(c.mjdUt, 51401.0 + 10.05 / 24.0, 1e-9);  // 13:03 - 2:00 - 1:00
  EXPECT_NEAR(c.deltaT, 63.9, 2.0);  // observed in 1999: 63.9 s
  EXPECT_NEAR(c.mjdTt, c.mjdUt + c.deltaT / 86400.0, 1e-10);

  // Local sidereal time from the textbook mean sidereal time (Meeus 12.4)
  // at the corrected longitude 24 17 E; the equation of the equinoxes stays
  // within about a second.
  double d = c.mjdUt - 51544.5;
  double gmstDegrees = std::fmod(280.46061837 + 360.98564736629 * d, 360.0);
  double lstSeconds = std::fmod((gmstDegrees + 24.0 + 17.0 / 60.0) * 240.0 + 86400.0, 86400.0);
  EXPECT_NEAR(c.lst, lstSeconds, 1.5);
  EXPECT_NEAR(c.obliquity * RadToDeg, 23.439, 0.003);

  // A total solar eclipse: Sun and Moon within a degree, in Leo.
  EXPECT_LT(Separation(BodyTable[Sun].geocentric.x, BodyTable[Moon].geocentric.x), DegToRad);
  EXPECT_EQ(SignNumber(BodyTable[Sun].geocentric.x), 5);
  EXPECT_EQ(c.aspects[Sun][Moon], Conjunction);
  EXPECT_EQ(c.factors.dignity[Sun], InRuler);
  EXPECT_EQ(BodyTable[Midheaven].geocentric.x, c.midheaven);
  EXPECT_EQ(BodyTable[Ascendant].geocentric.x, c.ascendant);
  EXPECT_EQ(c.cusps[0], c.ascendant);
  EXPECT_EQ(c.cusps[9], c.midheaven);
  for (int b = 0; b < BodyCount; ++b)
    EXPECT_EQ(c.houseOf[b], HouseOfLongitude(c.cusps, BodyTable[b].geocentric.x)) << b;
  int points = c.factors.positiveTotal + c.factors.negativeTotal;
  EXPECT_EQ(points, 27);
  EXPECT_EQ(c.factors.quadrant[0] + c.factors.quadrant[1] + c.factors.quadrant[2] + c.factors.quadrant[3],
            27);
}

TEST_F(ComputeChartTest, ZoneAndDaylightSavingRelations) {
  ChartRecord r = Eclipse();
  r.corrDistance = 0;
  r.zoneHours = 1;
  r.zonePlus = 1;
  r.dstHours = 1;
  r.dstPlus = 0;
  CurrentSlot().record = r;
  ComputeChart();
  EXPECT_NEAR(CurrentChart().mjdUt, CurrentChart().mjdLocal - 2.0 / 24.0, 1e-10);

  // Local mean time 15 00 W: zone -3600 s, so UT is an hour after local.
  r.localTime = 1;
  r.lonDegrees = 15;
  r.lonMinutes = 0;
  r.east = 0;
  r.dstHours = 0;
  EXPECT_EQ(LocalMeanTimeOffset(r), -3600.0);
  CurrentSlot().record = r;
  ComputeChart();
  EXPECT_NEAR(CurrentChart().mjdUt, CurrentChart().mjdDst + 1.0 / 24.0, 1e-10);

  // The zone follows the record's own longitude, not the corrected one.
  r.corrDistance = 500;
  r.corrDirection = 1;  // east
  CurrentSlot().record = r;
  ComputeChart();
  EXPECT_NE(CurrentChart().corrLonDegrees, 15);
  EXPECT_NEAR(CurrentChart().mjdUt, CurrentChart().mjdDst + 1.0 / 24.0, 1e-10);
}

// The house-system menu refreshes cusps and houses only.
TEST_F(ComputeChartTest, HouseSystemChangeKeepsPositionsAspectsAndFactors) {
  CurrentSlot().record = Eclipse();
  ComputeChart();
  ChartData before = CurrentChart();
  BodyPosition bodies[BodyCount];
  std::memcpy(bodies, BodyTable, sizeof bodies);

  ChangeHouseSystem(Koch);
  const ChartData& after = CurrentChart();
  EXPECT_EQ(std::memcmp(bodies, BodyTable, sizeof bodies), 0);
  EXPECT_EQ(std::memcmp(before.aspects, after.aspects, sizeof before.aspects), 0);
  EXPECT_EQ(std::memcmp(&before.factors, &after.factors, sizeof before.factors), 0);
  EXPECT_NE(std::memcmp(before.cusps, after.cusps, sizeof before.cusps), 0);

  // The same as computing the whole chart with Koch.
  ChartData changed = after;
  ComputeChart();
  EXPECT_EQ(std::memcmp(changed.cusps, CurrentChart().cusps, sizeof changed.cusps), 0);
  EXPECT_EQ(std::memcmp(changed.houseOf, CurrentChart().houseOf, sizeof changed.houseOf), 0);
}

// At 75 N with a buried Midheaven, Regiomontanus turns the chart's Midheaven;
// BodyTable entry 14 keeps the one the houses started from.
TEST_F(ComputeChartTest, PolarTurnLeavesTheBodyTableAngles) {
  ChartRecord r = Eclipse();
  r.corrDistance = 0;
  r.latDegrees = 75;
  r.latMinutes = 0;
  currentHouseSystem = Regiomontanus;
  bool turned = false;
  for (int hour = 0; hour < 24 && !turned; ++hour) {
    r.hour = static_cast<std::uint8_t>(hour);
    CurrentSlot().record = r;
    ComputeChart();
    const ChartData& c = CurrentChart();
    EXPECT_EQ(BodyTable[Ascendant].geocentric.x, c.ascendant);
    if (BodyTable[Midheaven].geocentric.x != c.midheaven) {
      turned = true;
      EXPECT_DOUBLE_EQ(c.midheaven, Normalize2Pi(BodyTable[Midheaven].geocentric.x + Pi));
      EXPECT_EQ(c.cusps[9], c.midheaven);
    }
  }
  EXPECT_TRUE(turned);
}

}  // namespace
}  // namespace orrery
