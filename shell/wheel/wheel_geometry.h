// Geometry of the chart wheel: screen angles of longitudes, points on
// circles round the wheel centre, the radii of the wheel's rings, and where
// the Midheaven mark goes at the end of the meridian.
//
// Screen angles are radians with y growing downward: the point at angle a
// and radius r is (centre x + r cos a, centre y + r sin a). Longitudes run
// counter-clockwise on the screen from the Ascendant on the left.
#pragma once

#include <optional>

#include "shell/platform/geometry.h"

namespace orrery {

// The body and aspect layers draw in square bitmaps of this side whose
// middle lies on the wheel centre.
inline constexpr int WheelInnerSide = 168;
inline constexpr int WheelInnerCentre = WheelInnerSide / 2;

// Radii in pixels from the wheel centre.
inline constexpr double MeridianRadius = 123;       // both ends of the meridian
inline constexpr int HorizonLeftRadius = 121;
inline constexpr int HorizonRightRadius = 116;
inline constexpr double SignLineOuterRadius = 116;  // sign boundaries
inline constexpr double SignRingOuterRadius = 112;
inline constexpr double SignGlyphRadius = 98;
inline constexpr double SignRingInnerRadius = 84;   // also the outer end of the cusp lines
inline constexpr double SignLineInnerRadius = 80;
inline constexpr double HouseNumberRadius = 49.6;
inline constexpr double CentralCircleRadius = 40;   // also the inner end of the cusp lines
inline constexpr double AspectEndRadius = 39;
inline constexpr double AspectBendRadius = 35;
inline constexpr double ConjunctionApexRadius = 20;

// The screen angle of an ecliptic longitude in a chart with this Ascendant,
// in [0, 2pi].
double ScreenAngle(double longitude, double ascendant);

// The point at a screen angle and radius from centre, each coordinate
// truncated toward zero.
platform::Point PointAt(platform::Point centre, double angle, double radius);

// Where the Midheaven mark goes relative to the Midheaven end of the
// meridian, for m = Normalize2Pi(Ascendant - Midheaven); none when m lies
// outside (15, 155] degrees.
std::optional<platform::Point> MidheavenMarkOffset(double m);

}  // namespace orrery
