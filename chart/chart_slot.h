// ChartData, the computed chart, and the chart slots that pair a ChartRecord
// with it. Slot 0 holds the chart the user chose, slot 1 the chart of the
// present moment; one global index selects the slot on show.
//
// All angles are radians in doubles, ecliptic longitudes in [0, 2pi]; day
// numbers are Mjd values; sidereal times, delta T and offsets are seconds.
#pragma once

#include <cstdint>

#include "astro/body_table.h"
#include "chart/chart_record.h"

namespace orrery {

inline constexpr int HouseCount = 12;
inline constexpr int ChartSlotCount = 4;

// Element rows and modality columns of the factor tallies.
inline constexpr int ElementCount = 4;   // Fire, Air, Water, Earth
inline constexpr int ModalityCount = 3;  // Cardinal, Fixed, Mutable

// How the chart's weight spreads over polarities, elements, modalities and
// quadrants, and each body's dignities. The tallies are 16-bit: 17 bodies of
// up to 9 points reach 153, beyond a byte.
struct FactorTallies {
  std::int16_t negativeTotal;
  std::int16_t positiveTotal;
  // Rows Fire, Air, Water, Earth and a row of column totals; columns
  // Cardinal, Fixed, Mutable and the row total (row 4 leaves it 0).
  std::int16_t elementModality[ElementCount + 1][ModalityCount + 1];
  // Houses 1-3, 4-6, 7-9, 10-12.
  std::int16_t quadrant[4];
  // Dignity bits per BodyId (see factors.h).
  std::uint8_t dignity[BodyCount];
};

struct ChartData {
  // The place after the position correction; magnitudes plus hemisphere flags.
  std::int16_t corrLatDegrees;
  std::int8_t corrLatMinutes;
  std::uint32_t corrNorth;
  std::int16_t corrLonDegrees;
  std::int8_t corrLonMinutes;
  std::uint32_t corrEast;

  double mjdLocal;   // civil date and clock time of the record
  double mjdDst;     // mjdLocal plus the daylight-saving correction
  double mjdUt;      // Universal Time
  double mjdTt;      // Terrestrial Time
  double gast;       // Greenwich apparent sidereal time at mjdUt, seconds
  double lst;        // local apparent sidereal time, seconds in [0, 86400)
  double deltaT;     // TT - UT, seconds
  double midheaven;
  double ascendant;  // a house system may turn it by pi
  double obliquity;  // true obliquity at mjdUt

  BodyPosition bodies[BodyCount];  // snapshot of the BodyTable
  FactorTallies factors;
  std::uint8_t aspects[BodyCount][BodyCount];  // AspectId per pair, symmetric
  double cusps[HouseCount];                    // cusp of house 1 .. 12
  std::int8_t houseOf[BodyCount];              // 0-based house of each body
};

struct ChartSlot {
  ChartRecord record;
  std::uint32_t presentMoment;  // 1 for the chart of the present moment
  ChartData data;
};

extern ChartSlot chartSlots[ChartSlotCount];
// The slot on show, 0..3.
extern std::int8_t currentSlotIndex;

// The slot on show; an index outside 0..3 selects slot 0.
ChartSlot& CurrentSlot();
inline ChartData& CurrentChart() { return CurrentSlot().data; }

}  // namespace orrery
