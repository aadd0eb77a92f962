// The drawing context: GDI-like drawing on a Surface with a selected font,
// pen, brush, text colour and background mode.
//
// Coordinates are relative to the context's origin (a window's top-left
// corner when painting a window, the surface's corner for an off-screen
// buffer). Everything is clipped to the context's clip rectangle; nothing
// else clips (text is not clipped to its layout rectangle).
//
// Rules follow GDI with a one-pixel pen:
// - Line and Polyline leave out the final point of each line.
// - Polygon fills the pixels whose centres lie inside (even-odd rule) with
//   the brush, then outlines every edge, closing point included, with the pen.
// - Rectangle and Ellipse stay inside [left, right) x [top, bottom): the pen
//   draws the outermost pixels, the brush the rest; an ellipse touches all
//   four sides of its rectangle.
// - A null pen or brush draws nothing of that part.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "shell/platform/font.h"
#include "shell/platform/geometry.h"
#include "shell/platform/surface.h"

namespace orrery::platform {

struct Pen {
  Colour colour = kBlack;
  bool visible = true;
  static constexpr Pen Null() { return {kBlack, false}; }
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Colour colour = kWhite;
  bool visible = true;
  static constexpr Brush Null() { return {kWhite, false}; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

// Opaque text fills each text's line cell with the back colour first.
enum class BackMode { Transparent, Opaque };

// Text placement in a rectangle (DrawText with DT_SINGLELINE | DT_NOCLIP):
// one horizontal flag or'ed with one vertical flag.
enum TextAlign : unsigned {
  kAlignLeft = 0,
  kAlignCentre = 1,
  kAlignRight = 2,
  kAlignTop = 0,
  kAlignMiddle = 4,
  kAlignBottom = 8,
};

class DrawContext {
 public:
  // The whole surface, origin at its top-left corner.
  explicit DrawContext(Surface& target);
  // origin: where this context's (0, 0) lies on the surface; clip: surface
  // coordinates.
  DrawContext(Surface& target, Point origin, const Rect& clip);

  Surface& Target() { return *target_; }
  Point Origin() const { return origin_; }
  // The clip rectangle in this context's coordinates.
  Rect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }

  // A copy of this context (selections included) whose clip is also
  // limited to r (this context's coordinates).
  DrawContext Clipped(const Rect& r) const;

  // Selection: each returns the previous value, for restoring it.
  Font SelectFont(const Font& f);
  Pen SelectPen(const Pen& p);
  Brush SelectBrush(const Brush& b);
  Colour SetTextColour(Colour c);
  Colour SetBackColour(Colour c);
  BackMode SetBackMode(BackMode m);
  const Font& CurrentFont() const { return font_; }
  const Pen& CurrentPen() const { return pen_; }
  const Brush& CurrentBrush() const { return brush_; }
  Colour TextColour() const { return textColour_; }

  // Pixels and shapes.
  void SetPixel(int x, int y, Colour c);
  Colour GetPixel(int x, int y) const;
  void Line(int x0, int y0, int x1, int y1);
  void Polyline(std::span<const Point> points);
  void Polygon(std::span<const Point> points);
  void Rectangle(const Rect& r);
  void Ellipse(const Rect& r);
  void FillRect(const Rect& r, Colour c);

  // Text, one line. TextOut puts the line cell's top-left corner at (x, y);
  // DrawText places the text in r by the TextAlign flags.
  void TextOut(int x, int y, std::u16string_view text);
  void DrawText(std::u16string_view text, const Rect& r, unsigned align);
  Size TextExtent(std::u16string_view text) const { return font_.Extent(text); }
  int FitCount(std::u16string_view text, int maxWidth, std::vector<int>* extents = nullptr) const {
    return font_.FitCount(text, maxWidth, extents);
  }

  // Icons and bitmaps: the image's top-left corner at (x, y), blended by its
  // alpha, so transparent pixels leave the background.
  void DrawImage(const Image& image, int x, int y);
  // Block copy (BitBlt): the srcRect block of src to dest.
  void CopyFrom(const Surface& src, const Rect& srcRect, Point dest);

 private:
  void Plot(int x, int y, Colour c);
  void Span(int y, int x0, int x1, Colour c);  // [x0, x1) in context coordinates
  void PenLine(int x0, int y0, int x1, int y1, bool includeEnd);

  Surface* target_;
  Point origin_;
  Rect clip_;  // surface coordinates
  Font font_;
  Pen pen_;
  Brush brush_;
  Colour textColour_ = kBlack;
  Colour backColour_ = kWhite;
  BackMode backMode_ = BackMode::Opaque;
};

}  // namespace orrery::platform
