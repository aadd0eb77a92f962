// Resource ids and sizes of the program's glyphs, icons and bitmaps, as the
// views, the shell and the dialogs look them up (platform::FindIcon,
// platform::FindBitmap). RegisterGlyphResources (register_glyphs.h) makes
// every one of them; README.md lists them with where each is used.
#pragma once

#include "astro/body_table.h"

namespace orrery::glyphs {

// Icons and bitmaps have ids of their own (an icon and a bitmap may share
// one).
enum class ResourceKind { Icon, Bitmap };

// One picture: its resource id and size in pixels. Id 0 = none.
struct GlyphRef {
  int id = 0;
  int width = 0;
  int height = 0;
};

// The glyph fields of a body (BodyId order).
struct BodyGlyphs {
  GlyphRef large;      // icon: the wheel's glyph
  int halfWidth = 0;   // of the large glyph, for the wheel's layout
  int halfHeight = 0;
  GlyphRef small;      // icon: the text views' glyph
  GlyphRef symbol;     // bitmap: the Options pages' symbol
};

// Ascendant and Midheaven have no large glyph of their own: the wheel draws
// kAscendantMark and kMidheavenMark on its axes. Their large size (8 x 8)
// only takes part in the wheel's layout.
inline constexpr BodyGlyphs kBodyGlyphs[BodyCount] = {
    {{136, 15, 15}, 7, 7, {137, 11, 13}, {138, 17, 21}},  // Sun
    {{139, 11, 18}, 5, 8, {140, 8, 13}, {141, 17, 21}},   // Moon
    {{142, 10, 18}, 4, 8, {143, 7, 13}, {144, 17, 21}},   // Mercury
    {{145, 10, 16}, 4, 7, {146, 7, 13}, {147, 17, 21}},   // Venus
    {{148, 15, 15}, 7, 7, {149, 11, 13}, {150, 17, 21}},  // Earth
    {{151, 16, 16}, 7, 8, {152, 11, 13}, {153, 17, 21}},  // Mars
    {{154, 14, 17}, 6, 7, {155, 10, 13}, {156, 17, 21}},  // Jupiter
    {{157, 14, 18}, 6, 8, {158, 11, 13}, {159, 17, 21}},  // Saturn
    {{160, 12, 17}, 5, 8, {161, 9, 13}, {162, 17, 21}},   // Uranus
    {{163, 16, 16}, 7, 7, {164, 11, 13}, {165, 17, 21}},  // Neptune
    {{166, 9, 15}, 4, 7, {167, 8, 13}, {168, 17, 21}},    // Pluto
    {{169, 15, 15}, 7, 7, {170, 12, 13}, {171, 17, 21}},  // North Node
    {{172, 15, 15}, 7, 7, {173, 12, 13}, {174, 17, 21}},  // South Node
    {{0, 8, 8}, 4, 4, {175, 17, 13}, {176, 17, 21}},      // Ascendant
    {{0, 8, 8}, 4, 4, {177, 18, 13}, {178, 17, 21}},      // Midheaven
    {{256, 15, 15}, 7, 7, {258, 12, 13}, {234, 17, 21}},  // North Node (mean)
    {{257, 15, 15}, 7, 7, {259, 12, 13}, {233, 17, 21}},  // South Node (mean)
};

// The glyphs of a sign (row 0 empty, rows 1..12 by sign number).
struct SignGlyphs {
  GlyphRef wheel;  // icon: centred in the wheel's sign ring
  GlyphRef text;   // icon: after an angle in zodiac mode; the box is a text
                   // line (kTextGlyphHeight), the sign standing on kTextBaseline
};

// The sign glyph after an angle stands on the baseline of the text it
// follows: the box's bottom lies on the text's bottom and its lowest
// kTextGlyphHeight - kTextBaseline rows are the text's descent.
inline constexpr int kTextGlyphHeight = 14;
inline constexpr int kTextBaseline = 11;

inline constexpr SignGlyphs kSignGlyphs[13] = {
    {},
    {{261, 15, 13}, {281, 12, 14}},  // Aries
    {{262, 13, 13}, {282, 11, 14}},  // Taurus
    {{263, 13, 13}, {283, 11, 14}},  // Gemini
    {{264, 12, 12}, {284, 10, 14}},  // Cancer
    {{265, 11, 13}, {285, 9, 14}},   // Leo
    {{266, 14, 16}, {286, 12, 14}},  // Virgo
    {{267, 13, 11}, {287, 11, 14}},  // Libra
    {{268, 15, 15}, {288, 12, 14}},  // Scorpio
    {{269, 13, 13}, {289, 11, 14}},  // Sagittarius
    {{270, 13, 13}, {290, 11, 14}},  // Capricorn
    {{271, 13, 8}, {291, 11, 14}},   // Aquarius
    {{272, 10, 13}, {292, 9, 14}},   // Pisces
};

// The glyphs of an aspect (row 0 empty, rows 1..12 by AspectId).
struct AspectGlyphs {
  GlyphRef icon;    // icon: aspect grid and list of the Aspects view
  GlyphRef symbol;  // bitmap: the Options pages' symbol
};

inline constexpr AspectGlyphs kAspectGlyphs[13] = {
    {},
    {{179, 16, 16}, {199, 17, 21}},  // Conjunction
    {{180, 16, 16}, {200, 17, 21}},  // Opposition
    {{181, 16, 16}, {201, 17, 21}},  // Square
    {{182, 16, 16}, {202, 17, 21}},  // Trine
    {{183, 16, 16}, {203, 17, 21}},  // Sextile
    {{184, 16, 16}, {204, 17, 21}},  // Semi-Sextile
    {{185, 16, 16}, {205, 17, 21}},  // Quincunx
    {{186, 16, 16}, {206, 17, 21}},  // Semi-Square
    {{187, 16, 16}, {232, 17, 21}},  // Sesqui-Square
    {{188, 16, 16}, {208, 17, 21}},  // Quintile
    {{189, 16, 16}, {209, 17, 21}},  // Biquintile
    {{190, 16, 16}, {210, 17, 21}},  // Tao
};

// Bitmap: the aspect tool bar's strip, one kToolBarImage picture per
// aspect in AspectId order (image index = AspectId - 1).
inline constexpr int kAspectToolBarStrip = 219;
inline constexpr GlyphRef kToolBarImage = {0, 13, 12};
inline constexpr int kToolBarImageCount = 12;

// Icons unless noted.
inline constexpr GlyphRef kProgramIcon = {101, 32, 32};
inline constexpr GlyphRef kAscendantMark = {134, 7, 13};
inline constexpr GlyphRef kMidheavenMark = {135, 14, 7};
inline constexpr GlyphRef kSexNeutral = {211, 11, 13};
inline constexpr GlyphRef kSexMale = {212, 10, 13};
inline constexpr GlyphRef kSexFemale = {213, 7, 13};
inline constexpr GlyphRef kRetrogradeMark = {217, 4, 7};
inline constexpr GlyphRef kPresentMomentButton = {221, 16, 16};  // bitmap
inline constexpr GlyphRef kHeadingLeftEnd = {222, 11, 19};
inline constexpr GlyphRef kHeadingRightEnd = {223, 11, 19};
inline constexpr GlyphRef kHeadingFrame = {224, 25, 19};
inline constexpr GlyphRef kHeadingBirthData = {225, 16, 16};
inline constexpr GlyphRef kHeadingPlace = {226, 16, 16};
inline constexpr GlyphRef kCautionIcon = {233, 32, 32};
inline constexpr GlyphRef kHeadingPositionCorrection = {238, 16, 16};
inline constexpr GlyphRef kElementFire = {239, 12, 12};
inline constexpr GlyphRef kElementEarth = {240, 12, 12};
inline constexpr GlyphRef kElementWater = {241, 12, 12};
inline constexpr GlyphRef kElementAir = {242, 12, 12};
inline constexpr GlyphRef kHeadingFactors = {243, 16, 16};
inline constexpr GlyphRef kQuadrant4 = {244, 16, 16};
inline constexpr GlyphRef kQuadrant2 = {245, 16, 16};
inline constexpr GlyphRef kQuadrant3 = {246, 16, 16};
inline constexpr GlyphRef kQuadrant1 = {247, 16, 16};
inline constexpr GlyphRef kAboutIcon = {249, 32, 32};
inline constexpr GlyphRef kHeadingAspects = {251, 16, 16};
inline constexpr GlyphRef kPresentChartMark = {253, 16, 16};
inline constexpr GlyphRef kNatalChartMark = {254, 16, 16};
inline constexpr GlyphRef kMakerIcon = {255, 30, 40};

}  // namespace orrery::glyphs
