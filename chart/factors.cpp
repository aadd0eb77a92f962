#include "chart/factors.h"

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/angles.h"

namespace orrery {

namespace {

constexpr std::uint16_t ElementFlags[ElementCount] = {FireSign, AirSign, WaterSign, EarthSign};
constexpr std::uint16_t ModalityFlags[ModalityCount] = {CardinalSign, FixedSign, MutableSign};
constexpr std::uint16_t SignFlagMask = 0x1FF;

// The rulership index picks a column of the ruler and exaltation tables;
// an index outside them counts as modern rulership.
int RulershipColumn(int rulership) {
  return rulership >= 0 && rulership < RulershipSystemCount ? rulership : 0;
}

// Adds a body's points to the cell of its sign's element and modality, to the
// polarities and to its house's quadrant, and records in its factor-flag word
// where it scored.
void ScoreBody(FactorTallies& tallies, int body, int points) {
  std::uint16_t flags = signInfo[SignNumber(BodyTable[body].geocentric.x)].flags;
  std::uint16_t scored = 0;
  if (flags & PositiveSign) {
    tallies.positiveTotal += points;
  } else if (flags & NegativeSign) {
    tallies.negativeTotal += points;
  }
  for (int e = 0; e < ElementCount; ++e) {
    for (int m = 0; m < ModalityCount; ++m) {
      if ((flags & ElementFlags[e]) && (flags & ModalityFlags[m])) {
        tallies.elementModality[e][m] += points;
        scored = flags & SignFlagMask;
      }
    }
  }
  int quadrant = (HouseNumber(body) - 1) / 3;
  tallies.quadrant[quadrant] += points;
  BodyTable[body].factorFlags = scored | QuadrantFlags[quadrant];
}

}  // namespace

const SignInfo signInfo[SignCount + 1] = {
    {0, "", 0, 0, 0, {NoBody, NoBody, NoBody, NoBody}, {NoBody, NoBody, NoBody, NoBody}},
    {1, "ar", 18, 7, 0x091, {Mars, Mars, Mercury, Uranus}, {Sun, Sun, Sun, Sun}},
    {2, "ta", 19, 8, 0x128, {Venus, Venus, NoBody, NoBody}, {Moon, Moon, Moon, Moon}},
    {3, "ge", 20, 9, 0x0C2, {Mercury, Mercury, Venus, Earth}, {NoBody, NoBody, NoBody, NoBody}},
    {4, "cn", 21, 10, 0x114, {Moon, Moon, Neptune, Neptune}, {Jupiter, Jupiter, Jupiter, Jupiter}},
    {5, "le", 22, 11, 0x0A1, {Sun, Sun, Sun, Sun}, {NoBody, NoBody, NoBody, NoBody}},
    {6, "vi", 23, 12, 0x148, {Mercury, Mercury, Moon, Jupiter}, {Mercury, Mercury, Mercury, Mercury}},
    {7, "li", 24, 1, 0x092, {Venus, Venus, Uranus, Saturn}, {Saturn, Saturn, Saturn, Saturn}},
    {8, "sc", 25, 2, 0x124, {Pluto, Mars, Mars, Mercury}, {Uranus, Uranus, Uranus, Uranus}},
    {9, "sa", 26, 3, 0x0C1, {Jupiter, Jupiter, Earth, Mars}, {NoBody, NoBody, NoBody, NoBody}},
    {10, "cp", 27, 4, 0x118, {Saturn, Saturn, Saturn, Venus}, {Mars, Mars, Mars, Mars}},
    {11, "aq", 28, 5, 0x0A2, {Uranus, Saturn, Jupiter, Moon}, {NoBody, NoBody, NoBody, NoBody}},
    {12, "pi", 29, 6, 0x144, {Neptune, Jupiter, Pluto, Pluto}, {Venus, Venus, Venus, Venus}},
};

std::uint8_t DignityOf(int body, double longitude, int rulership) {
  int column = RulershipColumn(rulership);
  const SignInfo& sign = signInfo[SignNumber(longitude)];
  const SignInfo& opposite = signInfo[sign.opposite];
  std::uint8_t dignity = 0;
  if (sign.ruler[column] == body) dignity |= InRuler;
  if (opposite.ruler[column] == body) {
    dignity |= InDetriment;
    if (sign.ruler[column] == opposite.ruler[column]) dignity |= MutualReception;
  }
  if (sign.exaltation[column] == body) dignity |= InExaltation;
  if (opposite.exaltation[column] == body) dignity |= InFall;
  return dignity;
}

int HouseNumber(int body) {
  int house = CurrentChart().houseOf[body] + 1;
  return house >= 1 && house <= HouseCount ? house : 1;
}

void ComputeFactors() {
  FactorTallies& tallies = CurrentChart().factors;
  tallies = FactorTallies{};
  for (int body = 0; body < BodyCount; ++body) {
    tallies.dignity[body] = DignityOf(body, BodyTable[body].geocentric.x, rulershipIndex);
    if (currentPoints[body] >= 1) ScoreBody(tallies, body, currentPoints[body]);
  }
  for (int e = 0; e < ElementCount; ++e) {
    for (int m = 0; m < ModalityCount; ++m) {
      tallies.elementModality[e][ModalityCount] += tallies.elementModality[e][m];
      tallies.elementModality[ElementCount][m] += tallies.elementModality[e][m];
    }
  }
}

}  // namespace orrery
