// Aspect glyphs, drawn as lines in the aspect's colour so that they stay
// sharp from the 13 x 12 tool-bar pictures up. Quintile and Biquintile are
// the letters Q and bQ; Tao is the yin-yang sign of DejaVu Sans.
#include <algorithm>
#include <cmath>

#include "chart/aspects.h"
#include "shell/glyphs/art.h"

namespace orrery::glyphs {

namespace {

Colour AspectColour(int aspect) { return Colour::FromRedLow(aspectInfo[aspect].colour); }

// The largest square of the box, centred.
Box CentredSquare(const Box& b) {
  const double side = std::min(b.Width(), b.Height());
  const Pt m = b.Centre();
  return {m.x - side / 2, m.y - side / 2, m.x + side / 2, m.y + side / 2};
}

// A circle touching the given box, its line inside it.
void Circle(Canvas& c, const Box& b, double stroke, Colour col) {
  c.Ring(b.Centre(), b.Width() / 2 - stroke / 2, stroke, col);
}

// A circle with a stroke rising to the right from its upper right.
void ConjunctionArt(Canvas& c, const Box& b, double s, Colour col) {
  const double d = 0.7 * b.Width();
  const Box ring{b.left, b.bottom - d, b.left + d, b.bottom};
  Circle(c, ring, s, col);
  const Pt m = ring.Centre();
  const double r = d / 2 - s / 2;
  c.Line({m.x + r * 0.7071, m.y - r * 0.7071}, {b.right - s / 2, b.top + s / 2}, s, col);
}

// Two circles, lower left and upper right, joined by a stroke.
void OppositionArt(Canvas& c, const Box& b, double s, Colour col) {
  const double d = 0.46 * b.Width();
  const Box first{b.left, b.bottom - d, b.left + d, b.bottom};
  const Box second{b.right - d, b.top, b.right, b.top + d};
  Circle(c, first, s, col);
  Circle(c, second, s, col);
  const double r = d / 2 - s / 2;
  const Pt a = first.Centre(), z = second.Centre();
  c.Line({a.x + r * 0.7071, a.y - r * 0.7071}, {z.x - r * 0.7071, z.y + r * 0.7071}, s, col);
}

void SquareArt(Canvas& c, const Box& b, double s, Colour col) {
  const Box q = CentredSquare(b);
  c.ConvexOutline({{q.left, q.top}, {q.right, q.top}, {q.right, q.bottom}, {q.left, q.bottom}}, s,
                  col);
}

void TrineArt(Canvas& c, const Box& b, double s, Colour col) {
  const double h = std::min(b.Height(), b.Width() * 0.92);
  const double top = b.Centre().y - h / 2;
  c.ConvexOutline({{b.Centre().x, top}, {b.right, top + h}, {b.left, top + h}}, s, col);
}

void SextileArt(Canvas& c, const Box& b, double s, Colour col) {
  const Pt m = b.Centre();
  const double r = std::min(b.Width(), b.Height()) / 2 - s / 2;
  for (double degrees : {90.0, 30.0, 150.0}) {
    const double a = degrees * 3.14159265358979 / 180;
    c.Line({m.x - r * std::cos(a), m.y - r * std::sin(a)},
           {m.x + r * std::cos(a), m.y + r * std::sin(a)}, s, col);
  }
}

// A V (or, upside down, a caret) over (under) a bar.
void VAndBarArt(Canvas& c, const Box& b, double s, Colour col, bool upsideDown) {
  const Box q = b.Inset(s / 2);
  const double bar = upsideDown ? q.top : q.bottom;
  const double tips = upsideDown ? q.bottom : q.top;
  const double point = upsideDown ? q.top + 0.3 * q.Height() : q.bottom - 0.3 * q.Height();
  c.Line({q.left, bar}, {q.right, bar}, s, col);
  c.Polyline({{q.left, tips}, {q.Centre().x, point}, {q.right, tips}}, s, col);
}

void SemisquareArt(Canvas& c, const Box& b, double s, Colour col) {
  const Box q = CentredSquare(b).Inset(s / 2);
  c.Polyline({{q.right, q.top}, {q.left, q.bottom}, {q.right, q.bottom}}, s, col);
}

// A square with half a square (a 45-degree stroke) on its corner.
void SesquiquadrateArt(Canvas& c, const Box& b, double s, Colour col) {
  const Box q = CentredSquare(b);
  const double side = 0.64 * q.Width();
  const Box sq{q.left, q.bottom - side, q.left + side, q.bottom};
  c.ConvexOutline({{sq.left, sq.top}, {sq.right, sq.top}, {sq.right, sq.bottom}, {sq.left, sq.bottom}},
                  s, col);
  c.Line({sq.right - s / 2, sq.top + s / 2}, {q.right - s / 2, q.top + s / 2}, s, col);
}

}  // namespace

void DrawAspect(Canvas& c, int aspect, const Box& box, double stroke) {
  if (aspect < 1 || aspect > 12) return;
  const Colour col = AspectColour(aspect);
  switch (aspect) {
    case Conjunction: return ConjunctionArt(c, CentredSquare(box), stroke, col);
    case Opposition: return OppositionArt(c, CentredSquare(box), stroke, col);
    case Square: return SquareArt(c, box, stroke, col);
    case Trine: return TrineArt(c, box, stroke, col);
    case Sextile: return SextileArt(c, box, stroke, col);
    case SemiSextile: return VAndBarArt(c, CentredSquare(box), stroke, col, false);
    case Quincunx: return VAndBarArt(c, CentredSquare(box), stroke, col, true);
    case SemiSquare: return SemisquareArt(c, box, stroke, col);
    case SesquiSquare: return SesquiquadrateArt(c, box, stroke, col);
    case Quintile:
      return c.Symbol(U"Q", platform::Typeface::TahomaBold, box, col, {1.1, 0.3});
    case Biquintile:
      return c.Symbol(U"bQ", platform::Typeface::TahomaBold, box, col, {1.1, 0.3});
    case Tao: return c.Symbol(U"\u262F", platform::Typeface::Symbol, CentredSquare(box), col);
  }
}

}  // namespace orrery::glyphs
