// Sign glyphs: the zodiac symbols of DejaVu Sans, all at one scale per use
// so that their relative sizes stay as the face draws them.
#include "shell/glyphs/art.h"
#include "shell/glyphs/glyph_ids.h"

namespace orrery::glyphs {

namespace {

constexpr Colour kInk = platform::kBlack;

// The signs' common height (Aries and most others) is 70 pixels of the
// kSourceEm rendering. After an angle it becomes 11 pixels, a little taller
// than the digits of the 11-point text; in the wheel 13 pixels (kSignGlyphs
// holds each sign's ink size at these scales).
constexpr double kTextScale = 11.0 / 70;

char32_t SignCharacter(int sign) { return char32_t(0x2648 + sign - 1); }

}  // namespace

void DrawSignForWheel(Canvas& c, int sign, const Box& box) {
  if (sign < 1 || sign > 12) return;
  const char32_t text[] = {SignCharacter(sign)};
  // The box is the ink's size, rounded; the small stretch takes up the
  // rounding.
  c.Symbol({text, 1}, platform::Typeface::Symbol, box, kInk, {1.1, 0.25});
}

void DrawSignForText(Canvas& c, int sign, const Box& box) {
  if (sign < 1 || sign > 12) return;
  const char32_t text[] = {SignCharacter(sign)};
  c.SymbolOnBaseline({text, 1}, platform::Typeface::Symbol, box.left, box.right,
                     box.top + kTextBaseline, kTextScale, kInk, 0.3);
}

}  // namespace orrery::glyphs
