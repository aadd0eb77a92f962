#include <gtest/gtest.h>

#include <cmath>

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

constexpr double deg = DegToRad;

TEST(StartupConstants, MatchTheirDefiningComputations) {
  EXPECT_EQ(DegToRad, 0.017453292519943295);
  EXPECT_EQ(RadToDeg, 57.29577951308232);
  EXPECT_EQ(AngleEpsilon, 1.7453292519943295e-12);
  EXPECT_EQ(TinyThreshold, 3.028809764580903e-16);
  // The threshold is three times the first step that no longer changes 1.0.
  EXPECT_EQ(1.0 + TinyThreshold / 3.0, 1.0);
  EXPECT_GT(1.0 + TinyThreshold / 3.0 / 0.9, 1.0);
}

TEST(ClampTiny, ZeroesOnlyMagnitudesAtOrBelowTheThreshold) {
  EXPECT_EQ(ClampTiny(3e-16), 0.0);
  EXPECT_EQ(ClampTiny(-3e-16), 0.0);
  EXPECT_EQ(ClampTiny(4e-16), 4e-16);
  EXPECT_EQ(Cos(HalfPi), 0.0);  // 6.1e-17 unclamped
  EXPECT_EQ(Sin(Pi), 0.0);
  EXPECT_EQ(Sin(HalfPi), 1.0);
}

TEST(Normalize, TwoPiRangeIsClosedAndPiRangeIsSymmetric) {
  EXPECT_DOUBLE_EQ(Normalize2Pi(-0.1), TwoPi - 0.1);
  EXPECT_EQ(Normalize2Pi(TwoPi), TwoPi);
  EXPECT_DOUBLE_EQ(Normalize2Pi(7 * Pi), Pi);
  EXPECT_DOUBLE_EQ(NormalizePi(3.2), 3.2 - TwoPi);
  EXPECT_EQ(Normalize2Pi(1e-17), 0.0);
  // Far-off and non-finite input terminates.
  EXPECT_NEAR(Normalize2Pi(1e12), std::fmod(1e12, TwoPi), 1e-3);
  EXPECT_TRUE(std::isnan(Normalize2Pi(INFINITY)));
  EXPECT_TRUE(std::isnan(NormalizePi(NAN)));
}

TEST(AngularArithmetic, DifferencesSeparationsAndMidpointsTakeTheShortArc) {
  EXPECT_NEAR(Separation(350 * deg, 10 * deg), 20 * deg, 1e-15);
  EXPECT_NEAR(Separation(-10 * deg, 10 * deg), 20 * deg, 1e-15);
  EXPECT_NEAR(Midpoint(340 * deg, 10 * deg), 355 * deg, 1e-14);
  EXPECT_NEAR(Midpoint(10 * deg, 50 * deg), 30 * deg, 1e-15);
  EXPECT_EQ(Midpoint(1.0, 1.0), 1.0);
  EXPECT_NEAR(SignedDifference(10 * deg, 350 * deg), 20 * deg, 1e-14);
  EXPECT_NEAR(SignedDifference(350 * deg, 10 * deg), -20 * deg, 1e-14);
  EXPECT_NEAR(SignedDifference(Pi, 0.0), -Pi, 0.0);  // [-pi, pi)
}

TEST(PointAngle, QuadrantsOnAScreenWhoseYGrowsDownward) {
  EXPECT_NEAR(PointAngle(0, 0, 1, 1), 45 * deg, 1e-15);
  EXPECT_NEAR(PointAngle(0, 0, 1, -1), 315 * deg, 1e-14);
  EXPECT_NEAR(PointAngle(0, 0, -1, -1), 225 * deg, 1e-14);
  EXPECT_NEAR(PointAngle(0, 0, -1, 1), 135 * deg, 1e-14);
  EXPECT_NEAR(PointAngle(0, 0, 0, -5), 270 * deg, 1e-14);
  EXPECT_NEAR(PointAngle(0, 0, 0, 5), 90 * deg, 1e-14);
  EXPECT_EQ(PointAngle(3, 4, 3, 4), 0.0);
}

TEST(SignNumber, CoversTheCircleWithoutLeavingOneToTwelve) {
  EXPECT_EQ(SignNumber(0), 1);
  EXPECT_EQ(SignNumber(359.9 * deg), 12);
  EXPECT_EQ(SignNumber(30 * deg), 2);
  EXPECT_EQ(SignNumber(TwoPi), 1);
  EXPECT_EQ(SignNumber(std::nextafter(TwoPi, 0.0)), 12);
  EXPECT_EQ(SignNumber(-1 * deg), 12);
  for (int d = 0; d < 360; ++d) EXPECT_EQ(SignNumber((d + 0.5) * deg), d / 30 + 1) << d;
}

TEST(DegreeFields, ConversionsTruncateAndPlaceTheSign) {
  DegreesMinutes dm = RadiansToDm(-0.5 * deg);
  EXPECT_EQ(dm.degrees, 0);
  EXPECT_EQ(dm.minutes, -30);
  dm = RadiansToDm(-12.75 * deg);
  EXPECT_EQ(dm.degrees, -12);
  EXPECT_EQ(dm.minutes, 45);
  EXPECT_DOUBLE_EQ(DmsToRadians(51, 30, 0), -51.5 * deg);
  EXPECT_DOUBLE_EQ(DmsToRadians(-51, -30, 1), 51.5 * deg);
  DegreesMinutesSeconds dms = RadiansToDms((10 + 20 / 60.0 + 30.5 / 3600.0) * deg);
  EXPECT_EQ(dms.degrees, 10);
  EXPECT_EQ(dms.minutes, 20);
  EXPECT_NEAR(dms.seconds, 30.5, 1e-9);
  dms = RadiansToDms(-(10.0 / 3600.0) * deg);
  EXPECT_EQ(dms.degrees, 0);
  EXPECT_EQ(dms.minutes, 0);
  EXPECT_NEAR(dms.seconds, -10.0, 1e-9);
  dm = RadiansToDm(NAN);
  EXPECT_EQ(dm.degrees, 0);
  EXPECT_EQ(dm.minutes, 0);
}

TEST(SecondsToHm, WrapsIntoTheDay) {
  HoursMinutes hm = SecondsToHm(-60);
  EXPECT_EQ(hm.hours, 23);
  EXPECT_EQ(hm.minutes, 59);
  hm = SecondsToHm(86400.0 * 3 + 3600 * 5 + 60 * 7 + 30);
  EXPECT_EQ(hm.hours, 5);
  EXPECT_EQ(hm.minutes, 7);
  hm = SecondsToHm(NAN);
  EXPECT_EQ(hm.hours, 0);
}

TEST(DateKey, OrdersEveryMinuteOfTheDay) {
  double previous = DateKey(2003, 3, 29, 23, 59);
  for (int h = 0; h < 24; ++h) {
    for (int m = 0; m < 60; ++m) {
      double key = DateKey(2003, 3, 30, h, m);
      EXPECT_GT(key, previous) << h << ":" << m;
      previous = key;
    }
  }
  EXPECT_LT(previous, DateKey(2003, 3, 31, 0, 0));
  EXPECT_EQ(DateKey(1582, 10, 15, 0, 0), 15821015.0);
}

}  // namespace
}  // namespace orrery
