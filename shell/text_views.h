// The four text views of the chart on show. Info, Planets and Aspects render
// once into the shared TextBuffer, with their scroll stops, and are then
// shown by copying the buffer from the current stop; House cusps draws
// straight onto the window at every paint and has no stops.
//
// Coordinates are pixels in the TextBuffer (or the window); a text "at x,
// bottom y" stands left-aligned from x with its bottom edge at y.
#pragma once

#include "chart/house_systems.h"
#include "shell/platform/draw_context.h"

namespace orrery {

// The 13 bodies the text views list, in their order.
inline constexpr int RowOrderCount = 13;
inline constexpr int RowOrder[RowOrderCount] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14};

// Fill the TextBuffer and the view's ViewRecord stops.
void RenderInfo();
void RenderPlanets();
void RenderAspects();
// Draws the House cusps view onto the window's context; clientRight is the
// right edge of the window's client area.
void PaintHouseCuspsView(platform::DrawContext& dc, int clientRight);

// Helpers of the views.
// A context on the TextBuffer, cleared to white with transparent text.
platform::DrawContext BeginTextRender();
// Draws the body's small glyph with its top-left corner at (x, top).
void DrawSmallGlyph(platform::DrawContext& dc, int body, int x, int top);
// The small glyphs of a row of bodies, from x with their bottoms at bottom,
// 5 pixels apart.
void DrawGlyphRow(platform::DrawContext& dc, const int* bodies, int count, int x, int bottom);
// The house system in use (Placidus's row for an id out of range).
const HouseSystemInfo& HouseSystemInUse();
// The localised name of the house system in use.
const char16_t* HouseSystemName();

}  // namespace orrery
