// The two pages of the Options sheet (options_sheet.h).
//
// "AOV" (104): aspect combo 1009 with its symbol 1011, object combo 1008
// with its symbol 1010, track bar 1012 (0..30 half degrees, one tick at the
// default orb), the aspect's angle 1013 and the orb 1014.
// "TFV" (106): object combo 1014 with its symbol 1015, track bar 1016
// (0..9, ticks at 1..8), the points 1042 and the rulership combo 1017.
#pragma once

#include <memory>
#include <string>

#include "dialogs/options_sheet.h"
#include "shell/platform/dialog.h"

namespace orrery {

inline constexpr int AovObjectComboId = 1008;
inline constexpr int AovAspectComboId = 1009;
inline constexpr int AovObjectSymbolId = 1010;
inline constexpr int AovAspectSymbolId = 1011;
inline constexpr int AovOrbTrackId = 1012;
inline constexpr int AovAngleTextId = 1013;
inline constexpr int AovOrbTextId = 1014;
inline constexpr int TfvObjectComboId = 1014;
inline constexpr int TfvObjectSymbolId = 1015;
inline constexpr int TfvPointsTrackId = 1016;
inline constexpr int TfvRulershipComboId = 1017;
inline constexpr int TfvPointsTextId = 1042;

// Each page fills its working table from the live one when it is made.
std::unique_ptr<platform::Dialog> MakeAovPage(OptionsWork& work);
std::unique_ptr<platform::Dialog> MakeTfvPage(OptionsWork& work);

// The angle as shown: whole degrees right-aligned in three places, "° ±".
std::u16string AspectAngleText(int degrees);
// An orb position in half degrees as shown: " 7.5°" for 15, "15.0°" for 30.
std::u16string OrbText(int position);

}  // namespace orrery
