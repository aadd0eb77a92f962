// The artwork's canvas: coverage to opacity, sharp strokes on whole pixels,
// fitting a symbol's ink into a box, and characters the face lacks.
#include <gtest/gtest.h>

#include "shell/glyphs/canvas.h"
#include "tests/glyphs/image_checks.h"

namespace orrery::glyphs {
namespace {

using platform::Rect;
using testing::InkBounds;

constexpr Colour kRed = platform::Rgb(255, 0, 0);

TEST(Canvas, CoverageBecomesOpacityWithFirmEdges) {
  Canvas c(4, 1);
  c.FillBox({0, 0, 1, 1}, kRed);          // whole pixel
  c.FillBox({1, 0, 1.5, 1}, kRed);        // half
  c.FillBox({2, 0, 2.1, 1}, kRed);        // a sliver
  c.FillBox({3, 0, 3.9, 1}, kRed);        // nearly whole
  const platform::Image img = c.Picture();
  EXPECT_EQ(img.Alpha(0, 0), 255);
  EXPECT_GT(img.Alpha(1, 0), 64);
  EXPECT_LT(img.Alpha(1, 0), 192);
  EXPECT_EQ(img.Alpha(2, 0), 0);
  EXPECT_EQ(img.Alpha(3, 0), 255);
  EXPECT_EQ(img.Pixel(1, 0), kRed);
}

TEST(Canvas, ColoursMixByArea) {
  Canvas c(1, 1);
  c.FillBox({0, 0, 0.5, 1}, platform::Rgb(200, 0, 0));
  c.FillBox({0.5, 0, 1, 1}, platform::Rgb(0, 0, 100));
  const platform::Image img = c.Picture();
  EXPECT_EQ(img.Alpha(0, 0), 255);
  EXPECT_EQ(img.Pixel(0, 0), platform::Rgb(100, 0, 50));
}

TEST(Canvas, OutlineOfWholePixelsIsSharp) {
  Canvas c(8, 6);
  c.ConvexOutline({{1, 1}, {7, 1}, {7, 5}, {1, 5}}, 1, kRed);
  const platform::Image img = c.Picture();
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
      const bool interior = x >= 2 && x < 6 && y >= 2 && y < 4;
      EXPECT_EQ(img.Alpha(x, y), inside && !interior ? 255 : 0) << x << "," << y;
    }
  }
}

TEST(Canvas, LinesHaveRoundEndsOfHalfTheirWidth) {
  Canvas c(12, 5);
  c.Line({2, 2.5}, {10, 2.5}, 2, kRed);
  EXPECT_EQ(InkBounds(c.Picture(), 128), (Rect{1, 1, 11, 4}));
}

TEST(Canvas, SymbolInkFillsItsBoxUpToTheStretchLimit) {
  // The Sun's sign is round: in a tall box it spans the width and, without
  // stretching, as much of the height; with stretching allowed, more.
  Canvas plain(10, 20);
  plain.Symbol(U"\u2609", platform::Typeface::Symbol, {0, 0, 10, 20}, kRed);
  const Rect a = InkBounds(plain.Picture());
  EXPECT_EQ(a.left, 0);
  EXPECT_EQ(a.right, 10);
  EXPECT_EQ(a.Height(), 10);
  EXPECT_EQ(a.top, 5);  // centred

  Canvas stretched(10, 20);
  stretched.Symbol(U"\u2609", platform::Typeface::Symbol, {0, 0, 10, 20}, kRed, {1.5});
  EXPECT_NEAR(InkBounds(stretched.Picture()).Height(), 15, 1);
}

TEST(Canvas, SymbolOnBaselineKeepsTheFacesVerticalPlaces) {
  // Two glyphs of one face at one scale: a capital stands on the baseline,
  // a descender reaches below it.
  Canvas c(20, 20);
  c.SymbolOnBaseline(U"H", platform::Typeface::Symbol, 0, 8, 15, 0.15, kRed);
  c.SymbolOnBaseline(U"p", platform::Typeface::Symbol, 10, 18, 15, 0.15, kRed);
  const platform::Image img = c.Picture();
  const Rect h = InkBounds(img.Crop({0, 0, 9, 20}), 128);
  const Rect p = InkBounds(img.Crop({10, 0, 20, 20}), 128);
  EXPECT_EQ(h.bottom, 15);
  EXPECT_GT(p.bottom, 16);
  EXPECT_EQ(h.left, 0);
  EXPECT_EQ(h.right, 8);
}

TEST(RenderInk, CharactersTheFaceLacksGiveNoInk) {
  EXPECT_GT(RenderInk(U"\u2609", platform::Typeface::Symbol).width, 0);
  // DejaVu Sans has no sextile sign; its missing-character box must not
  // stand in for it.
  EXPECT_EQ(RenderInk(U"\u26B9", platform::Typeface::Symbol).width, 0);
  const InkMask both = RenderInk(U"\u26B9\u2609", platform::Typeface::Symbol);
  const InkMask sun = RenderInk(U"\u2609", platform::Typeface::Symbol);
  EXPECT_EQ(both.width, sun.width);
  EXPECT_EQ(both.ink, sun.ink);
}

TEST(RenderInk, GrowingThickensEverySide) {
  const InkMask plain = RenderInk(U"\u2609", platform::Typeface::Symbol);
  const InkMask grown = RenderInk(U"\u2609", platform::Typeface::Symbol, 2);
  EXPECT_EQ(grown.width, plain.width + 4);
  EXPECT_EQ(grown.height, plain.height + 4);
  EXPECT_EQ(grown.baseline, plain.baseline + 2);
  size_t plainInk = 0, grownInk = 0;
  for (uint8_t v : plain.ink) plainInk += v;
  for (uint8_t v : grown.ink) grownInk += v;
  EXPECT_GT(grownInk, plainInk);
  // Every ink pixel stays ink, two pixels further in.
  for (int y = 0; y < plain.height; ++y) {
    for (int x = 0; x < plain.width; ++x) {
      if (plain.At(x, y)) {
        EXPECT_TRUE(grown.At(x + 2, y + 2));
      }
    }
  }
}

}  // namespace
}  // namespace orrery::glyphs
