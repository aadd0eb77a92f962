// The ChartRecord: one birth record as the user enters it. Degrees, minutes
// and correction fields hold magnitudes; their signs are the separate flags
// (north, east, plus = 1). Universal Time = local time - time-zone correction
// + daylight-saving correction ("GMT=LMT-TCZ+DSC").
#pragma once

#include <cstdint>

namespace orrery {

inline constexpr int RecordNameUnits = 33;
inline constexpr int RecordCountryUnits = 49;
inline constexpr int RecordStateUnits = 49;
inline constexpr int RecordCityUnits = 66;

struct ChartRecord {
  std::int32_t id;  // 0..4 sample charts, 6 and above stored charts; 0 = free store slot
  char16_t name[RecordNameUnits];
  std::uint8_t sex;  // 0 neutral, 1 male, 2 female
  std::int16_t year;
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t hour;
  std::uint8_t minute;
  std::uint8_t calendar;  // 0 Gregorian, 1 Julian
  char16_t country[RecordCountryUnits];
  char16_t state[RecordStateUnits];
  char16_t city[RecordCityUnits];
  std::uint16_t latDegrees;
  std::uint8_t latMinutes;
  std::uint32_t north;
  std::uint16_t lonDegrees;
  std::uint8_t lonMinutes;
  std::uint32_t east;
  std::uint8_t dstHours;
  std::uint8_t dstMinutes;
  std::uint32_t dstPlus;
  std::uint8_t zoneHours;
  std::uint8_t zoneMinutes;
  std::uint32_t zonePlus;
  std::uint32_t localTime;  // 1: the clock time is local mean time of the place
  std::uint16_t corrDistance;
  std::uint8_t corrDirection;  // index into the compass direction table
  std::uint8_t corrUnit;       // index into the distance unit table

  // Working value, never stored: the moment falls into the place's
  // Julian-to-Gregorian changeover gap (set from the atlas).
  std::uint32_t dateGap;
};

// The one current ChartRecord: the wizard edits it, the store and the sample
// charts copy into and out of it, the chart computation reads it.
extern ChartRecord currentRecord;

}  // namespace orrery
