// The drawing surface of the program's artwork.
//
// A Canvas is kFine times finer than the picture it makes. Shapes are given
// in picture pixels as doubles (pixel (x, y) covers [x, x + 1) x [y, y + 1));
// every fine sample whose centre lies inside a shape takes the shape's colour,
// later shapes over earlier ones. Picture() averages each kFine x kFine block:
// the share of painted samples is the pixel's opacity, their mean colour its
// colour. Everything is plain arithmetic on the samples, so the same drawing
// always gives the same pixels.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "shell/platform/font.h"
#include "shell/platform/surface.h"

namespace orrery::glyphs {

using platform::Colour;

struct Pt {
  double x = 0;
  double y = 0;
};

// An area in picture pixels: [left, right) x [top, bottom).
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  Pt Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
  Box Inset(double d) const { return {left + d, top + d, right - d, bottom - d}; }
  // The point at fractions (fx, fy) of the box.
  Pt At(double fx, double fy) const { return {left + fx * Width(), top + fy * Height()}; }
};

// Symbols are rendered from their face at this pixel size, then fitted.
inline constexpr int kSourceEm = 96;

// Ink of a text at kSourceEm, cut to its bounds.
struct InkMask {
  int width = 0;
  int height = 0;
  int baseline = 0;  // row of the baseline, counted from the mask's top
  std::vector<uint8_t> ink;  // 1 where ink
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && ink[size_t(y) * width + x] != 0;
  }
};

// The text's ink (characters side by side at their advances), thickened by
// `grow` mask pixels on every side. A character the face lacks adds no ink
// (not the face's missing-character box); a text without ink gives an
// empty mask.
InkMask RenderInk(std::u32string_view text, platform::Typeface face, int grow = 0);

// How a symbol's ink is fitted into its box: scaled alike in both directions
// until it touches two opposite sides, then stretched along the other
// direction by at most maxStretch, and centred.
struct Fit {
  double maxStretch = 1.0;
  double bold = 0.0;  // extra stroke width in picture pixels
};

class Canvas {
 public:
  static constexpr int kFine = 8;

  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  void FillBox(const Box& b, Colour c);
  void Disc(Pt centre, double radius, Colour c);
  void Ellipse(const Box& b, Colour c);
  // The ellipse's outline, the stroke inside the box.
  void EllipseOutline(const Box& b, double stroke, Colour c);
  // A circle line whose stroke is centred on the radius.
  void Ring(Pt centre, double radius, double stroke, Colour c);
  // Part of a ring from angle a0 to a1 (degrees, clockwise from 3 o'clock,
  // y growing downward), with flat ends.
  void Arc(Pt centre, double radius, double stroke, double a0, double a1, Colour c);
  // A straight stroke with round ends.
  void Line(Pt a, Pt b, double width, Colour c);
  void Polyline(std::initializer_list<Pt> points, double width, Colour c);
  // Filled by the even-odd rule, so an inner contour cuts a hole.
  void Polygon(std::initializer_list<std::initializer_list<Pt>> contours, Colour c);
  // The outline of a convex polygon, the stroke inside the contour, with
  // sharp corners.
  void ConvexOutline(std::initializer_list<Pt> contour, double stroke, Colour c);

  // Text of the given face, its ink fitted into the box.
  void Symbol(std::u32string_view text, platform::Typeface face, const Box& box, Colour c,
              Fit fit = {});
  // Text of the given face standing on a baseline, `scale` picture pixels
  // high per pixel of the kSourceEm rendering, its ink spanning left..right.
  void SymbolOnBaseline(std::u32string_view text, platform::Typeface face, double left,
                        double right, double baseline, double scale, Colour c,
                        double bold = 0.0);

  platform::Image Picture() const;

 private:
  template <class Inside>
  void Paint(const Box& bounds, uint32_t value, Inside inside);
  void PaintMask(const InkMask& mask, const Box& dest, uint32_t value);

  int width_;
  int height_;
  std::vector<uint32_t> samples_;  // 0 transparent, else 0xFF000000 | RGB
};

}  // namespace orrery::glyphs
