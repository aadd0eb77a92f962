// Rendering on surfaces: GDI rules for lines, shapes, text and blits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/platform/draw_context.h"

namespace orrery::platform {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGreen = Rgb(0, 200, 0);

int CountColour(const Surface& s, Colour c, const Rect& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += s.Pixel(x, y) == c;
  return n;
}

// Bounding box of every pixel that is not white.
Rect InkBox(const Surface& s) {
  Rect box{s.Width(), s.Height(), -1, -1};
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Pixel(x, y) != kWhite) box = {std::min(box.left, x), std::min(box.top, y),
                                          std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  return box;
}

TEST(Lines, LeaveOutTheirEndPointInEveryDirection) {
  const struct { Point a, b; } cases[] = {
      {{2, 5}, {10, 5}}, {{10, 5}, {2, 5}}, {{4, 1}, {4, 12}}, {{0, 0}, {5, 5}},
      {{20, 3}, {3, 9}}, {{7, 20}, {9, 1}}, {{5, 5}, {6, 6}}};
  for (const auto& c : cases) {
    Surface s(32, 32);
    DrawContext dc(s);
    dc.Line(c.a.x, c.a.y, c.b.x, c.b.y);
    const int steps = std::max(std::abs(c.b.x - c.a.x), std::abs(c.b.y - c.a.y));
    EXPECT_EQ(CountColour(s, kBlack, s.Bounds()), steps) << c.a.x << "," << c.a.y;
    EXPECT_EQ(s.Pixel(c.a.x, c.a.y), kBlack);
    EXPECT_EQ(s.Pixel(c.b.x, c.b.y), kWhite);
    // Every pixel stays within the segment's box and has a neighbour on the line.
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        if (s.Pixel(x, y) != kBlack) continue;
        EXPECT_GE(x, std::min(c.a.x, c.b.x));
        EXPECT_LE(x, std::max(c.a.x, c.b.x));
        int neighbours = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) neighbours += (dx || dy) && s.Pixel(x + dx, y + dy) == kBlack;
        EXPECT_TRUE(neighbours > 0 || steps == 1);
      }
  }
}

TEST(Lines, ZeroLengthLineAndNullPenDrawNothing) {
  Surface s(8, 8);
  DrawContext dc(s);
  dc.Line(3, 3, 3, 3);
  dc.SelectPen(Pen::Null());
  dc.Line(0, 0, 7, 7);
  EXPECT_EQ(CountColour(s, kWhite, s.Bounds()), 64);
}

TEST(Polylines, ClosedPathDrawsTheWholeBorderOnce) {
  Surface s(16, 16);
  DrawContext dc(s);
  const Point square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}};
  dc.Polyline(square);
  EXPECT_EQ(CountColour(s, kBlack, s.Bounds()), 40);
  EXPECT_EQ(InkBox(s), (Rect{2, 2, 13, 13}));
}

TEST(Polygons, FillPixelCentresInsideAndOutlineTheEdges) {
  Surface s(40, 40);
  DrawContext dc(s);
  dc.SelectPen(Pen::Null());
  dc.SelectBrush({kGreen});
  const Point rect[] = {{2, 2}, {12, 2}, {12, 8}, {2, 8}};
  dc.Polygon(rect);
  EXPECT_EQ(CountColour(s, kGreen, s.Bounds()), 60);  // exactly the area
  EXPECT_EQ(InkBox(s), (Rect{2, 2, 12, 8}));

  Surface t(40, 40);
  DrawContext tc(t);
  tc.SelectPen(Pen::Null());
  tc.SelectBrush({kGreen});
  const Point triangle[] = {{0, 0}, {30, 0}, {0, 30}};
  tc.Polygon(triangle);
  EXPECT_NEAR(CountColour(t, kGreen, t.Bounds()), 450, 16);  // area 450

  // With a pen the vertices and edges are drawn over the fill.
  tc.SelectPen({kRed});
  tc.Polygon(triangle);
  EXPECT_EQ(t.Pixel(0, 0), kRed);
  EXPECT_EQ(t.Pixel(30, 0), kRed);
  EXPECT_EQ(t.Pixel(0, 30), kRed);
  EXPECT_EQ(t.Pixel(5, 5), kGreen);
}

TEST(Polygons, SelfCrossingOutlineUsesTheEvenOddRule) {
  Surface s(64, 64);
  DrawContext dc(s);
  dc.SelectPen(Pen::Null());
  dc.SelectBrush({kGreen});
  // A five-pointed star drawn in one stroke: its centre pentagon is crossed twice.
  const Point star[] = {{32, 2}, {50, 60}, {2, 22}, {62, 22}, {14, 60}};
  dc.Polygon(star);
  EXPECT_EQ(s.Pixel(32, 35), kWhite);
  EXPECT_EQ(s.Pixel(32, 10), kGreen);
}

