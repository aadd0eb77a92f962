// Fonts: FreeType rendering of the font files built into the program.
//
// Typefaces: Wine's metric-compatible Tahoma (regular and bold) and System,
// and DejaVu Sans for the astrological symbols. A character missing from a
// face is taken from DejaVu Sans.
//
// Sizes follow the Win32 LOGFONT convention with a negative height: the
// character height (em size) in pixels, at 96 dots per inch
// -(points x 96) / 72 truncated toward zero, so 8 pt = 10 px, 11 pt = 14 px.
// The line cell of a font (Height) is Ascent + Descent, taken from the
// face's Windows metrics, which is what text placement aligns on.
//
// Glyphs are rendered monochrome (one bit per pixel, as the device's fonts
// looked, and the same pixels on every run, so screenshots compare exactly):
// the faces' own bitmaps where they have one for the size (Tahoma at 8 to 13
// and 15, 16 pixels), otherwise their hinted outlines. Wine's Tahoma Bold
// has bold bitmaps only up to 12 pixels; larger sizes embolden its outlines
// by one pixel, as GDI does for a face without a bold design. System exists
// only as bitmaps of 16 and 18 pixels; other sizes take the nearer one. Text
// runs are not kerned: a text's width is the sum of its characters' advances.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/platform/geometry.h"

namespace orrery::platform {

enum class Typeface { Tahoma, TahomaBold, System, Symbol };

// Character height in pixels of a font of the given points at 96 dpi.
constexpr int PointsToPixels(int points) { return points * 96 / 72; }

// One rendered character. Coverage is 0 or 255 per pixel, row-major.
struct Glyph {
  int left = 0;     // from the pen position to the bitmap's left edge
  int top = 0;      // from the baseline up to the bitmap's top row
  int width = 0;
  int height = 0;
  int advance = 0;  // pen movement to the next character
  std::vector<uint8_t> coverage;
};

class FontSize;  // one face at one pixel size, with its glyph cache

// A cheap, copyable handle on a face at a size; all handles of the same face
// and size share one cache, which lives for the whole run.
class Font {
 public:
  Font();  // Tahoma 8 pt, the controls' font
  static Font FromPoints(Typeface face, int points);
  static Font FromPixels(Typeface face, int characterHeight);

  Typeface Face() const;
  int CharacterHeight() const;
  int Ascent() const;   // baseline to the top of the line cell
  int Descent() const;  // baseline to the bottom of the line cell
  int Height() const { return Ascent() + Descent(); }

  const Glyph& GlyphOf(char32_t c) const;
  // Width of the text and the line-cell height (GetTextExtentPoint).
  Size Extent(std::u16string_view text) const;
  // How many UTF-16 units of text fit in maxWidth pixels (GetTextExtentExPoint):
  // the largest n whose first n units are at most maxWidth wide. A surrogate
  // pair fits whole or not at all. When extents is given it receives, for
  // every unit, the width of the text up to and including it.
  int FitCount(std::u16string_view text, int maxWidth, std::vector<int>* extents = nullptr) const;

  friend bool operator==(const Font& a, const Font& b) { return a.size_ == b.size_; }

 private:
  explicit Font(FontSize* size) : size_(size) {}
  FontSize* size_;
};

}  // namespace orrery::platform
