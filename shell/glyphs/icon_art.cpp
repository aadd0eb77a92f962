// The program's other pictures: axis marks, retrograde mark, sex signs,
// section heading decorations and icons, element and quadrant signs, chart
// kind marks, the caution sign and the program's own icons.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "shell/glyphs/art.h"

namespace orrery::glyphs {

namespace {

using platform::Rgb;
using platform::Typeface;

constexpr Colour kInk = platform::kBlack;
constexpr Colour kWhite = platform::kWhite;
constexpr Colour kRule = Rgb(150, 150, 150);  // the section headings' grey lines
constexpr Colour kOutline = Rgb(64, 64, 64);
constexpr Colour kBlue = Rgb(111, 111, 255);  // the shell's blue brush
constexpr Colour kGold = Rgb(255, 196, 0);
constexpr Colour kGoldEdge = Rgb(176, 112, 0);
constexpr Colour kDeepBlue = Rgb(16, 52, 148);

// The element colours of the wheel's sign ring, with a darker edge each, in
// the order Fire, Earth, Water, Air.
constexpr Colour kElementFill[4] = {Rgb(255, 111, 111), Rgb(111, 255, 111), Rgb(111, 111, 255),
                                    Rgb(255, 255, 128)};
constexpr Colour kElementEdge[4] = {Rgb(192, 0, 0), Rgb(0, 128, 0), Rgb(0, 0, 192),
                                    Rgb(160, 144, 0)};

// Pixel art: one string per row, '#' for an ink pixel.
void PixelRows(Canvas& c, std::initializer_list<const char*> rows, Colour col) {
  double y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x]; ++x) {
      if (row[x] == '#') c.FillBox({double(x), y, x + 1.0, y + 1}, col);
    }
    ++y;
  }
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

Pt Polar(Pt centre, double radius, double degrees) {
  return {centre.x + radius * std::cos(Radians(degrees)),
          centre.y + radius * std::sin(Radians(degrees))};
}

// The end of a section heading's rule: an arc around the heading's glyph
// (centred at glyphX, y 9.5 in the picture) that turns into the rule on row
// 14, which runs on to the picture's edge on the rule's side.
void HeadingEnd(Canvas& c, double glyphX, bool ruleToRight) {
  const Pt centre{glyphX, 9.5};
  const double radius = 9;
  const double meet = std::asin((14.5 - centre.y) / radius) * 180 / std::numbers::pi;
  if (ruleToRight) {
    c.Arc(centre, radius, 1, -70, meet, kRule);
    c.Line(Polar(centre, radius, meet), {double(c.Width()), 14.5}, 1, kRule);
  } else {
    c.Arc(centre, radius, 1, 180 - meet, 250, kRule);
    c.Line({0, 14.5}, Polar(centre, radius, 180 - meet), 1, kRule);
  }
}

void RoundedOutline(Canvas& c, const Box& b, double radius, double stroke, Colour col) {
  const double h = stroke / 2, r = radius - h;
  const Box m = b.Inset(h);  // the stroke's middle line
  c.Line({m.left + r, m.top}, {m.right - r, m.top}, stroke, col);
  c.Line({m.left + r, m.bottom}, {m.right - r, m.bottom}, stroke, col);
  c.Line({m.left, m.top + r}, {m.left, m.bottom - r}, stroke, col);
  c.Line({m.right, m.top + r}, {m.right, m.bottom - r}, stroke, col);
  c.Arc({m.left + r, m.top + r}, r, stroke, 180, 270, col);
  c.Arc({m.right - r, m.top + r}, r, stroke, 270, 360, col);
  c.Arc({m.right - r, m.bottom - r}, r, stroke, 0, 90, col);
  c.Arc({m.left + r, m.bottom - r}, r, stroke, 90, 180, col);
}

// A triangle pointing up (or down) filling the box's width.
void Triangle(Canvas& c, const Box& b, bool up, Colour fill, Colour edge, double stroke) {
  const double apex = up ? b.top : b.bottom, base = up ? b.bottom : b.top;
  c.Polygon({{{b.Centre().x, apex}, {b.right, base}, {b.left, base}}}, fill);
  c.ConvexOutline({{b.Centre().x, apex}, {b.right, base}, {b.left, base}}, stroke, edge);
}

}  // namespace

