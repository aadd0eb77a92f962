// The drawings behind the program's glyphs. Each draws one picture into a
// box of a canvas, so a picture can stand alone or in a strip.
#pragma once

#include "shell/glyphs/canvas.h"

namespace orrery::glyphs {

// Bodies (BodyId): the planet, node and angle symbols, black.
void DrawBody(Canvas& c, int body, const Box& box);

// Signs 1..12, black (the wheel paints the element colours behind them):
// in the wheel's ring, fitted to their box; after an angle, on the text
// baseline at the box's kTextBaseline row.
void DrawSignForWheel(Canvas& c, int sign, const Box& box);
void DrawSignForText(Canvas& c, int sign, const Box& box);

// Aspects 1..12 in their colours; stroke is the line width in pixels.
void DrawAspect(Canvas& c, int aspect, const Box& box, double stroke);

// The other pictures, each filling its box.
void DrawAscendantMark(Canvas& c);   // 7 x 13
void DrawMidheavenMark(Canvas& c);   // 14 x 7
void DrawRetrogradeMark(Canvas& c);  // 4 x 7
void DrawSexNeutral(Canvas& c, const Box& box);
void DrawSexMale(Canvas& c, const Box& box);
void DrawSexFemale(Canvas& c, const Box& box);
void DrawClock(Canvas& c, const Box& box);
void DrawNatalMark(Canvas& c, const Box& box);
void DrawHeadingLeftEnd(Canvas& c);   // 11 x 19
void DrawHeadingRightEnd(Canvas& c);  // 11 x 19
void DrawHeadingFrame(Canvas& c);     // 25 x 19
void DrawBirthDataIcon(Canvas& c, const Box& box);
void DrawPlaceIcon(Canvas& c, const Box& box);
void DrawPositionCorrectionIcon(Canvas& c, const Box& box);
void DrawFactorsIcon(Canvas& c, const Box& box);
void DrawAspectsIcon(Canvas& c, const Box& box);
// element: 0 Fire, 1 Earth, 2 Water, 3 Air.
void DrawElement(Canvas& c, int element, const Box& box);
// quadrant 1..4: houses 1-3, 4-6, 7-9, 10-12.
void DrawQuadrant(Canvas& c, int quadrant, const Box& box);
void DrawCaution(Canvas& c, const Box& box);
void DrawProgramIcon(Canvas& c, const Box& box);
void DrawMakerIcon(Canvas& c, const Box& box);

}  // namespace orrery::glyphs
