#include "atlas/atlas_entry.h"

#include <algorithm>
#include <limits>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "chart/chart_record.h"
#include "foundation/angles.h"
#include "foundation/wide_string.h"

namespace orrery {

namespace {

enum RuleType : int {
  FirstSkippedRule = 1,
  FirstGregorianRule = 2,
  ZonePeriodRule = 3,
  DaylightPeriodRule = 4,
  LocalMeanTimeRule = 5,
  RecurringRule = 6,
};

constexpr int DateRuleUnits = 5;
constexpr int PeriodRuleUnits = 18;
constexpr std::uint32_t CountryRulesElement = 3;
constexpr std::uint32_t ProvinceRulesElement = 1;

// Julian-to-Gregorian differences in days: from (inclusive) and to
// (exclusive) as date keys. The sixth row is empty.
struct CalendarGapRow {
  double from, to;
  int days;
};

constexpr CalendarGapRow CalendarGapTable[] = {
    {-5000305, -3000303, -5}, {-3000304, -2000302, -4}, {-2000303, -1000301, -3},
    {-1000302, 1000229, -2},  {1000301, 2000229, -1},   {3000301, 3000229, 0},
    {3000301, 5000229, 1},    {5000301, 6000229, 2},    {6000301, 7000229, 3},
    {7000301, 9000229, 4},    {9000301, 10000229, 5},   {10000301, 11000229, 6},
    {11000301, 13000229, 7},  {13000301, 14000229, 8},  {14000301, 15000229, 9},
    {15000301, 17000229, 10}, {17000301, 18000229, 11}, {18000301, 19000229, 12},
    {19000301, 21000229, 13},
};

const CalendarGapRow* GapRowFor(double key) {
  for (const CalendarGapRow& row : CalendarGapTable) {
    if (row.from <= key && key < row.to) return &row;
  }
  return nullptr;
}

double DateOnlyKey(const AtlasDate& d) { return DateKey(d.year, d.month, d.day, 0, 0); }

double PeriodKey(const AtlasDate& d, const AtlasCorrection& t) {
  return DateKey(d.year, d.month, d.day, t.hours, t.minutes);
}

void SetZone(const AtlasCorrection& c) {
  atlasCursor.zoneHours = c.hours;
  atlasCursor.zoneMinutes = c.minutes;
  atlasCursor.zonePlus = c.plus;
}

void SetDaylightSaving(const AtlasCorrection& c) {
  atlasCursor.dstHours = c.hours;
  atlasCursor.dstMinutes = c.minutes;
  atlasCursor.dstPlus = c.plus;
}

// Dates hold years up to 2047, charts go up to 2129: a period that ends at
// the last minute of 2047 runs on without end.
// A rule of type 3, 4 or 6 at q (after its type unit): applies its value when
// the moment lies within from..to, both inclusive.
void ApplyPeriodRule(const AtlasStream& stream, int type, std::int32_t q) {
  double from = PeriodKey(UnpackDate(ReadNumber(stream, q, 4)),
                          UnpackCorrection(ReadNumber(stream, q + 4, 3)));
  double to = PeriodKey(UnpackDate(ReadNumber(stream, q + 7, 4)),
                        UnpackCorrection(ReadNumber(stream, q + 11, 3)));
  if (to == DateKey(2047, 12, 31, 23, 59)) to = std::numeric_limits<double>::infinity();
  std::uint32_t value = ReadNumber(stream, q + 14, 3);
  double moment = MomentKey(atlasCursor.moment);
  if (moment < from || moment > to) return;
  if (type == ZonePeriodRule) SetZone(UnpackCorrection(value));
  if (type == DaylightPeriodRule) SetDaylightSaving(UnpackCorrection(value));
  if (type == RecurringRule) {
    SetDaylightSaving(EvaluateDaylightSavingRule(FindDaylightSavingRule(static_cast<int>(value)),
                                                 atlasCursor.moment));
  }
}

void ResetEntry() {
  atlasCursor.countryName[0] = 0;
  atlasCursor.provinceName[0] = 0;
  atlasCursor.cityName[0] = 0;
  atlasCursor.firstGregorian = {1900, 1, 1};
  atlasCursor.firstSkipped = {};
  SetZone({0, 0, 1});
  SetDaylightSaving({0, 0, 1});
  atlasCursor.localMeanTime = 0;
  atlasCursor.dateGap = 0;
  atlasCursor.country = 0;
  atlasCursor.province = 0;
  atlasCursor.latDegrees = atlasCursor.latMinutes = 0;
  atlasCursor.lonDegrees = atlasCursor.lonMinutes = 0;
  atlasCursor.north = atlasCursor.east = 1;
}

// Applies the rules of the block at position to the AtlasCursor.
void ApplyRuleBlock(std::int32_t position) {
  if (position <= 0) return;
  const AtlasStream& stream = OpenedAtlas().stream;
  // A block whose length runs past the stream ends with the stream.
  const std::int64_t end = std::min<std::int64_t>(
      std::int64_t{position} + ReadNumber(stream, position, 4), stream.unitCount);
  std::int64_t q = std::int64_t{position} + 4;
  while (q < end) {
    const std::int32_t at = static_cast<std::int32_t>(q);
    const int type = ReadUnit(stream, at);
    switch (type) {
      case FirstSkippedRule:
      case FirstGregorianRule:
      case LocalMeanTimeRule: {
        AtlasDate date = UnpackDate(ReadNumber(stream, at + 1, 4));
        if (type == FirstSkippedRule) atlasCursor.firstSkipped = date;
        if (type == FirstGregorianRule) atlasCursor.firstGregorian = date;
        if (type == LocalMeanTimeRule) {
          atlasCursor.localMeanTime = MomentKey(atlasCursor.moment) < DateOnlyKey(date) ? 1 : 0;
        }
        q += DateRuleUnits;
        break;
      }
      case ZonePeriodRule:
      case DaylightPeriodRule:
      case RecurringRule:
        ApplyPeriodRule(stream, type, at + 1);
        q += PeriodRuleUnits;
        break;
      default:
        q += 1;
    }
  }
}

// Sets the cursor's dateGap from its changeover dates and moment.
void CheckCalendarChangeover() {
  double k1 = DateOnlyKey(atlasCursor.firstSkipped);
  double k2 = DateOnlyKey(atlasCursor.firstGregorian);
  if (k1 == 0 && k2 == 0) return;
  if (k1 == 0) {
    if (const CalendarGapRow* row = GapRowFor(k2)) k1 = k2 - row->days;
  }
  if (k2 == 0) {
    if (const CalendarGapRow* row = GapRowFor(k1)) k2 = k1 + row->days;
  }
  // Without both bounds there is no gap to fall into.
  if (k1 == 0 || k2 == 0) return;
  double moment = MomentKey(atlasCursor.moment);
  if (k1 <= moment && moment < k2) atlasCursor.dateGap = 1;
}

}  // namespace

void LoadAtlasEntry(AtlasRef ref) {
  ResetEntry();
  if (IsCityRef(ref)) {
    atlasCursor.position = RefPosition(ref);
    ReadCity(ReadEverything);
  } else {
    atlasCursor.country = RefCountry(ref);
    atlasCursor.province = RefProvince(ref);
    AtlasRef country = MakeAtlasRef(0, atlasCursor.country, 0, 0);
    CountryName(country);
    if (atlasCursor.province >= 1) ProvinceRef(country, atlasCursor.province);
  }
  if (atlasCursor.country >= 1 && atlasCursor.country <= AtlasCountries) {
    const AtlasHeap& heap = OpenedAtlas().heap;
    ApplyRuleBlock(IntegerValue(VectorElement(heap, CountryEntry(atlasCursor.country),
                                              CountryRulesElement)));
    if (atlasCursor.province >= 1) {
      ApplyRuleBlock(IntegerValue(VectorElement(
          heap, ProvinceEntry(atlasCursor.country, atlasCursor.province), ProvinceRulesElement)));
    }
  }
  CheckCalendarChangeover();
  if (atlasCursor.localMeanTime == 1) SetZone({0, 0, 1});
}

void ApplyAtlasEntry(AtlasRef ref) {
  if (ref <= 0 || ref == MakeAtlasRef(0, 0, 0, OpenedAtlas().firstCity)) return;
  CopyAtlasEntry(ref, currentRecord);
}

void CopyAtlasEntry(AtlasRef ref, ChartRecord& r) {
  atlasCursor.moment = {r.year, r.month, r.day, r.hour, r.minute};
  LoadAtlasEntry(ref);
  CopyText(r.country, RecordCountryUnits, atlasCursor.countryName);
  CopyText(r.state, RecordStateUnits, atlasCursor.provinceName);
  CopyText(r.city, RecordCityUnits, atlasCursor.cityName);
  r.latDegrees = static_cast<std::uint16_t>(atlasCursor.latDegrees);
  r.latMinutes = static_cast<std::uint8_t>(atlasCursor.latMinutes);
  r.north = static_cast<std::uint32_t>(atlasCursor.north);
  r.lonDegrees = static_cast<std::uint16_t>(atlasCursor.lonDegrees);
  r.lonMinutes = static_cast<std::uint8_t>(atlasCursor.lonMinutes);
  r.east = static_cast<std::uint32_t>(atlasCursor.east);
  r.zoneHours = static_cast<std::uint8_t>(atlasCursor.zoneHours);
  r.zoneMinutes = static_cast<std::uint8_t>(atlasCursor.zoneMinutes);
  r.zonePlus = static_cast<std::uint32_t>(atlasCursor.zonePlus);
  r.dstHours = static_cast<std::uint8_t>(atlasCursor.dstHours);
  r.dstMinutes = static_cast<std::uint8_t>(atlasCursor.dstMinutes);
  r.dstPlus = static_cast<std::uint32_t>(atlasCursor.dstPlus);
  r.localTime = static_cast<std::uint32_t>(atlasCursor.localMeanTime);
  r.dateGap = static_cast<std::uint32_t>(atlasCursor.dateGap);
}

}  // namespace orrery
