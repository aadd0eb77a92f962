// Coefficient tables of the lunar series (astro/generated/lunar_tables.cpp):
// the DE404-adjusted truncation of the ELP2000-85 lunar theory by S. L. Moshier.
#pragma once

#include <cstdint>

namespace orrery {

// Rows of 16-bit integers: multipliers of D, l', l and F, then the amplitudes
// of the row type:
//   1: lon high, lon low, dist high, dist low (amplitude = 10000 high + low;
//      the distance term only when its low part is nonzero);
//   2: lon, dist;   3: lat high, lat low;   4: lat.
struct LunarSeriesTable {
  const std::int16_t* rows;
  int rowCount;
  int rowLength;
  int type;
};

// In evaluation order: LRT2 and BT2 carry T^2, BT and LRT carry T, LR and MB none.
extern const LunarSeriesTable LRT2Table;
extern const LunarSeriesTable BT2Table;
extern const LunarSeriesTable BTTable;
extern const LunarSeriesTable LRTTable;
extern const LunarSeriesTable LRTable;
extern const LunarSeriesTable MBTable;

// Where an explicit term adds (cos amplitude x cos g + sin amplitude x sin g).
enum class LunarTarget : std::uint8_t {
  Longitude0,        // power-0 longitude sum, arcseconds
  Longitude1,        // power-1 longitude sum, 1e-5 arcsecond
  Longitude2,        // power-2 longitude sum, 1e-5 arcsecond
  Longitude3,        // power-3 longitude coefficient, 1e-5 arcsecond
  Distance,          // distance accumulator
  DistanceTimesT,    // distance accumulator, the value multiplied by T
  Latitude,          // latitude accumulator
  ExplicitLatitude,  // explicit latitude terms, arcseconds
};

// One explicitly coded planetary or secular term. Its argument, in arcseconds,
// is g = sum of multipliers x (Venus, Earth, Mars, Jupiter, Saturn, D, l', l,
// F, L) + phase, the mean elements of the lunar series.
struct LunarExplicitTerm {
  std::int8_t block;  // 1, 2 or 3: where in the summation it is added
  LunarTarget target;
  bool newArgument;   // false: same argument as the term before
  std::int8_t multipliers[10];
  double phase;
  double cosAmplitude;
  double sinAmplitude;
};

// In evaluation order, block 1 first.
extern const LunarExplicitTerm LunarExplicitTerms[];
extern const int LunarExplicitTermsPerBlock[3];
// The highest multiplier of each mean element in the explicit terms; none
// exceeds LunarElementHighestMultiple.
extern const std::int8_t LunarElementMultiples[10];
inline constexpr int LunarElementHighestMultiple = 29;

// Highest multiple of D, l', l and F the lunar series fills in the
// MultipleAngleTable; the generator checks that no table row needs more.
inline constexpr int LunarMultiples[4] = {6, 4, 5, 4};

}  // namespace orrery
