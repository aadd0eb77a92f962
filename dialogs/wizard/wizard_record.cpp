#include "dialogs/wizard/wizard_record.h"

#include "chart/chart_slot.h"
#include "foundation/wide_string.h"

namespace orrery::wizard {

namespace {

// The longest names the wizard keeps: one unit of each field stays for the
// terminating NUL and one more is never used, as on the device.
constexpr int NameChars = RecordNameUnits - 2;
constexpr int CountryChars = RecordCountryUnits - 2;
constexpr int StateChars = RecordStateUnits - 2;
constexpr int CityChars = RecordCityUnits - 2;

template <class T>
T NumberOr0(const std::u16string& text) {
  return static_cast<T>(ParseNumber(text).value_or(0));
}

void StoreName(char16_t* field, int capacity, std::u16string_view text, int maxChars) {
  CopyText(field, static_cast<size_t>(capacity), NormalisedText(text, maxChars));
}

}  // namespace

void PrepareRecord(int mode) {
  ChartRecord& r = currentRecord;
  if (mode == ModeEdit) {
    r = chartSlots[0].record;
    r.dateGap = 0;
    return;
  }
  r = ChartRecord{};
  CopyText(r.country, RecordCountryUnits, u"United Kingdom (UK)");
  CopyText(r.state, RecordStateUnits, u"");
  CopyText(r.city, RecordCityUnits, u"-Unknown City-");
  r.latDegrees = 51;
  r.latMinutes = 29;
  r.north = 1;
  r.lonDegrees = 0;
  r.lonMinutes = 0;
  r.east = 1;
  r.zonePlus = 1;
  r.dstPlus = 1;
}

void StoreNameFields(const WizardInput& in) {
  ChartRecord& r = currentRecord;
  StoreName(r.name, RecordNameUnits, in.name, NameChars);
  r.year = NumberOr0<std::int16_t>(in.year);
  r.month = NumberOr0<std::uint8_t>(in.month);
  r.day = NumberOr0<std::uint8_t>(in.day);
  r.hour = NumberOr0<std::uint8_t>(in.hour);
  r.minute = NumberOr0<std::uint8_t>(in.minute);
  r.sex = static_cast<std::uint8_t>(in.sex);
  r.calendar = static_cast<std::uint8_t>(in.calendar);
}

void StorePlaceFields(const WizardInput& in) {
  ChartRecord& r = currentRecord;
  StoreName(r.country, RecordCountryUnits, in.country, CountryChars);
  StoreName(r.state, RecordStateUnits, in.state, StateChars);
  StoreName(r.city, RecordCityUnits, in.city, CityChars);
  WriteCoordinates(in, r);
}

void StoreCorrectionFields(const WizardInput& in) {
  ChartRecord& r = currentRecord;
  r.localTime = in.localTime ? 1 : 0;
  if (in.localTime) {
    r.zoneHours = r.zoneMinutes = 0;
    r.zonePlus = 1;
  } else {
    r.zoneHours = NumberOr0<std::uint8_t>(in.zoneHours);
    r.zoneMinutes = NumberOr0<std::uint8_t>(in.zoneMinutes);
    r.zonePlus = in.zonePlus ? 1 : 0;
  }
  r.dstHours = NumberOr0<std::uint8_t>(in.dstHours);
  r.dstMinutes = NumberOr0<std::uint8_t>(in.dstMinutes);
  r.dstPlus = in.dstPlus ? 1 : 0;
  WritePositionCorrection(in, r);
}

void WriteCoordinates(const WizardInput& in, ChartRecord& r) {
  r.latDegrees = NumberOr0<std::uint16_t>(in.latDegrees);
  r.latMinutes = NumberOr0<std::uint8_t>(in.latMinutes);
  r.north = in.north ? 1 : 0;
  r.lonDegrees = NumberOr0<std::uint16_t>(in.lonDegrees);
  r.lonMinutes = NumberOr0<std::uint8_t>(in.lonMinutes);
  r.east = in.east ? 1 : 0;
}

void WritePositionCorrection(const WizardInput& in, ChartRecord& r) {
  r.corrDistance = NumberOr0<std::uint16_t>(in.distance);
  r.corrUnit = static_cast<std::uint8_t>(in.unit);
  r.corrDirection = static_cast<std::uint8_t>(in.direction);
}

}  // namespace orrery::wizard
