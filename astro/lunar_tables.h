// Coefficient tables of the lunar series (astro/generated/lunar_tables.cpp):
// the DE404-adjusted truncation of the ELP2000-85 lunar theory by S. L. Moshier.
//
// Every term names its argument as an entry of one array of sines and cosines
// that the evaluator fills per instant (the argument entries):
//   [LunarElementZero[i] + m]   multiple m of mean element i (Venus, Earth,
//                               Mars, Jupiter, Saturn, D, l', l, F, L), for
//                               |m| <= max(LunarElementMultiples[i], 2);
//   [LunarFirstPhase + k]       the constant angle LunarPhases[k];
//   [LunarFirstStep + k]        the sum of the two entries LunarArgumentSteps[k]
//                               names, both earlier in the array.
// The combined arguments are folded in the order the data names them, so each
// has the value a term-by-term evaluation gives.
#pragma once

#include <cstdint>
#include <span>

namespace orrery {

// A periodic term on longitude and distance: it adds longitude x sin(g) to the
// longitude sum and distance x cos(g) to the distance sum.
struct LunarLongitudeRow {
  double longitude;
  double distance;
  std::uint16_t argument;  // the argument entry of g
};

// A periodic term on latitude: latitude x sin(g).
struct LunarLatitudeRow {
  double latitude;
  std::uint16_t argument;
};

// In evaluation order: LRT2 and BT2 carry T^2, BT and LRT carry T, LR and MB
// none. Amplitudes are in the units of the data's lowest digits: where the data
// splits an amplitude into a high and a low part, it is 10000 high + low (and a
// distance without a low part is 0).
extern const std::span<const LunarLongitudeRow> LRT2Table;
extern const std::span<const LunarLatitudeRow> BT2Table;
extern const std::span<const LunarLatitudeRow> BTTable;
extern const std::span<const LunarLongitudeRow> LRTTable;
extern const std::span<const LunarLongitudeRow> LRTable;
extern const std::span<const LunarLatitudeRow> MBTable;

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

// One explicitly coded planetary or secular term. Its argument g (arcseconds
// in the data) is a sum of multiples of the mean elements and a phase.
struct LunarExplicitTerm {
  LunarTarget target;
  std::uint16_t argument;  // the argument entry of g
  double cosAmplitude;
  double sinAmplitude;
};

// In evaluation order, block 1 first.
extern const LunarExplicitTerm LunarExplicitTerms[];
extern const int LunarExplicitTermsPerBlock[3];

// The argument entries (see above).
struct LunarArgumentStep {
  std::uint16_t sum;   // the partial sum so far
  std::uint16_t term;  // the phase or multiple it adds
};
extern const std::int8_t LunarElementMultiples[10];
extern const std::int16_t LunarElementZero[10];
extern const double LunarPhases[];  // arcseconds
extern const int LunarPhaseCount;
extern const int LunarFirstPhase;
extern const int LunarFirstStep;
extern const int LunarArgumentCount;
extern const LunarArgumentStep LunarArgumentSteps[];
// The generator checks that LunarArgumentCount fits.
inline constexpr int LunarArgumentCapacity = 768;

}  // namespace orrery
