// The Options sheet: a full-screen property sheet titled "Options" with the
// pages "AOV" (aspect orb values, template 104) and "TFV" (traditional
// factor values, template 106). The pages edit working copies of the live
// orbs and points (chart/live_settings.h); accepting copies those of the
// pages that were shown into the live tables, saves the settings and shows
// the natal chart recomputed. The rulership system chosen on "TFV" is in
// force at once, also when the sheet is cancelled.
#pragma once

#include <cstdint>

#include "astro/body_table.h"
#include "chart/aspects.h"
#include "shell/platform/window.h"

namespace orrery {

inline constexpr int AovTemplate = 104;
inline constexpr int TfvTemplate = 106;

// The sheet's working state.
struct OptionsWork {
  // Orbs in half degrees (0..30), rows 1..12 and the offered objects.
  std::int8_t orbs[AspectRowCount][BodyCount] = {};
  // Traditional-factor points (0..9) of every object.
  std::int8_t points[BodyCount] = {};
  // Whether each page has shown a value: only those pages are applied.
  bool aovVisited = false;
  bool tfvVisited = false;
  // The rulership system in force when the sheet opened.
  std::int8_t rulershipAtOpen = 0;
};

// The objects the pages offer, in list order (BodyIds).
inline constexpr int OptionsObjectCount = 13;
inline constexpr int OptionsObjects[OptionsObjectCount] = {
    Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, NorthNode, Ascendant,
    Midheaven};

void RunOptions(platform::Window& owner);

// After the sheet closed. Accepted: the working tables of visited pages
// become the live ones, the settings are saved and slot 0 is shown
// recomputed. Cancelled: the live tables stay; when the rulership system
// was changed meanwhile, slot 0 is shown recomputed, so that the dignities
// on show follow the system in force.
void ApplyOptions(const OptionsWork& work, bool accepted);

}  // namespace orrery
