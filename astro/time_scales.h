// Time scales and the Earth's rotation: Julian centuries, delta T (TT - UT)
// and Greenwich mean, Greenwich apparent and local sidereal time.
//
// Day numbers are Mjd values; sidereal times and delta T are seconds.
#pragma once

#include "foundation/calendar.h"

namespace orrery {

// Julian centuries of TT (or UT, as the caller passes) since J2000.0.
double CenturiesSinceJ2000(Mjd mjd);

// TT - UT in seconds for a UT day number: piecewise polynomials by calendar
// year, 0 for years 0 and earlier.
double DeltaT(Mjd ut);

// Greenwich mean sidereal time (IAU 1982), seconds in [0, 86400).
double MeanSiderealTime(Mjd ut);
// Greenwich apparent sidereal time: mean sidereal time plus the equation of
// the equinoxes; not reduced again, so it may lie a fraction of a second
// outside [0, 86400).
double ApparentSiderealTime(Mjd ut);
// Local apparent sidereal time at a geographic longitude (radians, east
// positive), seconds in [0, 86400).
double LocalSiderealTime(Mjd ut, double longitude);

}  // namespace orrery
