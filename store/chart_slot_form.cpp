#include "store/chart_slot_form.h"

#include "foundation/crc31.h"
#include "foundation/wide_string.h"

namespace orrery {

namespace {

void EncodeText(const char16_t* text, int units, std::uint8_t* at) {
  for (int i = 0; i < units; ++i) PutU16(at + 2 * i, text[i]);
}

void DecodeText(const std::uint8_t* at, int units, char16_t* text) {
  for (int i = 0; i < units; ++i) text[i] = GetU16(at + 2 * i);
  if (BoundedLength(text, units) == static_cast<std::size_t>(units)) text[units - 1] = 0;
}

}  // namespace

void EncodeChartSlot(const ChartRecord& r, std::uint8_t* slot) {
  PutI32(slot + 0, r.id);
  EncodeText(r.name, RecordNameUnits, slot + SlotNameOffset);
  slot[72] = r.sex;
  PutU16(slot + 74, static_cast<std::uint16_t>(r.year));
  slot[76] = r.month;
  slot[77] = r.day;
  slot[78] = r.hour;
  slot[79] = r.minute;
  slot[80] = r.calendar;
  EncodeText(r.country, RecordCountryUnits, slot + SlotCountryOffset);
  EncodeText(r.state, RecordStateUnits, slot + SlotStateOffset);
  EncodeText(r.city, RecordCityUnits, slot + SlotCityOffset);
  PutU16(slot + 410, r.latDegrees);
  slot[412] = r.latMinutes;
  PutU32(slot + 416, r.north);
  PutU16(slot + 420, r.lonDegrees);
  slot[422] = r.lonMinutes;
  PutU32(slot + 424, r.east);
  slot[428] = r.dstHours;
  slot[429] = r.dstMinutes;
  PutU32(slot + 432, r.dstPlus);
  slot[436] = r.zoneHours;
  slot[437] = r.zoneMinutes;
  PutU32(slot + 440, r.zonePlus);
  PutU32(slot + 444, r.localTime);
  PutU16(slot + 448, r.corrDistance);
  slot[450] = r.corrDirection;
  slot[451] = r.corrUnit;
}

void DecodeChartSlot(const std::uint8_t* slot, ChartRecord& r) {
  r.id = GetI32(slot + 0);
  DecodeText(slot + SlotNameOffset, RecordNameUnits, r.name);
  r.sex = slot[72];
  r.year = GetI16(slot + 74);
  r.month = slot[76];
  r.day = slot[77];
  r.hour = slot[78];
  r.minute = slot[79];
  r.calendar = slot[80];
  DecodeText(slot + SlotCountryOffset, RecordCountryUnits, r.country);
  DecodeText(slot + SlotStateOffset, RecordStateUnits, r.state);
  DecodeText(slot + SlotCityOffset, RecordCityUnits, r.city);
  r.latDegrees = GetU16(slot + 410);
  r.latMinutes = slot[412];
  r.north = GetU32(slot + 416);
  r.lonDegrees = GetU16(slot + 420);
  r.lonMinutes = slot[422];
  r.east = GetU32(slot + 424);
  r.dstHours = slot[428];
  r.dstMinutes = slot[429];
  r.dstPlus = GetU32(slot + 432);
  r.zoneHours = slot[436];
  r.zoneMinutes = slot[437];
  r.zonePlus = GetU32(slot + 440);
  r.localTime = GetU32(slot + 444);
  r.corrDistance = GetU16(slot + 448);
  r.corrDirection = slot[450];
  r.corrUnit = slot[451];
}

std::uint16_t ComputeRecordCheck(const std::uint8_t* slot) {
  return (Crc31(slot, ChartSlotBytes, 4) & 0x8000u) ? 0x8000 : 0;
}

void SetRecordCheck(std::uint8_t* slot) { PutU16(slot + 4, ComputeRecordCheck(slot)); }

bool RecordCheckMatches(const std::uint8_t* slot) {
  return GetU16(slot + 4) == ComputeRecordCheck(slot);
}

}  // namespace orrery