void DrawAscendantMark(Canvas& c) {
  PixelRows(c,
            {"..###..",
             ".##.##.",
             "##...##",
             "#######",
             "##...##",
             "##...##",
             ".......",
             ".#####.",
             "##...##",
             "##.....",
             "##.....",
             "##...##",
             ".#####."},
            kInk);
}

void DrawMidheavenMark(Canvas& c) {
  PixelRows(c,
            {"##...##..####.",
             "###.###.##..##",
             "##.#.##.##....",
             "##.#.##.##....",
             "##...##.##....",
             "##...##.##..##",
             "##...##..####."},
            kInk);
}

void DrawRetrogradeMark(Canvas& c) {
  PixelRows(c,
            {"###.",
             "#..#",
             "#..#",
             "###.",
             "#.#.",
             "#..#",
             "#..#"},
            kInk);
}

void DrawSexNeutral(Canvas& c, const Box& box) {
  c.Symbol(U"\u26B2", Typeface::Symbol, box, kOutline, {1.2, 0.4});
}

void DrawSexMale(Canvas& c, const Box& box) {
  c.Symbol(U"\u2642", Typeface::Symbol, box, Rgb(0, 64, 208), {1.3, 0.4});
}

void DrawSexFemale(Canvas& c, const Box& box) {
  c.Symbol(U"\u2640", Typeface::Symbol, box, Rgb(208, 0, 64), {1.2, 0.4});
}

void DrawClock(Canvas& c, const Box& box) {
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  c.Disc(m, r, kWhite);
  c.Ring(m, r - 0.75, 1.5, kDeepBlue);
  for (int hour = 0; hour < 12; hour += 3) c.Disc(Polar(m, r - 2.6, hour * 30.0), 0.7, kOutline);
  c.Line(m, Polar(m, r - 3.5, -90), 1.3, kInk);   // minute hand on the hour
  c.Line(m, Polar(m, r - 5, -30), 1.5, kInk);     // hour hand at two
  c.Disc(m, 1.1, Rgb(208, 0, 0));
}

void DrawNatalMark(Canvas& c, const Box& box) {
  // A five-pointed star: the birth.
  const Pt m{box.Centre().x, box.top + box.Height() * 0.54};
  const double outer = box.Width() * 0.52, inner = outer * 0.42;
  Pt p[10];
  for (int k = 0; k < 10; ++k) p[k] = Polar(m, k % 2 ? inner : outer, -90 + 36.0 * k);
  c.Polygon({{p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9]}}, kGoldEdge);
  Pt q[10];
  for (int k = 0; k < 10; ++k) q[k] = Polar(m, (k % 2 ? inner : outer) - 1.4, -90 + 36.0 * k);
  c.Polygon({{q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7], q[8], q[9]}}, kGold);
}

// Heading glyphs stand 16 x 16 at (x - 20, y - 1) beside the left end at
// (x - 10, y - 3), and at (x + width - 2, y - 1) beside the right end at
// (x + width - 8, y - 3): their centres lie at x -2 and 14 of the ends.
void DrawHeadingLeftEnd(Canvas& c) { HeadingEnd(c, -2, true); }
void DrawHeadingRightEnd(Canvas& c) { HeadingEnd(c, 14, false); }

void DrawHeadingFrame(Canvas& c) {
  // The glyph stands at x 5..20, y 2..17; the rules meet the frame on row 9.
  RoundedOutline(c, {2, 0, 23, 19}, 3, 1, kRule);
  c.FillBox({0, 9, 2.5, 10}, kRule);
  c.FillBox({22.5, 9, 25, 10}, kRule);
}

