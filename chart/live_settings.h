// The chart settings that live for the whole run, in one place:
//
//   currentHouseSystem  set by the shell's "House Systems" menu; starts at 0
//                       (Placidus) at every run and is never stored.
//   currentOrbs         the orb of every aspect row for every body; the stored
//                       settings load them, the Options sheet edits them.
//   currentPoints       the traditional-factor points of every body; likewise
//                       loaded from the settings and edited in Options.
//   rulershipIndex      0 modern, 1 old rulership (columns 2 and 3 exist in the
//                       sign table too); loaded from the settings.
//
// At start-up ResetOrbsToDefaults and ResetPointsToDefaults run before the
// settings are loaded. The chart computation only reads these values.
#pragma once

#include <cstdint>

#include "astro/body_table.h"
#include "chart/aspects.h"

namespace orrery {

inline constexpr int MaxOrb = 30;    // valid orbs are 0..30 whole degrees
inline constexpr int MaxPoints = 9;  // valid points are 0..9
inline constexpr int RulershipSystemCount = 4;

extern std::int8_t currentHouseSystem;
extern std::int8_t currentOrbs[AspectRowCount][BodyCount];
extern std::int8_t currentPoints[BodyCount];
extern std::int8_t rulershipIndex;

// Every current orb becomes its row's default for that body.
void ResetOrbsToDefaults();
// Every body's current points become its default points.
void ResetPointsToDefaults();

}  // namespace orrery
