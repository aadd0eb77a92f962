// The places of the body glyphs in the wheel. Each glyph starts beside its
// longitude, between the sign ring and the central circle; glyphs that
// crowd their neighbours are then pushed apart, out of the ring's margins
// and back toward their longitudes, in 26 passes of shrinking steps.
//
// Positions are glyph top-left corners in the coordinates of the wheel's
// inner bitmaps (WheelInnerSide square, wheel centre in its middle).
#pragma once

namespace orrery {

// Lays out the chart on show (BodyTable longitudes, the chart's Ascendant).
//
// Flags first: the Sun is always drawn, the Earth and the mean nodes never;
// every body's placedByLayout and `shown` become its drawnInWheel, except
// the Ascendant's and Midheaven's, which are cleared. A body further than
// 25 degrees from both neighbours in the angular order (the Sun first, then
// by screen angle onward from the Sun's) keeps its first place and loses
// placedByLayout. The others move in that order, pass by pass.
//
// Stores every glyph corner, truncated, in glyphX and glyphY, (0, 0) for
// bodies that are not drawn; the Ascendant's and Midheaven's are left to
// the wheel layer, which places their marks.
void LayoutBodyGlyphs();

}  // namespace orrery
