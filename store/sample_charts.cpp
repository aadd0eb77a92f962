#include "store/sample_charts.h"

#include "chart/chart_record.h"
#include "foundation/wide_string.h"

namespace orrery {

namespace {

struct SampleChart {
  const char16_t* name;
  std::uint8_t sex;
  std::int16_t year;
  std::uint8_t month, day, hour, minute;
  const char16_t* country;
  const char16_t* state;
  const char16_t* city;
  std::uint16_t latDegrees;
  std::uint8_t latMinutes;
  std::uint32_t north;
  std::uint16_t lonDegrees;
  std::uint8_t lonMinutes;
  std::uint32_t east;
  std::uint32_t zonePlus;
  std::uint8_t zoneHours, zoneMinutes;
  std::uint32_t dstPlus;
  std::uint8_t dstHours, dstMinutes;
  std::uint32_t localTime;
  std::uint16_t corrDistance;
  std::uint8_t corrUnit, corrDirection;
};

const SampleChart sampleCharts[SampleChartCount] = {
    {u"Total Solar Eclipse 1999",
     0,
     1999,
     8,
     11,
     13,
     3,
     u"Romania",
     u"unknown",
     u"R\u00eemnicu-V\u00eelcea",
     45,
     6,
     1,
     24,
     22,
     1,
     1,
     2,
     0,
     0,
     1,
     0,
     0,
     7,
     0,
     13},
    {u"Edda Morlan",
     1,
     1879,
     3,
     14,
     11,
     30,
     u"Germany",
     u"Baden-W\u00fcrttemberg",
     u"Ulm",
     48,
     24,
     1,
     10,
     0,
     1,
     1,
     0,
     0,
     1,
     0,
     0,
     1,
     0,
     0,
     0},
    {u"Ines Kavarro",
     2,
     1929,
     5,
     4,
     3,
     0,
     u"Belgium",
     u"unknown",
     u"Brussels",
     50,
     50,
     1,
     4,
     20,
     1,
     1,
     0,
     0,
     0,
     1,
     0,
     0,
     0,
     0,
     0},
    {u"Tomas Relvind",
     1,
     1869,
     10,
     2,
     7,
     8,
     u"India",
     u"unknown",
     u"Porbandar",
     21,
     38,
     1,
     69,
     36,
     1,
     1,
     0,
     0,
     1,
     0,
     0,
     1,
     0,
     0,
     0},
    {u"Nora Pask",
     2,
     1919,
     5,
     7,
     4,
     17,
     u"Argentina",
     u"unknown",
     u"Los Toldos",
     22,
     18,
     0,
     64,
     41,
     0,
     0,
     5,
     0,
     1,
     0,
     0,
     0,
     0,
     0,
     0},
};

}  // namespace

void LoadSampleChart(std::int32_t number) {
  // The smallest 32-bit number has no magnitude; it loads sample 0 like any
  // other number outside 0..4.
  std::int32_t magnitude = number < 0 && number != INT32_MIN ? -number : number;
  int index = magnitude >= 1 && magnitude < SampleChartCount ? magnitude : 0;
  const SampleChart& s = sampleCharts[index];

  ChartRecord& r = currentRecord;
  r = ChartRecord{};
  r.id = index;
  CopyText(r.name, RecordNameUnits, s.name);
  r.sex = s.sex;
  r.year = s.year;
  r.month = s.month;
  r.day = s.day;
  r.hour = s.hour;
  r.minute = s.minute;
  CopyText(r.country, RecordCountryUnits, s.country);
  CopyText(r.state, RecordStateUnits, s.state);
  CopyText(r.city, RecordCityUnits, s.city);
  r.latDegrees = s.latDegrees;
  r.latMinutes = s.latMinutes;
  r.north = s.north;
  r.lonDegrees = s.lonDegrees;
  r.lonMinutes = s.lonMinutes;
  r.east = s.east;
  r.zonePlus = s.zonePlus;
  r.zoneHours = s.zoneHours;
  r.zoneMinutes = s.zoneMinutes;
  r.dstPlus = s.dstPlus;
  r.dstHours = s.dstHours;
  r.dstMinutes = s.dstMinutes;
  r.localTime = s.localTime;
  r.corrDistance = s.corrDistance;
  r.corrUnit = s.corrUnit;
  r.corrDirection = s.corrDirection;
}

}  // namespace orrery
