// Readings of a typed city name: a German keyboard without umlauts types
// ä, ö, ü as "ae", "oe", "ue" ("Hoetting" for Hötting, "Kankaanpaeae" for
// Kankaanpää). The stored names fold the umlauts to a, o, u, so a typed name
// is also read with some or all of its "ae", "oe", "ue" shortened to a, o, u.
// ß and "ss" need no reading: ß already folds to "ss".
#pragma once

#include "atlas/name_normalise.h"

namespace orrery {

// At most 2^4 readings: a name with more than four of the pairs is read only
// as typed and with all of them shortened.
inline constexpr int MaxReadings = 16;

struct TypedReadings {
  int count = 0;
  NormalisedName names[MaxReadings];
};

// The readings of a name in comparison form: first the name itself, then the
// name with all pairs shortened, then with fewer of them.
TypedReadings ReadingsOf(const NormalisedName& typed);

}  // namespace orrery
