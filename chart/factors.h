// Traditional factors: how a chart's weight spreads over the elements,
// modalities, polarities and quadrants, and each body's dignities under the
// rulership system in use. Every body scores its current points
// (live_settings.h) in the cells its sign and house select.
#pragma once

#include <cstdint>

#include "astro/body_table.h"

namespace orrery {

// Sign flags: element, modality and polarity of a sign.
enum SignFlag : std::uint16_t {
  FireSign = 0x001,
  AirSign = 0x002,
  WaterSign = 0x004,
  EarthSign = 0x008,
  CardinalSign = 0x010,
  FixedSign = 0x020,
  MutableSign = 0x040,
  PositiveSign = 0x080,
  NegativeSign = 0x100,
};

// Quadrant bits of a body's factor-flag word, beside its sign flags.
inline constexpr std::uint16_t QuadrantFlags[4] = {0x200, 0x400, 0x800, 0x1000};

// Dignity bits, one byte per body (labels: string ids 52..56).
enum DignityFlag : std::uint8_t {
  MutualReception = 0x01,
  InRuler = 0x02,
  InDetriment = 0x04,
  InExaltation = 0x08,
  InFall = 0x10,
};

inline constexpr int SignCount = 12;
inline constexpr int NoBody = -1;

struct SignInfo {
  int id;                   // 1..12 (row 0 is empty)
  const char* code;         // two lower-case letters, e.g. "ar"
  int nameStringId;         // into the localised string table
  int opposite;             // 1..12
  std::uint16_t flags;      // SignFlag bits
  std::int8_t ruler[4];     // BodyId per rulership system, NoBody for none
  std::int8_t exaltation[4];
};

// Indexed by sign number 1..12 (SignNumber of a longitude).
extern const SignInfo signInfo[SignCount + 1];

// Dignity bits of a body at a longitude under rulership system 0..3.
std::uint8_t DignityOf(int body, double longitude, int rulership);

// houseOf + 1 of the chart slot on show, or 1 when that lies outside 1..12.
int HouseNumber(int body);

// Fills the factor tallies and dignities of the chart slot on show and the
// factor-flag words of the scoring bodies in the BodyTable.
void ComputeFactors();

}  // namespace orrery
