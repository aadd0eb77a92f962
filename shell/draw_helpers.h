// Drawing and text helpers shared by the views and dialogs. They draw on
// any drawing context given to them and keep no state.
//
// Text placement is single line, not clipped, with no "&" processing; the
// text's bottom edge (the bottom of its line cell) is placed at `bottom`.
#pragma once

#include <string>
#include <string_view>

#include "shell/platform/draw_context.h"
#include "shell/platform/window.h"

namespace orrery {

// Left-aligned in (left, 0, right, bottom); a negative right means 1024.
void DrawTextLeft(platform::DrawContext& dc, std::u16string_view text, int left, int right,
                  int bottom);
// Right-aligned, ending at x = right.
void DrawTextRight(platform::DrawContext& dc, std::u16string_view text, int right, int bottom);
// Centred between left and right.
void DrawTextCentred(platform::DrawContext& dc, std::u16string_view text, int left, int right,
                     int bottom);

// Shortens text in place until it fits maxWidth in the context's font. A
// text that fits stays as it is; one that does not ends in "..." (of a text
// shorter than three characters, every character becomes a dot), losing
// characters before the dots until it fits or is empty.
void FitTextWithEllipsis(const platform::DrawContext& dc, std::u16string& text, int maxWidth);

// Line patterns of DrawPatternLine.
enum LinePattern : int {
  PatternNone = 0,    // nothing is drawn
  PatternDotted = 2,  // 1 pixel on, 2 off
  PatternDashed = 3,  // 5 pixels on, 3 off
  PatternSolid = 1,   // as every other value
};
// Bresenham's line from (x0, y0) to (x1, y1), both ends included, pixel by
// pixel in colour, with the pattern starting on a drawn pixel at (x0, y0).
void DrawPatternLine(platform::DrawContext& dc, int x0, int y0, int x1, int y1,
                     platform::Colour colour, int pattern);

// Section headings, drawn with the grey pen and the 8-point font (the
// context's own are restored afterwards):
//   0 a grey rule under the text
//   1 a dotted grey rule under the text
//   2 the glyph icon and a left end-piece before a rule under the text
//   3 the rule ending in a right end-piece and the glyph icon after it
//   4 the text above two rules with a middle piece and the glyph between them
void DrawSectionHeading(platform::DrawContext& dc, int x, int y, int width, int glyphIcon,
                        std::u16string_view text, int style);

// DrawAngle flags.
enum AngleFlag : unsigned {
  AngleDegrees = 1,
  AngleMinutes = 2,
  AngleSeconds = 4,
  AngleDegreeSign = 8,
  AngleMinuteSign = 16,
  AngleSecondSign = 32,
  AngleZodiac = 64,  // degrees within the sign, followed by the sign's glyph
  AngleRight = 256,  // right-aligned at x
};

struct FormattedAngle {
  std::u16string text;  // empty when no field flag is set
  int sign;             // 1..12 in zodiac mode, else 0
  bool rightAligned;
};
// The text DrawAngle shows for an angle in radians: degrees "%3d",
// minutes "%02d", seconds "%02d", each followed by its sign when asked.
// Without seconds the minutes are rounded to the nearest; the carry never
// moves a zodiac angle into the next sign (29°59'45" shows as 30°00').
FormattedAngle FormatAngle(unsigned flags, double angle);
// Draws FormatAngle's text with its bottom at y, left-aligned at x or, when
// right-aligned (always in zodiac mode), ending at x; in zodiac mode the
// sign's glyph follows at (x + 5, y - its height).
void DrawAngle(platform::DrawContext& dc, unsigned flags, double angle, int x, int y);

// Glyph sizes of LoadBodyGlyph.
enum GlyphSize : int { LargeGlyph = 0, SmallGlyph = 1 };
// The body's glyph icon, or nullptr when it has none (the Ascendant and
// Midheaven have no large glyph) or its artwork is missing.
const platform::Image* LoadBodyGlyph(int body, int size);

// Draws the icon with its top-left corner at (x, y); a missing icon draws nothing.
void DrawIcon(platform::DrawContext& dc, int iconId, int x, int y);

// Moves the window (size and stacking kept) to the middle of its owner's
// client area, or its parent's when it has no owner, never above or left
// of that area's corner.
void CentreInParent(platform::Window& window);

}  // namespace orrery
