#include "chart/position_correction.h"

#include <cstdlib>

#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

namespace {

// Reciprocal of the meridional circumference (40007834 m), and the
// equatorial circumference.
constexpr double InverseMeridionalCircumference = 2.499510470874279e-8;
constexpr double EquatorialCircumference = 40075017.0;

constexpr int LatitudeLimitDegrees = 77;

}  // namespace

const DistanceUnit distanceUnits[DistanceUnitCount] = {
    {0, u"Kilometers", 1000.0},         {1, u"Miles", 1609.344},
    {2, u"Nautical mile", 1853.2663},   {3, u"Miles US", 1609.3472},
    {4, u"Bolts", 36.576},              {5, u"Cables", 219.456},
    {6, u"Chains", 20.1168},            {7, u"Furlongs", 201.168},
    {8, u"Leagues", 4828.032},          {9, u"Nautical leagues", 5559.7989},
    {10, u"Skeins", 109.728},
};

const CompassDirection compassDirections[CompassDirectionCount] = {
    {0, u"N        0°, North", "N", 0.0},
    {1, u"E      90°, East", "E", 90.0},
    {2, u"S    180°, South", "S", 180.0},
    {3, u"W   270°, West", "W", 270.0},
    {4, u"NE     45°, North-East", "NE", 45.0},
    {5, u"SE   135°, South-East", "SE", 135.0},
    {6, u"SW  225°, South-West", "SW", 225.0},
    {7, u"NW  315°, North-West", "NW", 315.0},
    {8, u"NNE    22.5°", "NNE", 22.5},
    {9, u"ENE    67.5°", "ENE", 67.5},
    {10, u"ESE   112.5°", "ESE", 112.5},
    {11, u"SSE   157.5°", "SSE", 157.5},
    {12, u"SSW   202.5°", "SSW", 202.5},
    {13, u"WSW   247.5°", "WSW", 247.5},
    {14, u"WNW   292.5°", "WNW", 292.5},
    {15, u"NNW   337.5°", "NNW", 337.5},
};

CorrectedPlace CorrectPosition(const ChartRecord& record) {
  CorrectedPlace place{static_cast<std::int16_t>(record.latDegrees),
                       static_cast<std::int8_t>(record.latMinutes), record.north,
                       static_cast<std::int16_t>(record.lonDegrees),
                       static_cast<std::int8_t>(record.lonMinutes), record.east};
  if (record.corrUnit >= DistanceUnitCount || record.corrDirection >= CompassDirectionCount) return place;
  double distance = std::abs(static_cast<int>(record.corrDistance)) * distanceUnits[record.corrUnit].metres;
  double bearing = compassDirections[record.corrDirection].bearing * DegToRad;
  if (distance == 0.0) return place;

  double lat0 = DmsToRadians(record.latDegrees, record.latMinutes, record.north != 0);
  double lon0 = DmsToRadians(record.lonDegrees, record.lonMinutes, record.east != 0);
  double lat1 = ((Cos(bearing) * TwoPi) * distance) * InverseMeridionalCircumference + lat0;
  double middle = (lat1 + lat0) * 0.5;
  double lon1 = NormalizePi(((Sin(bearing) * TwoPi) * distance) / (Cos(middle) * EquatorialCircumference) + lon0);

  // A due east or west move leaves the latitude exactly as it was (and a due
  // north or south one the longitude); the record's fields then stand, as
  // the round trip through radians could truncate them a minute lower.
  if (lat1 != lat0) {
    DegreesMinutes dm = RadiansToDm(lat1);
    place.latDegrees = static_cast<std::int16_t>(std::abs(dm.degrees));
    place.latMinutes = static_cast<std::int8_t>(std::abs(dm.minutes));
    place.north = lat1 >= 0.0 ? 1 : 0;
  }
  if (lon1 != lon0) {
    DegreesMinutes dm = RadiansToDm(lon1);
    place.lonDegrees = static_cast<std::int16_t>(std::abs(dm.degrees));
    place.lonMinutes = static_cast<std::int8_t>(std::abs(dm.minutes));
    place.east = lon1 >= 0.0 ? 1 : 0;
  }
  return place;
}

bool LatitudeWithinLimit(int degrees, int minutes) {
  degrees = std::abs(degrees);
  return degrees < LatitudeLimitDegrees || (degrees == LatitudeLimitDegrees && minutes == 0);
}

void ApplyPositionCorrection() {
  ChartSlot& slot = CurrentSlot();
  CorrectedPlace place = CorrectPosition(slot.record);
  ChartData& chart = slot.data;
  chart.corrLatDegrees = place.latDegrees;
  chart.corrLatMinutes = place.latMinutes;
  chart.corrNorth = place.north;
  chart.corrLonDegrees = place.lonDegrees;
  chart.corrLonMinutes = place.lonMinutes;
  chart.corrEast = place.east;
}

}  // namespace orrery