TEST(Ellipses, TouchEverySideOfTheirRectangleAndStayInside) {
  for (const Rect r : {Rect{10, 20, 50, 44}, Rect{3, 3, 4, 4}, Rect{5, 5, 7, 12}, Rect{0, 0, 63, 63},
                       Rect{-10, -4, 20, 30}}) {
    Surface s(64, 64);
    DrawContext dc(s);
    dc.SelectBrush({kGreen});
    dc.Ellipse(r);
    EXPECT_EQ(InkBox(s), r.Intersect(s.Bounds())) << r.left << "," << r.top;
  }
}

TEST(Ellipses, AreSymmetricFilledAndClosed) {
  Surface s(64, 64);
  DrawContext dc(s);
  dc.SelectBrush({kGreen});
  const Rect r{4, 8, 57, 40};
  dc.Ellipse(r);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      EXPECT_EQ(s.Pixel(x, y), s.Pixel(r.left + r.right - 1 - x, y));
      EXPECT_EQ(s.Pixel(x, y), s.Pixel(x, r.top + r.bottom - 1 - y));
    }
  EXPECT_EQ(s.Pixel(30, 24), kGreen);
  EXPECT_EQ(s.Pixel(r.left, r.top), kWhite);
  // Closed: no path of non-black pixels leads from the centre to outside. A
  // 4-connected flood fill from the centre stays inside the rectangle.
  std::vector<Point> todo{{30, 24}};
  std::vector<bool> seen(64 * 64);
  while (!todo.empty()) {
    const Point p = todo.back();
    todo.pop_back();
    if (!s.Bounds().Contains(p) || seen[p.y * 64 + p.x] || s.Pixel(p.x, p.y) == kBlack) continue;
    seen[p.y * 64 + p.x] = true;
    ASSERT_TRUE(r.Contains(p));
    todo.insert(todo.end(), {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}});
  }
  // The grey central circle of the wheel: radius-40 ellipse has the width 80.
  Surface w(100, 100);
  DrawContext wc(w);
  wc.SelectBrush(Brush::Null());
  wc.Ellipse({10, 10, 90, 90});
  EXPECT_EQ(w.Pixel(50, 50), kWhite);
  EXPECT_EQ(InkBox(w), (Rect{10, 10, 90, 90}));
}

TEST(Rectangles, PenOnTheOuterPixelsBrushInside) {
  Surface s(20, 20);
  DrawContext dc(s);
  dc.SelectPen({kRed});
  dc.SelectBrush({kGreen});
  dc.Rectangle({2, 3, 12, 9});
  EXPECT_EQ(InkBox(s), (Rect{2, 3, 12, 9}));
  EXPECT_EQ(CountColour(s, kRed, s.Bounds()), 2 * 10 + 2 * 4);
  EXPECT_EQ(CountColour(s, kGreen, s.Bounds()), 8 * 4);
}

TEST(Drawing, ClipAndOriginConfineEveryOperation) {
  Surface s(50, 50);
  DrawContext dc(s, {10, 10}, {12, 12, 30, 30});
  EXPECT_EQ(dc.ClipRect(), (Rect{2, 2, 20, 20}));
  dc.SelectBrush({kGreen});
  dc.FillRect({-100, -100, 100, 100}, kRed);
  dc.Ellipse({0, 0, 40, 40});
  dc.Line(-5, 5, 60, 5);
  dc.TextOut(0, 0, u"Clipped text");
  EXPECT_EQ(InkBox(s), (Rect{12, 12, 30, 30}));
  dc.SetPixel(5, 5, kBlack);
  EXPECT_EQ(s.Pixel(15, 15), kBlack);
}

TEST(Text, ExtentGrowsWithTheTextAndMatchesFitCount) {
  const Font font = Font::FromPoints(Typeface::Tahoma, 11);
  const std::u16string text = u"Total Solar Eclipse 1999 – Mäßig °'";
  std::vector<int> extents;
  EXPECT_EQ(font.FitCount(text, 100000, &extents), int(text.size()));
  int previous = 0;
  for (size_t n = 1; n <= text.size(); ++n) {
    const int w = font.Extent(std::u16string_view(text).substr(0, n)).width;
    EXPECT_GE(w, previous);
    EXPECT_EQ(extents[n - 1], w);
    // Exactly n characters fit in their own width; one pixel less fits fewer.
    EXPECT_GE(font.FitCount(text, w), int(n));
    if (w > previous) {
      EXPECT_LT(font.FitCount(text, w - 1), int(n));
    }
    previous = w;
  }
  EXPECT_EQ(font.FitCount(text, 0), 0);
  EXPECT_EQ(font.FitCount(text, -5), 0);
  EXPECT_EQ(font.Extent(u"").width, 0);
  EXPECT_EQ(font.Extent(u"").height, font.Height());
}

TEST(Text, InkStaysInTheMeasuredCell) {
  for (Typeface face : {Typeface::Tahoma, Typeface::TahomaBold, Typeface::System}) {
    for (int points : {8, 9, 10, 11, 14}) {
      Surface s(300, 60);
      DrawContext dc(s);
      dc.SelectFont(Font::FromPoints(face, points));
      const std::u16string text = u"Hgjy Planets 29°59' ÄÖÜ";
      dc.TextOut(10, 10, text);
      const Size size = dc.TextExtent(text);
      const Rect ink = InkBox(s);
      EXPECT_GE(ink.left, 10 - 1);
      EXPECT_LE(ink.right, 10 + size.width + 1);
      EXPECT_GE(ink.top, 10);
      EXPECT_LE(ink.bottom, 10 + size.height) << int(face) << " " << points;
      EXPECT_GT(ink.Width(), size.width * 3 / 4);
    }
  }
}

