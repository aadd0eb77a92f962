#include "shell/platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <unordered_map>

#include "shell/platform/font_data.h"
#include "shell/platform/unicode.h"

namespace orrery::platform {

// One face at one pixel size and the characters rendered so far.
class FontSize {
 public:
  FontSize(FT_Library lib, Typeface face, int pixels, FontSize* fallback)
      : face_(face), pixels_(pixels), fallback_(fallback) {
    const auto data = FontFileData(face);
    if (FT_New_Memory_Face(lib, data.data(), FT_Long(data.size()), 0, &ft_) != 0) {
      ft_ = nullptr;
      return;
    }
    if (FT_IS_SCALABLE(ft_)) {
      FT_Set_Pixel_Sizes(ft_, 0, FT_UInt(pixels));
    } else {
      FT_Select_Size(ft_, NearestStrike(pixels));
    }
    ReadLineMetrics();
    // Some bitmap sizes draw descenders below the scaled metrics; the cell
    // always holds them, so bottom-aligned text never runs past its bottom.
    for (char32_t c : std::u32string_view(U"gjpqy")) {
      const Glyph& g = GlyphOf(c);
      descent_ = std::max(descent_, g.height - g.top);
    }
  }
  ~FontSize() {
    if (ft_) FT_Done_Face(ft_);
  }
  FontSize(const FontSize&) = delete;
  FontSize& operator=(const FontSize&) = delete;

  Typeface face_;
  int pixels_;
  int ascent_ = 0;
  int descent_ = 0;

  bool Has(char32_t c) const { return ft_ && FT_Get_Char_Index(ft_, c) != 0; }

  const Glyph& GlyphOf(char32_t c) {
    auto it = glyphs_.find(c);
    if (it != glyphs_.end()) return it->second;
    if (fallback_ && !Has(c) && fallback_->Has(c)) {
      return glyphs_.emplace(c, fallback_->GlyphOf(c)).first->second;
    }
    return glyphs_.emplace(c, Render(c)).first->second;
  }

 private:
  // The bitmap size closest to the wanted one (the smaller one on a tie).
  FT_Int NearestStrike(int pixels) const {
    FT_Int best = 0;
    for (FT_Int i = 1; i < ft_->num_fixed_sizes; ++i) {
      const auto ppem = [&](FT_Int k) { return int((ft_->available_sizes[k].y_ppem + 32) >> 6); };
      const int d = std::abs(ppem(i) - pixels), bestD = std::abs(ppem(best) - pixels);
      if (d < bestD || (d == bestD && ppem(i) < ppem(best))) best = i;
    }
    return best;
  }

  // The Windows line metrics (OS/2 usWinAscent, usWinDescent), which GDI
  // uses for the text cell, scaled to the pixel size and rounded.
  void ReadLineMetrics() {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft_, FT_SFNT_OS2));
    const int units = ft_->units_per_EM > 0 ? ft_->units_per_EM : 2048;
    if (FT_IS_SCALABLE(ft_) && os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      ascent_ = (os2->usWinAscent * pixels_ + units / 2) / units;
      descent_ = (os2->usWinDescent * pixels_ + units / 2) / units;
    } else {
      ascent_ = int((ft_->size->metrics.ascender + 63) >> 6);
      descent_ = int((-ft_->size->metrics.descender + 63) >> 6);
    }
  }

  // Wine's Tahoma Bold has bold bitmap strikes up to 12 pixels, but its
  // larger strikes and its outlines carry the regular stem widths; above 12
  // pixels its outlines are emboldened by one pixel instead, as GDI does for
  // a face without a bold design.
  bool SyntheticBold() const { return face_ == Typeface::TahomaBold && pixels_ > 12; }

  Glyph Render(char32_t c) {
    Glyph g;
    const FT_Int32 flags = FT_LOAD_TARGET_MONO | (SyntheticBold() ? FT_LOAD_NO_BITMAP : 0);
    if (!ft_ || FT_Load_Char(ft_, c, flags) != 0) return g;
    const FT_GlyphSlot slot = ft_->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (SyntheticBold()) FT_Outline_EmboldenXY(&slot->outline, 64 * std::max(1, pixels_ / 14), 0);
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    }
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(bm.width);
    g.height = int(bm.rows);
    g.advance = int((slot->advance.x + 32) >> 6);
    g.coverage.resize(size_t(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
      const unsigned char* row = bm.buffer + ptrdiff_t(y) * bm.pitch;
      for (int x = 0; x < g.width; ++x) {
        g.coverage[size_t(y) * g.width + x] =
            bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
      }
    }
    return g;
  }

  FT_Face ft_ = nullptr;
  FontSize* fallback_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

namespace {

// Every face and size opened during the run; freed at exit.
class FontRegistry {
 public:
  FontRegistry() { FT_Init_FreeType(&lib_); }
  ~FontRegistry() {
    sizes_.clear();
    FT_Done_FreeType(lib_);
  }

  FontSize* Get(Typeface face, int pixels) {
    pixels = std::clamp(pixels, 1, 400);
    auto& slot = sizes_[{face, pixels}];
    if (!slot) {
      FontSize* fallback = face == Typeface::Symbol ? nullptr : Get(Typeface::Symbol, pixels);
      slot = std::make_unique<FontSize>(lib_, face, pixels, fallback);
    }
    return slot.get();
  }

 private:
  FT_Library lib_ = nullptr;
  std::map<std::pair<Typeface, int>, std::unique_ptr<FontSize>> sizes_;
};

FontRegistry& Registry() {
  static FontRegistry registry;
  return registry;
}

}  // namespace

Font::Font() : Font(FromPoints(Typeface::Tahoma, 8)) {}

Font Font::FromPoints(Typeface face, int points) {
  return FromPixels(face, PointsToPixels(points));
}

Font Font::FromPixels(Typeface face, int characterHeight) {
  return Font(Registry().Get(face, characterHeight));
}

Typeface Font::Face() const { return size_->face_; }
int Font::CharacterHeight() const { return size_->pixels_; }
int Font::Ascent() const { return size_->ascent_; }
int Font::Descent() const { return size_->descent_; }

const Glyph& Font::GlyphOf(char32_t c) const { return size_->GlyphOf(c); }

Size Font::Extent(std::u16string_view text) const {
  int width = 0;
  for (size_t i = 0; i < text.size();) width += GlyphOf(NextCodePoint(text, i)).advance;
  return {width, Height()};
}

int Font::FitCount(std::u16string_view text, int maxWidth, std::vector<int>* extents) const {
  if (extents) extents->assign(text.size(), 0);
  int width = 0;
  int fit = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    width += GlyphOf(NextCodePoint(text, i)).advance;
    if (extents) {
      for (size_t k = start; k < i; ++k) (*extents)[k] = width;
    }
    if (width <= maxWidth && size_t(fit) == start) fit = int(i);
  }
  return fit;
}

}  // namespace orrery::platform
