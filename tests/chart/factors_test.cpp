#include <gtest/gtest.h>

#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "chart/live_settings.h"
#include "foundation/numbers.h"

namespace orrery {
namespace {

// Middle of sign s (1 Aries .. 12 Pisces).
double InSign(int s) { return ((s - 1) * 30.0 + 15.0) * DegToRad; }

constexpr int Aries = 1, Taurus = 2, Leo = 5, Scorpio = 8, Aquarius = 11, Pisces = 12;

TEST(Dignities, RulerDetrimentExaltationFall) {
  EXPECT_EQ(DignityOf(Sun, InSign(Leo), 0), InRuler);
  EXPECT_EQ(DignityOf(Sun, InSign(Aquarius), 0), InDetriment);
  EXPECT_EQ(DignityOf(Moon, InSign(Scorpio), 0), InFall);   // Taurus exalts the Moon
  EXPECT_EQ(DignityOf(Moon, InSign(Taurus), 0), InExaltation);
  EXPECT_EQ(DignityOf(Sun, InSign(Aries), 0), InExaltation);
  EXPECT_EQ(DignityOf(Mars, InSign(Scorpio), 1), InRuler);  // old rulership
  EXPECT_EQ(DignityOf(Mars, InSign(Scorpio), 0), 0);        // Pluto rules Scorpio
  EXPECT_EQ(DignityOf(Pluto, InSign(Scorpio), 0), InRuler);
  EXPECT_EQ(DignityOf(Mars, InSign(Taurus), 1), InDetriment);
  EXPECT_EQ(DignityOf(Jupiter, InSign(Pisces), 1), InRuler);
  // Venus in Aries: Libra's ruler, so in detriment; Pisces exalts Venus, and
  // Virgo, opposite Pisces, is not Aries: no fall.
  EXPECT_EQ(DignityOf(Venus, InSign(Aries), 0), InDetriment);
  // An index beyond the four columns reads as modern rulership.
  EXPECT_EQ(DignityOf(Pluto, InSign(Scorpio), 9), InRuler);
}

class Factors : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPointsToDefaults();
    rulershipIndex = 0;
    currentSlotIndex = 0;
    for (BodyPosition& body : BodyTable) body = BodyPosition{};
  }
  void TearDown() override { ResetPointsToDefaults(); }
  // Every body at one longitude and in one house.
  void PlaceAll(double longitude, int house) {
    for (int b = 0; b < BodyCount; ++b) {
      BodyTable[b].geocentric.x = longitude;
      CurrentChart().houseOf[b] = static_cast<std::int8_t>(house);
    }
  }
};

TEST_F(Factors, DefaultPointsInOneSignAndHouse) {
  PlaceAll(InSign(Leo), 11);  // house 12
  BodyTable[Earth].factorFlags = 0x7777;  // zero points: left as it was
  ComputeFactors();
  const FactorTallies& t = CurrentChart().factors;
  EXPECT_EQ(t.positiveTotal, 27);  // every default point
  EXPECT_EQ(t.negativeTotal, 0);
  EXPECT_EQ(t.elementModality[0][1], 27);  // Fire / Fixed
  EXPECT_EQ(t.elementModality[0][3], 27);
  EXPECT_EQ(t.elementModality[4][1], 27);
  EXPECT_EQ(t.elementModality[4][3], 0);
  EXPECT_EQ(t.quadrant[3], 27);
  EXPECT_EQ(t.quadrant[0], 0);
  EXPECT_EQ(t.dignity[Sun], InRuler);
  EXPECT_EQ(BodyTable[Sun].factorFlags, 0x0A1 | 0x1000);
  EXPECT_EQ(BodyTable[Earth].factorFlags, 0x7777);
  EXPECT_EQ(BodyTable[SouthNode].factorFlags, 0);
}

TEST_F(Factors, CellsRowsColumnsAndQuadrants) {
  PlaceAll(InSign(Scorpio), 0);  // Water / Fixed, negative, houses 1-3
  BodyTable[Sun].geocentric.x = InSign(Aries);  // Fire / Cardinal, positive
  CurrentChart().houseOf[Sun] = 6;            // house 7: quadrant 3
  BodyTable[Moon].geocentric.x = InSign(Pisces);  // Water / Mutable
  CurrentChart().houseOf[Moon] = 20;          // out of range: house 1
  ComputeFactors();
  const FactorTallies& t = CurrentChart().factors;
  EXPECT_EQ(t.positiveTotal, 3);
  EXPECT_EQ(t.negativeTotal, 24);
  EXPECT_EQ(t.elementModality[0][0], 3);
  EXPECT_EQ(t.elementModality[2][1], 21);
  EXPECT_EQ(t.elementModality[2][2], 3);
  EXPECT_EQ(t.elementModality[2][3], 24);
  EXPECT_EQ(t.elementModality[4][0], 3);
  EXPECT_EQ(t.elementModality[4][1], 21);
  EXPECT_EQ(t.quadrant[0], 24);
  EXPECT_EQ(t.quadrant[2], 3);
  EXPECT_EQ(HouseNumber(Moon), 1);
  EXPECT_EQ(HouseNumber(Sun), 7);
  EXPECT_EQ(BodyTable[Moon].factorFlags, 0x144 | 0x200);
}

// Points of up to 9 for all 17 bodies exceed a signed byte.
TEST_F(Factors, TalliesHoldTheLargestTotals) {
  for (std::int8_t& points : currentPoints) points = MaxPoints;
  PlaceAll(InSign(Aries), 3);
  ComputeFactors();
  const FactorTallies& t = CurrentChart().factors;
  EXPECT_EQ(t.positiveTotal, 153);
  EXPECT_EQ(t.elementModality[0][0], 153);
  EXPECT_EQ(t.elementModality[4][0], 153);
  EXPECT_EQ(t.quadrant[1], 153);
}

}  // namespace
}  // namespace orrery
