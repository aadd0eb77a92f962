// The contact sheet's preview: the pictures where the screens put them, at
// the handheld's 240-pixel scale, to judge them as they will be read. Only a
// likeness of the screens, drawn with the platform's drawing context.
#include "shell/glyphs/sheet_preview.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/resources.h"

namespace orrery::glyphs {

namespace {

using platform::DrawContext;
using platform::Point;
using platform::Rgb;

constexpr platform::Colour kGrey = Rgb(150, 150, 150);

const platform::Image& Icon(int id) { return *platform::FindIcon(id); }

Point Polar(Point centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {centre.x + int(radius * std::cos(a)), centre.y + int(radius * std::sin(a))};
}

void DrawCentred(DrawContext& dc, const platform::Image& img, Point at) {
  dc.DrawImage(img, at.x - img.Width() / 2, at.y - img.Height() / 2);
}

// A wheel: the sign ring in element colours with the sign glyphs, the axes
// with their marks, some bodies and a few aspect lines.
void Wheel(DrawContext& dc) {
  const Point c{124, 134};
  const platform::Colour fills[4] = {Rgb(111, 255, 111), Rgb(255, 111, 111), Rgb(111, 111, 255),
                                     Rgb(255, 255, 128)};
  const double asc = 17;  // Ascendant longitude, degrees
  auto screen = [&](double longitude) { return 180 + asc - longitude; };
  for (int k = 0; k < 12; ++k) {
    std::vector<Point> pts;
    for (int d = 0; d <= 30; ++d) pts.push_back(Polar(c, 112, -(asc + 30 * k + d)));
    for (int d = 30; d >= 0; --d) pts.push_back(Polar(c, 84, -(asc + 30 * k + d)));
    dc.SelectBrush({fills[(k + 2) % 4]});
    dc.Polygon(pts);
  }
  for (int s = 1; s <= 12; ++s) {
    DrawCentred(dc, Icon(kSignGlyphs[s].wheel.id), Polar(c, 98, screen(30 * (s - 1) + 15)));
  }
  dc.SelectBrush({platform::kWhite});
  dc.Ellipse({c.x - 40, c.y - 40, c.x + 41, c.y + 41});
  dc.Line(c.x - 121, c.y, c.x + 116, c.y);
  dc.DrawImage(Icon(kAscendantMark.id), c.x - 122, c.y - 14);
  const Point mc = Polar(c, 123, screen(asc + 270 + 12));
  dc.Line(Polar(c, 123, screen(asc + 90 + 12)).x, Polar(c, 123, screen(asc + 90 + 12)).y, mc.x,
          mc.y);
  dc.DrawImage(Icon(kMidheavenMark.id), mc.x - 13, mc.y + 4);
  const struct {
    int body;
    double longitude;
  } bodies[] = {{0, 100}, {1, 130}, {2, 84}, {3, 60}, {5, 200}, {6, 250}, {7, 300},
                {8, 330}, {9, 10},  {10, 160}, {11, 230}, {12, 50}};
  for (const auto& b : bodies) {
    DrawCentred(dc, Icon(kBodyGlyphs[b.body].large.id), Polar(c, 66, screen(b.longitude)));
  }
  auto aspect = [&](double l1, double l2, platform::Colour colour) {
    const Point p = Polar(c, 39, screen(l1)), q = Polar(c, 39, screen(l2));
    dc.SelectPen({colour});
    dc.Line(p.x, p.y, q.x, q.y);
  };
  aspect(100, 220, Rgb(0, 0, 255));
  aspect(130, 310, Rgb(255, 0, 0));
  aspect(84, 174, Rgb(255, 0, 0));
  dc.SelectPen({platform::kBlack});
  dc.DrawImage(Icon(kNatalChartMark.id), 240 - 20, 246);
}

// A section heading of style 2 and some rows of the text views.
void TextRows(DrawContext& dc) {
  dc.SelectFont(platform::Font::FromPoints(platform::Typeface::Tahoma, 11));
  dc.SetBackMode(platform::BackMode::Transparent);
  const int x = 30, y = 10, width = 190;
  dc.DrawImage(Icon(kHeadingLeftEnd.id), x - 10, y - 3);
  dc.SelectPen({kGrey});
  dc.Line(x + 1, y + 11, x + width - 15, y + 11);
  dc.DrawImage(Icon(kHeadingBirthData.id), x - 20, y - 1);
  dc.SelectFont(platform::Font::FromPoints(platform::Typeface::Tahoma, 8));
  dc.DrawText(u"Date                    Time          Sex", {x + 5, 0, width, y + 10},
              platform::kAlignLeft | platform::kAlignBottom);
  dc.SelectFont(platform::Font::FromPoints(platform::Typeface::Tahoma, 11));
  dc.DrawText(u"1970.01.01     12:00", {30, 0, 200, 42}, platform::kAlignLeft | platform::kAlignBottom);
  dc.DrawImage(Icon(kSexFemale.id), 183, 27);
  dc.DrawImage(Icon(kSexMale.id), 195, 27);
  dc.DrawImage(Icon(kSexNeutral.id), 210, 27);

  // Planets rows: glyph, retrograde mark, name, zodiac angle and sign, house.
  const char16_t* names[] = {u"Sun", u"Moon", u"Mercury", u"Venus", u"Mars", u"Jupiter",
                             u"Saturn", u"Uranus", u"Neptune", u"Pluto", u"Node"};
  const int bodies[] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
  for (int k = 0; k < 11; ++k) {
    const int bottom = 66 + 19 * k;
    const GlyphRef& g = kBodyGlyphs[bodies[k]].small;
    const int gx = (20 - g.width) / 2 + 5;
    dc.DrawImage(Icon(g.id), gx, bottom - g.height);
    if (k == 2 || k == 7) dc.DrawImage(Icon(kRetrogradeMark.id), gx + g.width + 2, bottom - 5);
    dc.DrawText(names[k], {35, 0, 130, bottom}, platform::kAlignLeft | platform::kAlignBottom);
    dc.DrawText(k % 2 ? u" 9°05'" : u"29°59'", {0, 0, 160, bottom},
                platform::kAlignRight | platform::kAlignBottom);
    const GlyphRef& sign = kSignGlyphs[k + 1].text;
    dc.DrawImage(Icon(sign.id), 160 + 5, bottom - sign.height);
    char16_t house[4] = {u' ', char16_t(u'1' + k % 9), 0};
    dc.DrawText(house, {0, 0, 215, bottom}, platform::kAlignRight | platform::kAlignBottom);
  }
}

// The aspect grid's first rows and the Info view's element and quadrant rows.
void GridAndFactors(DrawContext& dc) {
  dc.SelectPen({kGrey});
  const int rows = 6;
  for (int i = 1; i <= rows; ++i) {
    dc.Line(3, 20 * i + 4, 16 * i + 3, 20 * i + 4);
    dc.Line(16 * i + 3, 20 * i + 4, 16 * i + 3, 20 * rows + 24);
  }
  dc.Line(3, 24, 3, 20 * rows + 24);
  const int bodies[] = {0, 1, 2, 3, 5, 6, 13};
  for (int r = 0; r <= rows; ++r) {
    const GlyphRef& g = kBodyGlyphs[bodies[r]].small;
    const int extra = bodies[r] == 13 ? 2 : 0;
    dc.DrawImage(Icon(g.id), (16 - g.width) / 2 + 1 + 16 * r + 3 + extra, 20 * r + 22 - g.height);
    for (int j = 0; j < r; ++j) {
      const GlyphRef& a = kAspectGlyphs[(r * 7 + j * 3) % 12 + 1].icon;
      dc.DrawImage(Icon(a.id), 16 * j + 19 - a.width, 20 * r + 24 - a.height);
    }
  }
  dc.SelectFont(platform::Font::FromPoints(platform::Typeface::Tahoma, 11));
  dc.SetBackMode(platform::BackMode::Transparent);
  const GlyphRef elements[4] = {kElementFire, kElementEarth, kElementWater, kElementAir};
  const char16_t* labels[4] = {u" Fire", u" Earth", u" Water", u" Air"};
  for (int e = 0; e < 4; ++e) {
    const int x = e < 2 ? 40 : 125, bottom = 190 + (e % 2) * 16;
    dc.DrawImage(Icon(elements[e].id), x, bottom - 14);
    dc.DrawText(labels[e], {x + 15, 0, x + 80, bottom}, platform::kAlignLeft | platform::kAlignBottom);
  }
  const GlyphRef quadrants[4] = {kQuadrant1, kQuadrant2, kQuadrant3, kQuadrant4};
  for (int q = 0; q < 4; ++q) {
    const int x = q < 2 ? 45 : 138, bottom = 240 + (q % 2) * 18;
    dc.DrawImage(Icon(quadrants[q].id), x, bottom - 14);
    const char16_t label[] = {u' ', u' ', char16_t(u'1' + q), u':', 0};
    dc.DrawText(label, {x + 15, 0, x + 80, bottom}, platform::kAlignLeft | platform::kAlignBottom);
  }
  dc.DrawImage(*platform::FindBitmap(kAspectToolBarStrip), 40, 264);
  dc.DrawImage(*platform::FindBitmap(kPresentMomentButton.id), 210, 262);
}

}  // namespace

platform::Surface Preview() {
  platform::Surface s(3 * 240 + 2 * 8, 280);
  for (int panel = 0; panel < 3; ++panel) {
    DrawContext dc(s, {panel * 248, 0}, platform::Rect::At(panel * 248, 0, 240, 280));
    dc.FillRect({0, 0, 240, 280}, platform::kWhite);
    if (panel == 0) Wheel(dc);
    if (panel == 1) TextRows(dc);
    if (panel == 2) GridAndFactors(dc);
  }
  return s;
}

}  // namespace orrery::glyphs