void DrawBirthDataIcon(Canvas& c, const Box& box) {
  // A calendar leaf.
  const Box page{box.left + 1, box.top + 2, box.right - 1, box.bottom - 0.5};
  c.FillBox(page, kWhite);
  c.FillBox({page.left, page.top, page.right, page.top + 4}, Rgb(216, 40, 40));
  c.ConvexOutline({{page.left, page.top}, {page.right, page.top}, {page.right, page.bottom},
                   {page.left, page.bottom}},
                  1, kOutline);
  for (double x : {page.left + 3, page.right - 4}) {
    c.FillBox({x, box.top, x + 1.5, box.top + 4}, kOutline);
  }
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 3; ++col) {
      const double x = page.left + 2.5 + col * 3.5, y = page.top + 6 + row * 3.5;
      c.FillBox({x, y, x + 2, y + 2}, row == 1 && col == 1 ? Rgb(216, 40, 40) : kDeepBlue);
    }
  }
}

void DrawPlaceIcon(Canvas& c, const Box& box) {
  // A globe with its grid.
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  c.Disc(m, r, Rgb(96, 160, 232));
  const Colour grid = Rgb(224, 240, 255);
  c.EllipseOutline({m.x - r * 0.45, m.y - r, m.x + r * 0.45, m.y + r}, 1, grid);
  c.Line({m.x, m.y - r}, {m.x, m.y + r}, 1, grid);
  c.Line({m.x - r, m.y}, {m.x + r, m.y}, 1, grid);
  c.Ring(m, r - 0.6, 1.2, kDeepBlue);
}

void DrawPositionCorrectionIcon(Canvas& c, const Box& box) {
  // A compass with its needle.
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  c.Disc(m, r, kWhite);
  c.Ring(m, r - 0.6, 1.2, kOutline);
  const double needle = r - 2.2, waist = 2.1;
  const Pt north = Polar(m, needle, -60), south = Polar(m, needle, 120);
  const Pt left = Polar(m, waist, 30), right = Polar(m, waist, 210);
  c.Polygon({{north, left, right}}, Rgb(216, 0, 0));
  c.Polygon({{south, left, right}}, Rgb(96, 96, 96));
  c.Disc(m, 0.9, kWhite);
}

void DrawFactorsIcon(Canvas& c, const Box& box) {
  // The four elements as quarters of a disc.
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  const int order[4] = {0, 3, 1, 2};  // Fire, Air, Earth, Water clockwise from the top left
  for (int k = 0; k < 4; ++k) {
    const double a0 = 180 + 90.0 * k;
    Pt pts[8];
    pts[0] = m;
    for (int i = 0; i <= 6; ++i) pts[i + 1] = Polar(m, r, a0 + 15.0 * i);
    c.Polygon({{pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7]}},
              kElementFill[order[k]]);
  }
  c.Line({m.x - r, m.y}, {m.x + r, m.y}, 1, kOutline);
  c.Line({m.x, m.y - r}, {m.x, m.y + r}, 1, kOutline);
  c.Ring(m, r - 0.6, 1.2, kOutline);
}

void DrawAspectsIcon(Canvas& c, const Box& box) {
  // A chart's centre with a trine (blue) and an opposition (red).
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  c.Ring(m, r - 0.6, 1.2, kOutline);
  const double inner = r - 2;
  const Pt a = Polar(m, inner, -90), b = Polar(m, inner, 30), d = Polar(m, inner, 150);
  c.Polyline({a, b, d, a}, 1.2, Rgb(0, 0, 255));
  c.Line(Polar(m, inner, -30), Polar(m, inner, 150), 1.2, Rgb(255, 0, 0));
}

void DrawElement(Canvas& c, int element, const Box& box) {
  if (element < 0 || element > 3) return;
  // Alchemy's signs: fire and air point up, water and earth down; air and
  // earth are crossed by a bar.
  const bool up = element == 0 || element == 3;
  Triangle(c, box, up, kElementFill[element], kElementEdge[element], 1.2);
  if (element == 1 || element == 3) {
    const double y = box.top + box.Height() * (up ? 0.62 : 0.38);
    c.Line({box.left + 2, y}, {box.right - 2, y}, 1.2, kElementEdge[element]);
  }
}

