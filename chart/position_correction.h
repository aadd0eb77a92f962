// Position correction: a birth place given as a distance and compass
// direction from the chosen place (usually an atlas city). The corrected
// place is what the rest of the chart computation uses, except the local
// mean time zone, which keeps the record's own longitude.
#pragma once

#include <cstdint>

#include "chart/chart_record.h"

namespace orrery {

struct DistanceUnit {
  int index;
  const char16_t* name;
  double metres;  // metres per unit
};

struct CompassDirection {
  int index;
  const char16_t* longLabel;  // as listed in the wizard (spaces align the list)
  const char* shortLabel;
  double bearing;  // degrees clockwise from north
};

inline constexpr int DistanceUnitCount = 11;
inline constexpr int CompassDirectionCount = 16;

extern const DistanceUnit distanceUnits[DistanceUnitCount];
extern const CompassDirection compassDirections[CompassDirectionCount];

// A place as degree and minute magnitudes plus hemisphere flags.
struct CorrectedPlace {
  std::int16_t latDegrees;
  std::int8_t latMinutes;
  std::uint32_t north;
  std::int16_t lonDegrees;
  std::int8_t lonMinutes;
  std::uint32_t east;
};

// The record's place moved by its correction on a simple spheroid model.
// Minutes are truncated towards zero; a coordinate the move leaves exactly
// unchanged keeps the record's own degrees and minutes. A unit or direction
// index outside its table moves nothing.
CorrectedPlace CorrectPosition(const ChartRecord& record);

// The latitude limit of the program: at most 77 degrees 00 minutes.
bool LatitudeWithinLimit(int degrees, int minutes);

// Writes the corrected place of the slot on show from its record.
void ApplyPositionCorrection();

}  // namespace orrery
