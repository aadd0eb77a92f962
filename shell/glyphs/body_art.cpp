// Body glyphs: the astronomical symbols of DejaVu Sans, and the letters AC
// and MC for the Ascendant and the Midheaven. Uranus is drawn: the face's
// ornate H crowds into a blot at these sizes.
#include <string_view>

#include "astro/body_table.h"
#include "shell/glyphs/art.h"

namespace orrery::glyphs {

namespace {

using platform::Typeface;

struct BodySymbol {
  std::u32string_view text;
  Typeface face;
};

constexpr BodySymbol kSymbols[BodyCount] = {
    {U"\u2609", Typeface::Symbol},      // Sun
    {U"\u263D", Typeface::Symbol},      // Moon, first quarter
    {U"\u263F", Typeface::Symbol},      // Mercury
    {U"\u2640", Typeface::Symbol},      // Venus
    {U"\u2295", Typeface::Symbol},      // Earth: the circled cross
    {U"\u2642", Typeface::Symbol},      // Mars
    {U"\u2643", Typeface::Symbol},      // Jupiter
    {U"\u2644", Typeface::Symbol},      // Saturn
    {U"", Typeface::Symbol},            // Uranus: DrawUranus
    {U"\u2646", Typeface::Symbol},      // Neptune
    {U"\u2647", Typeface::Symbol},      // Pluto
    {U"\u260A", Typeface::Symbol},      // ascending node
    {U"\u260B", Typeface::Symbol},      // descending node
    {U"AC", Typeface::Tahoma},          // Ascendant
    {U"MC", Typeface::Tahoma},          // Midheaven
    {U"\u260A", Typeface::Symbol},      // mean ascending node
    {U"\u260B", Typeface::Symbol},      // mean descending node
};

constexpr Colour kInk = platform::kBlack;

// The H of Herschel over a small circle: two uprights joined by a bar, and
// a stem from the bar's middle down to the circle.
void DrawUranus(Canvas& c, const Box& box) {
  const double s = box.Height() <= 13 ? 1.3 : 1.6;
  const Box q = box.Inset(s / 2);
  const double r = 0.2 * box.Height() - s / 2;  // the circle's line
  const Pt ring{q.Centre().x, q.bottom - r};
  const double bar = q.top + 0.38 * q.Height(), uprights = q.top + 0.72 * (q.Height() - 2 * r);
  c.Line({q.left, q.top}, {q.left, uprights}, s, kInk);
  c.Line({q.right, q.top}, {q.right, uprights}, s, kInk);
  c.Line({q.left, bar}, {q.right, bar}, s, kInk);
  c.Line({ring.x, q.top}, {ring.x, ring.y - r}, s, kInk);
  c.Ring(ring, r, s, kInk);
}

}  // namespace

void DrawBody(Canvas& c, int body, const Box& box) {
  if (body < 0 || body >= BodyCount) return;
  if (body == Uranus) return DrawUranus(c, box);
  // Thin strokes fade at text size; small pictures get a little more weight.
  const double bold = box.Height() <= 13 ? 0.35 : 0.2;
  c.Symbol(kSymbols[body].text, kSymbols[body].face, box, kInk, {1.2, bold});
}

}  // namespace orrery::glyphs
