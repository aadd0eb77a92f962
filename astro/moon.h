// The Moon and the lunar nodes.
//
// The Moon's position comes from the DE404-adjusted truncation of ELP2000-85
// (S. L. Moshier): mean elements, six integer tables of periodic terms
// (astro/lunar_tables.h) and explicitly coded planetary and secular terms. It
// is geocentric and referred to the mean ecliptic and equinox of date.
#pragma once

#include "foundation/calendar.h"
#include "foundation/vectors.h"

namespace orrery {

// Geocentric (longitude in [0, 2pi), latitude, distance in AU) of the Moon at
// the TT day number.
Vec3 MoonPosition(Mjd tt);

// Longitude of the mean ascending node (radians, not reduced).
double MeanNodeLongitude(Mjd tt);
// The mean node with the nutation in longitude (dpsi, radians, from
// Nutation(tt)) and a small correction added (radians, not reduced).
double NodeWithNutationLongitude(Mjd tt, double dpsi);

// BodyTable entries 11 and 12 (North and South Node): the node with nutation;
// latitude and distance 0. The second form takes the nutation in longitude
// already computed for tt.
void NodeWithNutation(Mjd tt);
void NodeWithNutation(Mjd tt, double dpsi);
// BodyTable entries 15 and 16: the mean node the same way.
void MeanNode(Mjd tt);

}  // namespace orrery
