// Apparent geocentric positions: fills the BodyTable with the ecliptic
// longitude, latitude and distance of the Sun, the Moon, Mercury to Pluto and
// the lunar nodes, referred to the true ecliptic and equinox of date, and
// marks the bodies that move backwards.
//
// Per body: heliocentric position of date (planetary series precessed from
// J2000), Earth-Moon barycentre turned into the Earth, geocentric vector, one
// light-time iteration, nutation, annual aberration. Radians and astronomical
// units; every stored angle lies in [0, 2pi].
#pragma once

#include "astro/body_table.h"
#include "foundation/calendar.h"
#include "foundation/vectors.h"

namespace orrery {

// Clears the whole BodyTable's positions and retrograde flags, then fills
// entries 0..12, 15 and 16 for the Universal Time day number ut. A body is
// retrograde when its longitude one hour earlier lies ahead of the current
// one (the difference taken across 0 degrees Aries the short way round).
void ComputeBodyPositions(Mjd ut);

// One evaluation of entries 0..12, 15 and 16 at ut (TT = ut + delta T).
void ComputePositionsAt(Mjd ut);
// The same at a Terrestrial Time day number.
void ComputePositionsAtTerrestrialTime(Mjd tt);

// Heliocentric position of date of body 0..10 into its entry (the Sun: zero;
// the Moon: its geocentric position, heliocentric zero; Earth: the Earth-Moon
// barycentre).
void HeliocentricOfDate(Mjd tt, BodyId body);

// Annual aberration of an apparent ecliptic position of date (in place), with
// the Sun's apparent longitude; the distance is carried through unchanged.
void ApplyAnnualAberration(Vec3& position, Mjd tt, double sunLongitude);

}  // namespace orrery
