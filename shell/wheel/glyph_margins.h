// The radial margins of the body glyphs in the wheel: how far inside the
// sign ring (outer margin, negative) and outside the central circle (inner
// margin) a body's glyph should stay, by body and screen angle, to suit
// each glyph's shape.
#pragma once

namespace orrery {

// Margins of a body at a screen angle (any value; taken modulo 2pi). One
// value per 30-degree sector, interpolated linearly between the sectors'
// starts. The mean nodes use the rows of the true nodes; the Ascendant and
// Midheaven have none (0).
double OuterGlyphMargin(int body, double angle);
double InnerGlyphMargin(int body, double angle);

}  // namespace orrery
