// Loading one atlas entry for a moment: names, coordinates, and the
// time-zone and daylight-saving corrections that the place's rule blocks
// give at that local moment, with the local-mean-time and calendar
// changeover flags; and copying an entry into the current ChartRecord.
//
// RuleBlock at position p: a 20-bit length (units from p), then rules:
//   type 1, 2 (5 units)  first skipped date, first Gregorian date
//   type 5 (5 units)     local mean time was kept before this date
//   type 3, 4, 6 (18)    from-date, from-time, to-date, to-time, value: a
//                        time-zone period, a daylight-saving period, or a
//                        period of the DaylightSavingRule numbered value
//   any other (1 unit)
// Dates are 20 bits (day 0-4, month 5-8, year 9-19); times and corrections
// 15 bits (minutes 0-5, hours 6-10, bit 14 negative). Years end at 2047, so
// a period whose end is 2047-12-31 23:59 has no end (charts reach 2129).
#pragma once

#include "atlas/atlas_ref.h"

namespace orrery {

struct ChartRecord;

// Loads the city, province or country of ref for the AtlasCursor's moment.
// The country's rule block applies first, then the province's.
void LoadAtlasEntry(AtlasRef ref);
// LoadAtlasEntry for the moment of r, copied into r: names, position,
// corrections, localTime and dateGap.
void CopyAtlasEntry(AtlasRef ref, ChartRecord& r);
// CopyAtlasEntry into the current ChartRecord. Nothing happens for ref 0 or
// the first city record (the city list's "no choice").
void ApplyAtlasEntry(AtlasRef ref);

}  // namespace orrery
