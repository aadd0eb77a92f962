#include "store/present_chart.h"

#include <chrono>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "chart/chart_slot.h"
#include "foundation/calendar.h"
#include "foundation/wide_string.h"
#include "store/chart_list.h"

namespace orrery {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

std::int64_t (*presentClock)() = nullptr;

std::int64_t SecondsNow() {
  if (presentClock != nullptr) return presentClock();
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Local civil time = UT + time-zone correction - daylight-saving correction.
std::int64_t LocalSeconds(std::int64_t ut, const ChartRecord& r) {
  double zone = ZoneOffsetSeconds(r.zoneHours, r.zoneMinutes, static_cast<int>(r.zonePlus));
  double dst = ZoneOffsetSeconds(r.dstHours, r.dstMinutes, static_cast<int>(r.dstPlus));
  return ut + static_cast<std::int64_t>(zone - dst);
}

void SetMoment(std::int64_t seconds, ChartRecord& r) {
  std::int64_t day = seconds / SecondsPerDay - (seconds % SecondsPerDay < 0 ? 1 : 0);
  std::int64_t secondOfDay = seconds - day * SecondsPerDay;
  CalendarDate date = MjdToCalendar(UnixEpochMjd + static_cast<double>(day));
  r.year = static_cast<std::int16_t>(date.year);
  r.month = static_cast<std::uint8_t>(date.month);
  r.day = static_cast<std::uint8_t>(date.day);
  r.hour = static_cast<std::uint8_t>(secondOfDay / 3600);
  r.minute = static_cast<std::uint8_t>(secondOfDay % 3600 / 60);
}

void CopyPlace(const ChartRecord& from, ChartRecord& to) {
  CopyText(to.country, RecordCountryUnits, from.country);
  CopyText(to.state, RecordStateUnits, from.state);
  CopyText(to.city, RecordCityUnits, from.city);
  to.latDegrees = from.latDegrees;
  to.latMinutes = from.latMinutes;
  to.north = from.north;
  to.lonDegrees = from.lonDegrees;
  to.lonMinutes = from.lonMinutes;
  to.east = from.east;
  to.zoneHours = from.zoneHours;
  to.zoneMinutes = from.zoneMinutes;
  to.zonePlus = from.zonePlus;
  to.dstHours = from.dstHours;
  to.dstMinutes = from.dstMinutes;
  to.dstPlus = from.dstPlus;
}

// The atlas city of the natal place, or 0.
AtlasRef FindNatalCity(const ChartRecord& natal) {
  atlasCursor.refLatDegrees = natal.latDegrees;
  atlasCursor.refLatMinutes = natal.latMinutes;
  atlasCursor.refNorth = static_cast<int>(natal.north);
  atlasCursor.refLonDegrees = natal.lonDegrees;
  atlasCursor.refLonMinutes = natal.lonMinutes;
  atlasCursor.refEast = static_cast<int>(natal.east);
  char16_t name[RecordCityUnits];
  CopyText(name, RecordCityUnits, natal.city);
  return FindAtlasCity(name);
}

}  // namespace

void SetPresentClock(std::int64_t (*clock)()) { presentClock = clock; }

void BuildPresentChart() {
  const ChartRecord& natal = chartSlots[0].record;
  ChartRecord r{};
  r.id = natal.id;
  CopyText(r.name, RecordNameUnits, natal.name);
  r.sex = natal.sex;

  std::int64_t ut = SecondsNow();
  OpenAtlas();
  AtlasRef city = FindNatalCity(natal);
  if (city == 0) {
    CopyPlace(natal, r);
  } else {
    // The rules are keyed by local time: take the corrections at the UT
    // moment, then again at the local moment they give.
    SetMoment(ut, r);
    CopyAtlasEntry(city, r);
    SetMoment(LocalSeconds(ut, r), r);
    CopyAtlasEntry(city, r);
  }
  CloseAtlas();
  SetMoment(LocalSeconds(ut, r), r);
  r.localTime = 0;
  r.corrDistance = natal.corrDistance;
  r.corrDirection = natal.corrDirection;
  r.corrUnit = natal.corrUnit;

  chartSlots[1].record = r;
  chartSlots[1].presentMoment = 1;
  ShowSlot(1, true);
}

}  // namespace orrery
