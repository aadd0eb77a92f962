// House systems: the Midheaven, the Ascendant, the twelve house cusps in one
// of seven systems, and the house of every chart body.
//
// The pure functions below work on a HouseFrame (RAMC, geographic latitude,
// obliquity, radians); ComputeMidheaven, ComputeAscendant, ComputeHouses and
// AssignHouses run them on the chart slot on show, from its lst, obliquity
// and corrected latitude. Houses run counter-clockwise in increasing
// longitude; cusp 1 is the Ascendant and cusp 10 the Midheaven in every
// quadrant system.
#pragma once

#include "chart/chart_slot.h"

namespace orrery {

enum HouseSystemId : int {
  Placidus = 0,
  Koch = 1,
  EqualHouses = 2,
  Vehlow = 3,
  Campanus = 4,
  Regiomontanus = 5,
  Porphyry = 6,
};

inline constexpr int HouseSystemCount = 7;

struct HouseSystemInfo {
  int id;
  int nameStringId;  // into the localised string table
  char code;         // one-letter code
  int menuCommand;   // command of the "House Systems" menu entry
};

// In menu order, indexed by HouseSystemId.
extern const HouseSystemInfo houseSystemInfo[HouseSystemCount];

// The system a HouseSystemId computes: any id outside 1..6 is Placidus.
int EffectiveHouseSystem(int system);

// The inputs and results of one house computation. ComputeCusps reads
// midheaven and ascendant and may turn them by pi.
struct HouseFrame {
  double ramc;
  double latitude;   // geographic, north positive
  double obliquity;
  double midheaven;
  double ascendant;
  double cusps[HouseCount];
};

// Right ascension of the meridian for a local sidereal time in seconds.
double Ramc(double lst);
// The ecliptic longitude in [0, pi) of the first-quadrant formula.
double FirstQuadrantLongitude(double a, double pole, double obliquity);
// The ecliptic point whose oblique ascension under the pole height is a.
double ObliqueToEcliptic(double a, double pole, double obliquity);
double MidheavenOf(double ramc, double obliquity);
// Turned by pi when the Midheaven lies below the horizon, so the Ascendant is
// never west of the Midheaven.
double AscendantOf(double ramc, double latitude, double obliquity);
// |latitude| >= pi/2 - obliquity: Placidus and Koch fall back to Porphyry.
bool IsPolarLatitude(double latitude, double obliquity);
// The system that actually computes the cusps: Porphyry where a polar
// latitude makes Placidus or Koch fall back, else EffectiveHouseSystem.
int HouseSystemUsed(int system, double latitude, double obliquity);

// A frame with ramc, latitude, obliquity and the untouched Midheaven and
// Ascendant; cusps still empty.
HouseFrame MakeHouseFrame(double lst, double latitude, double obliquity);
// The twelve cusps of a system, each in [0, 2pi].
void ComputeCusps(int system, HouseFrame& frame);
// 0-based house of a longitude: the house whose cusp it has reached and whose
// next cusp it has not; 0 when it matches none.
int HouseOfLongitude(const double cusps[HouseCount], double longitude);

// The latitude the houses of a chart use: its corrected place's, radians.
double CorrectedLatitude(const ChartData& chart);

// On the chart slot on show:
void ComputeMidheaven();
void ComputeAscendant();
// Cusps of currentHouseSystem, then AssignHouses.
void ComputeHouses();
// houseOf for all 17 bodies from the BodyTable longitudes.
void AssignHouses();
// The "House Systems" menu: stores the system and recomputes the cusps and
// houses from the Midheaven and Ascendant of the last full computation
// (BodyTable entries 14 and 13); positions, aspects and factors stay.
void ChangeHouseSystem(int system);

}  // namespace orrery
