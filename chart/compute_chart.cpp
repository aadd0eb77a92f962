#include "chart/compute_chart.h"

#include <cstdlib>

#include "astro/apparent_positions.h"
#include "astro/earth_orientation.h"
#include "astro/time_scales.h"
#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/factors.h"
#include "chart/house_systems.h"
#include "chart/position_correction.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"

namespace orrery {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Universal Time = local time - zone + daylight-saving correction.
void ComputeTimeScales(const ChartRecord& record, ChartData& chart) {
  double secondsOfDay = static_cast<double>((record.hour * 60 + record.minute) * 60);
  chart.mjdLocal = CalendarToMjd(record.year, record.month, record.day, secondsOfDay, record.calendar);
  double dst = ZoneOffsetSeconds(record.dstHours, record.dstMinutes, static_cast<int>(record.dstPlus));
  chart.mjdDst = chart.mjdLocal + dst / SecondsPerDay;
  double zone = record.localTime != 0
                    ? LocalMeanTimeOffset(record)
                    : ZoneOffsetSeconds(record.zoneHours, record.zoneMinutes, static_cast<int>(record.zonePlus));
  chart.mjdUt = chart.mjdDst - zone / SecondsPerDay;
  chart.deltaT = DeltaT(chart.mjdUt);
  chart.mjdTt = chart.mjdUt + chart.deltaT / SecondsPerDay;
}

}  // namespace

double LocalMeanTimeOffset(const ChartRecord& record) {
  double offset = (std::abs(record.lonMinutes) / 60.0 + std::abs(record.lonDegrees)) * (1.0 / 15.0) * 3600.0;
  return record.east != 0 ? offset : -offset;
}

void ComputeChart() {
  ChartSlot& slot = CurrentSlot();
  ChartData& chart = slot.data;
  ApplyPositionCorrection();
  ComputeTimeScales(slot.record, chart);
  chart.gast = ApparentSiderealTime(chart.mjdUt);
  double eastLongitude = DmsToRadians(chart.corrLonDegrees, chart.corrLonMinutes, chart.corrEast != 0);
  chart.lst = LocalSiderealTime(chart.mjdUt, eastLongitude);
  chart.obliquity = TrueObliquity(chart.mjdUt);
  ComputeBodyPositions(chart.mjdUt);
  ComputeMidheaven();
  BodyTable[Midheaven].geocentric.x = chart.midheaven;
  ComputeAscendant();
  BodyTable[Ascendant].geocentric.x = chart.ascendant;
  ComputeHouses();
  ComputeAspects();
  ComputeFactors();
}

}  // namespace orrery