void DrawQuadrant(Canvas& c, int quadrant, const Box& box) {
  if (quadrant < 1 || quadrant > 4) return;
  // The chart's quarters with the Ascendant on the left: houses 1-3 below
  // the horizon on the left, 4-6 below on the right, 7-9 above on the
  // right, 10-12 above on the left (screen angles 90..180, 0..90, 270..360,
  // 180..270).
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  const double start[5] = {0, 90, 0, 270, 180};
  c.Disc(m, r, kWhite);
  Pt pts[8];
  pts[0] = m;
  for (int i = 0; i <= 6; ++i) pts[i + 1] = Polar(m, r, start[quadrant] + 15.0 * i);
  c.Polygon({{pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7]}}, kBlue);
  c.Line({m.x - r, m.y}, {m.x + r, m.y}, 1, kOutline);
  c.Line({m.x, m.y - r}, {m.x, m.y + r}, 1, kOutline);
  c.Ring(m, r - 0.6, 1.2, kOutline);
}

void DrawCaution(Canvas& c, const Box& box) {
  const Box t{box.left + 0.5, box.top + 1.5, box.right - 0.5, box.bottom - 1.5};
  Triangle(c, t, true, Rgb(255, 214, 0), Rgb(96, 72, 0), 2);
  const double x = t.Centre().x;
  c.Line({x, t.top + t.Height() * 0.36}, {x, t.top + t.Height() * 0.7}, 3.2, kInk);
  c.Disc({x, t.top + t.Height() * 0.84}, 1.9, kInk);
}

void DrawProgramIcon(Canvas& c, const Box& box) {
  // A chart wheel: the twelve signs in their element colours round a sun.
  const Pt m = box.Centre();
  const double r = std::min(box.Width(), box.Height()) / 2;
  const double ring = r * 0.62;
  c.Disc(m, r, kWhite);
  const int elementOfSign[4] = {0, 1, 3, 2};  // Aries fire, Taurus earth, Gemini air, Cancer water
  for (int sign = 0; sign < 12; ++sign) {
    const double a0 = 180 - 30.0 * sign;  // Aries rising on the left, counter-clockwise
    Pt pts[10];
    for (int i = 0; i <= 4; ++i) pts[i] = Polar(m, r, a0 - 7.5 * i);
    for (int i = 0; i <= 4; ++i) pts[5 + i] = Polar(m, ring, a0 - 30 + 7.5 * i);
    c.Polygon({{pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7], pts[8], pts[9]}},
              kElementFill[elementOfSign[sign % 4]]);
    c.Line(Polar(m, ring, a0), Polar(m, r, a0), 1, kOutline);
  }
  c.Ring(m, r - 0.6, 1.2, kInk);
  c.Ring(m, ring, 1, kInk);
  c.Disc(m, ring * 0.55, kGold);
  c.Ring(m, ring * 0.55, 1.2, kGoldEdge);
  c.Disc(m, 1.2, kGoldEdge);
}

void DrawMakerIcon(Canvas& c, const Box& box) {
  // An orrery on its stand: the sun, two orbits and their planets.
  const Pt sun{box.Centre().x, box.top + 13};
  const double w = box.Width();
  c.FillBox({sun.x - 7, box.bottom - 3, sun.x + 7, box.bottom}, kOutline);
  c.Polygon({{{sun.x - 1.5, sun.y}, {sun.x + 1.5, sun.y}, {sun.x + 3, box.bottom - 3},
              {sun.x - 3, box.bottom - 3}}},
            Rgb(112, 112, 112));
  c.EllipseOutline({box.left, sun.y - 9, box.right, sun.y + 9}, 1, kRule);
  c.EllipseOutline({box.left + w * 0.2, sun.y - 5, box.right - w * 0.2, sun.y + 5}, 1, kRule);
  c.Disc(sun, 5, kGold);
  c.Ring(sun, 5, 1.2, kGoldEdge);
  c.Disc({box.left + w * 0.2 + 1.5, sun.y + 2.5}, 2.2, Rgb(0, 96, 216));
  c.Disc({box.right - 4.5, sun.y - 5.5}, 2.6, Rgb(208, 48, 32));
}

}  // namespace orrery::glyphs
