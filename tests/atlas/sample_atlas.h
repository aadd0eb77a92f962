// A small hand-built atlas with invented rules that exercise every rule type:
//   1 Germany (Europe): local mean time before 1893-04-01, +1:00 from then,
//     a double summer time period in 1945 (type 4, 2 h), rule 1 from 1980;
//     provinces 1 Bayern, 2 Saarland (+2:00 from 1940 to 1944: overrides).
//   2 Russia (Russian Federation): changeover 1918-02-01 .. 1918-02-14, +3:00.
//   3 Australia: +10:00, rule 2 (southern: October to March) from 1971.
//   4 United Kingdom: first Gregorian date 1752-09-14 only, 0:00.
//   5 Italy: changeover 1582-10-05 .. 1582-10-15.
//   6 USA (America / USA): -5:00, rule number 77 (none such: rule 1) from 1967.
//   7 Japan (Asia): no rules at all.
// Cities are sorted by normalised name; "Springfield" occurs 12 times (USA,
// latitude 39N40 .. 39N51), across CityIndex blocks.
#pragma once

#include <string>
#include <vector>

#include "blob_writer.h"

namespace orrery::testing {

const BuiltAtlas& SampleAtlas();
// Points the atlas at the sample and opens it; returns OpenAtlas's code.
int OpenSampleAtlas();

}  // namespace orrery::testing