TEST(Text, PlacementInARectangle) {
  const std::u16string text = u"House cusps";
  Surface s(200, 60);
  DrawContext dc(s);
  dc.SelectFont(Font::FromPoints(Typeface::Tahoma, 11));
  const Size size = dc.TextExtent(text);
  dc.DrawText(text, {0, 0, 150, 40}, kAlignRight | kAlignBottom);
  const Rect ink = InkBox(s);
  EXPECT_LE(ink.right, 150);
  EXPECT_GE(ink.right, 148);
  EXPECT_LE(ink.bottom, 40);
  EXPECT_GE(ink.bottom, 40 - dc.CurrentFont().Descent() - 1);

  // Centred text has (nearly) equal room on both sides.
  Surface c(200, 60);
  DrawContext cc(c);
  cc.SelectFont(Font::FromPoints(Typeface::Tahoma, 11));
  cc.DrawText(text, {20, 0, 180, 60}, kAlignCentre | kAlignMiddle);
  const Rect mid = InkBox(c);
  EXPECT_NEAR(mid.left - 20, 180 - mid.right, 3);
  EXPECT_NEAR(mid.top, 60 - mid.bottom, size.height / 2);
}

TEST(Text, OpaqueModeFillsTheCellTransparentModeDoesNot) {
  Surface s(120, 30, kGreen);
  DrawContext dc(s);
  dc.SetBackColour(kWhite);
  dc.SetTextColour(kRed);
  const Size size = dc.TextExtent(u"Aspects");
  dc.TextOut(5, 5, u"Aspects");
  EXPECT_EQ(CountColour(s, kGreen, Rect::At(5, 5, size.width, size.height)), 0);
  EXPECT_GT(CountColour(s, kRed, Rect::At(5, 5, size.width, size.height)), 0);
  EXPECT_EQ(CountColour(s, kGreen, s.Bounds()), 120 * 30 - size.width * size.height);

  Surface t(120, 30, kGreen);
  DrawContext tc(t);
  tc.SetBackMode(BackMode::Transparent);
  tc.SetTextColour(kRed);
  tc.TextOut(5, 5, u"Aspects");
  EXPECT_EQ(CountColour(t, kWhite, t.Bounds()), 0);
  EXPECT_EQ(CountColour(t, kRed, t.Bounds()), CountColour(s, kRed, s.Bounds()));
}

TEST(Images, AlphaDecidesWhatCoversTheBackground) {
  Image icon(3, 1);
  icon.SetPixel(0, 0, kRed, 255);
  icon.SetPixel(1, 0, kRed, 0);
  icon.SetPixel(2, 0, kRed, 128);
  Surface s(10, 10, kGreen);
  DrawContext dc(s);
  dc.DrawImage(icon, 4, 4);
  EXPECT_EQ(s.Pixel(4, 4), kRed);
  EXPECT_EQ(s.Pixel(5, 4), kGreen);
  EXPECT_EQ(s.Pixel(6, 4), Rgb(128, 100, 0));  // (255*128 + 0) / 255, (0 + 200*127) / 255
  // Bitmaps with a mask colour: that colour becomes transparent.
  Surface strip(4, 2, Rgb(255, 0, 255));
  strip.SetPixel(1, 1, kBlack);
  const Image masked = Image::FromSurface(strip, Rgb(255, 0, 255));
  dc.DrawImage(masked, 0, 0);
  EXPECT_EQ(s.Pixel(0, 0), kGreen);
  EXPECT_EQ(s.Pixel(1, 1), kBlack);
  EXPECT_EQ(masked.Crop({1, 1, 3, 2}).Alpha(0, 0), 255);
  EXPECT_EQ(masked.Crop({1, 1, 3, 2}).Width(), 2);
}

TEST(BlockCopies, ClipToBothSurfacesAndHandleOverlap) {
  Surface src(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) src.SetPixel(x, y, Rgb(x, y, 7));
  Surface dst(10, 10, kBlack);
  DrawContext dc(dst);
  dc.CopyFrom(src, {15, 15, 25, 25}, {-2, 3});  // source and destination both run over
  EXPECT_EQ(dst.Pixel(0, 3), Rgb(17, 15, 7));
  EXPECT_EQ(dst.Pixel(2, 7), Rgb(19, 19, 7));
  EXPECT_EQ(dst.Pixel(3, 3), kBlack);
  EXPECT_EQ(dst.Pixel(0, 2), kBlack);

  // Scrolling a buffer down by one row within itself.
  Surface self = src;
  self.CopyFrom(self, {0, 0, 20, 19}, {0, 1}, self.Bounds());
  for (int y = 1; y < 20; ++y) EXPECT_EQ(self.Pixel(4, y), Rgb(4, y - 1, 7));
}

}  // namespace
}  // namespace orrery::platform
