// The chart calculation driver: the ChartRecord of the slot on show becomes
// its complete ChartData (corrected place, time scales, sidereal time,
// obliquity, body positions, Midheaven and Ascendant, cusps and houses,
// aspects, traditional factors) and the BodyTable.
#pragma once

#include "chart/chart_record.h"

namespace orrery {

// Local mean time of a place as a zone offset in seconds: the record's own
// (uncorrected) longitude at 15 degrees an hour, negative west of Greenwich.
double LocalMeanTimeOffset(const ChartRecord& record);

// Computes the slot on show from its record with the current house system,
// orbs, factor points and rulership. BodyTable entries 14 and 13 receive the
// Midheaven and Ascendant before any house system turns them.
void ComputeChart();

}  // namespace orrery
