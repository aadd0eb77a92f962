// Fonts: sizes by the LOGFONT rule, faces, fallback and repeatability.
#include <gtest/gtest.h>

#include "shell/platform/font.h"

namespace orrery::platform {
namespace {

TEST(Fonts, PointSizesTurnIntoPixelsAt96Dpi) {
  EXPECT_EQ(PointsToPixels(8), 10);
  EXPECT_EQ(PointsToPixels(9), 12);
  EXPECT_EQ(PointsToPixels(10), 13);
  EXPECT_EQ(PointsToPixels(11), 14);
  EXPECT_EQ(PointsToPixels(14), 18);
  for (int points : {8, 9, 10, 11, 14}) {
    const Font f = Font::FromPoints(Typeface::Tahoma, points);
    EXPECT_EQ(f.CharacterHeight(), PointsToPixels(points));
    // The cell holds the character height plus the internal leading.
    EXPECT_GE(f.Height(), f.CharacterHeight());
    EXPECT_LE(f.Height(), f.CharacterHeight() * 3 / 2);
    EXPECT_EQ(f.Height(), f.Ascent() + f.Descent());
  }
}

TEST(Fonts, HandlesShareOneCacheAndRenderTheSameEveryTime) {
  const Font a = Font::FromPoints(Typeface::Tahoma, 11);
  const Font b = Font::FromPixels(Typeface::Tahoma, 14);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a == Font::FromPoints(Typeface::TahomaBold, 11));
  EXPECT_EQ(&a.GlyphOf(U'Q'), &b.GlyphOf(U'Q'));
  EXPECT_TRUE(Font() == Font::FromPoints(Typeface::Tahoma, 8));
}

TEST(Fonts, GlyphsAreMonochromeAndBoldIsHeavier) {
  for (Typeface face : {Typeface::Tahoma, Typeface::TahomaBold}) {
    const Glyph& g = Font::FromPoints(face, 11).GlyphOf(U'M');
    EXPECT_GT(g.width, 0);
    for (uint8_t c : g.coverage) EXPECT_TRUE(c == 0 || c == 255);
  }
  auto ink = [](Typeface face, int points) {
    int n = 0;
    for (char16_t c : std::u16string_view(u"Nativity")) {
      for (uint8_t v : Font::FromPoints(face, points).GlyphOf(c).coverage) n += v != 0;
    }
    return n;
  };
  for (int points : {8, 9, 11, 14}) {
    EXPECT_GT(ink(Typeface::TahomaBold, points), ink(Typeface::Tahoma, points) * 5 / 4) << points;
    EXPECT_GT(Font::FromPoints(Typeface::TahomaBold, points).Extent(u"Nativity").width,
              Font::FromPoints(Typeface::Tahoma, points).Extent(u"Nativity").width);
  }
}

TEST(Fonts, SymbolsMissingFromTahomaComeFromTheSymbolFace) {
  const Font tahoma = Font::FromPixels(Typeface::Tahoma, 16);
  const Font symbol = Font::FromPixels(Typeface::Symbol, 16);
  for (char32_t c : {U'☉', U'♈', U'♓', U'☊', U'♇'}) {
    const Glyph& g = tahoma.GlyphOf(c);
    EXPECT_GT(g.width * g.height, 0) << int(c);
    EXPECT_EQ(g.coverage, symbol.GlyphOf(c).coverage);
  }
  // An unpaired surrogate still measures as one character.
  EXPECT_GT(tahoma.Extent(u"\xD800").width, 0);
}

TEST(Fonts, SystemFaceUsesItsNearestBitmapSize) {
  const Font small = Font::FromPoints(Typeface::System, 9);
  const Font exact = Font::FromPixels(Typeface::System, 16);
  EXPECT_EQ(small.Extent(u"Invalid year !"), exact.Extent(u"Invalid year !"));
  EXPECT_GT(small.Extent(u"Invalid year !").width, 40);
}

}  // namespace
}  // namespace orrery::platform
