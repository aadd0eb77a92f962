// The drawing resources shared by the views and dialogs: the fonts, pens,
// brushes and colours of the program, and the off-screen buffers the views
// render into. Created once at start-up, released at clean-up.
#pragma once

#include "shell/platform/draw_context.h"
#include "shell/platform/font.h"
#include "shell/platform/geometry.h"
#include "shell/platform/surface.h"

namespace orrery {

// Height of the menu bar that the views leave free at the bottom of the
// main window's client area.
inline constexpr int ViewBottomMargin = 26;
// Width of the scroll bar beside the text views.
inline constexpr int ViewScrollBarWidth = 14;

struct ShellDrawing {
  // Tahoma at 8, 9, 10, 11 and 14 points, and bold at 11 points.
  platform::Font font8, font9, font10, font11, font14, fontBold11;
  platform::Pen blackPen;
  platform::Pen greyPen;  // RGB(150,150,150)
  platform::Brush whiteBrush, greenBrush, redBrush, blueBrush, yellowBrush;
  platform::Colour shellGrey;  // dotted rules of the text views, RGB(120,120,120)

  // Shared by the Info, Planets and Aspects views: client width - 14 by 2000.
  platform::Surface textBuffer;
  // The wheel view: its whole view area, and two inner bitmaps of
  // WheelInnerSide square (wheel/wheel_geometry.h).
  platform::Surface wheelBuffer;
  platform::Surface wheelInner[2];
  // Centre of the wheel in window coordinates.
  platform::Point wheelCentre;
};

extern ShellDrawing shellDrawing;

// The grey of the section headings' rules.
inline constexpr platform::Colour HeadingGrey = platform::Rgb(150, 150, 150);

// Fonts, pens, brushes and the shell grey.
void CreateDrawingObjects();
// The TextBuffer for a main window client area of this size.
void CreateTextBuffer(platform::Size client);
// The wheel buffers and the wheel centre for a client area of this size.
void CreateWheelBuffers(platform::Size client);
// Frees the buffers.
void ReleaseDrawingResources();

// The part of a client area the views use: the menu bar's 26 pixels taken
// off its bottom.
platform::Rect ViewArea(const platform::Rect& client);

}  // namespace orrery
