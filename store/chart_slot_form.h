// The file form of a ChartRecord: one 452-byte store slot, little-endian.
//
//   offset size field            offset size field
//        0    4 id (0 = free)       410    2 latDegrees
//        4    2 record check        412    1 latMinutes (413..415 padding)
//        6   66 name, 33 units      416    4 north
//       72    1 sex (73 padding)    420    2 lonDegrees
//       74    2 year                422    1 lonMinutes (423 padding)
//       76    1 month               424    4 east
//       77    1 day                 428    1 dstHours
//       78    1 hour                429    1 dstMinutes (430..431 padding)
//       79    1 minute              432    4 dstPlus
//       80    1 calendar (81 pad)   436    1 zoneHours
//       82   98 country, 49 units   437    1 zoneMinutes (438..439 padding)
//      180   98 state, 49 units     440    4 zonePlus
//      278  132 city, 66 units      444    4 localTime
//                                   448    2 corrDistance
//                                   450    1 corrDirection
//                                   451    1 corrUnit
//
// Strings are UTF-16LE. Padding and the units after a string's NUL carry no
// meaning but are kept as they are: encoding writes the fields only, so a
// slot may hold older bytes there, and both checksums cover them as stored.
#pragma once

#include <cstdint>

#include "chart/chart_record.h"
#include "store/little_endian.h"

namespace orrery {

inline constexpr int ChartSlotBytes = 452;
// Byte offsets of the text fields; their lengths are the record's Record*Units.
inline constexpr int SlotNameOffset = 6;
inline constexpr int SlotCountryOffset = 82;
inline constexpr int SlotStateOffset = 180;
inline constexpr int SlotCityOffset = 278;

// Writes every field of record (id included, not the record check and not
// the padding) into the slot.
void EncodeChartSlot(const ChartRecord& record, std::uint8_t* slot);
// Reads every field of the slot into record, leaving its working values
// (dateGap) alone. A string that fills its field without a NUL is cut by
// its last unit, so the record's texts are always terminated in their fields.
void DecodeChartSlot(const std::uint8_t* slot, ChartRecord& record);

// The id field of a slot.
inline std::int32_t SlotId(const std::uint8_t* slot) { return GetI32(slot); }

// The record check the slot's bytes call for: 0x8000 when bit 15 of the
// 31-bit checksum over the slot (skipping offsets 4..7, so also without the
// last byte) is set, else 0.
std::uint16_t ComputeRecordCheck(const std::uint8_t* slot);
// Stores ComputeRecordCheck into the check field at offset 4.
void SetRecordCheck(std::uint8_t* slot);
// Whether the check field, as a signed 16-bit value, equals what the bytes call for.
bool RecordCheckMatches(const std::uint8_t* slot);

}  // namespace orrery
