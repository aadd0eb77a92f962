#include "shell/shell_drawing.h"

#include "shell/wheel/wheel_geometry.h"

namespace orrery {

using platform::Brush;
using platform::Font;
using platform::Pen;
using platform::Rgb;
using platform::Surface;
using platform::Typeface;

ShellDrawing shellDrawing;

namespace {

constexpr int TextBufferHeight = 2000;

}  // namespace

void CreateDrawingObjects() {
  ShellDrawing& d = shellDrawing;
  d.font8 = Font::FromPoints(Typeface::Tahoma, 8);
  d.font9 = Font::FromPoints(Typeface::Tahoma, 9);
  d.font10 = Font::FromPoints(Typeface::Tahoma, 10);
  d.font11 = Font::FromPoints(Typeface::Tahoma, 11);
  d.font14 = Font::FromPoints(Typeface::Tahoma, 14);
  d.fontBold11 = Font::FromPoints(Typeface::TahomaBold, 11);
  d.blackPen = Pen{platform::kBlack};
  d.greyPen = Pen{HeadingGrey};
  d.whiteBrush = Brush{platform::kWhite};
  d.greenBrush = Brush{Rgb(111, 255, 111)};
  d.redBrush = Brush{Rgb(255, 111, 111)};
  d.blueBrush = Brush{Rgb(111, 111, 255)};
  d.yellowBrush = Brush{Rgb(255, 255, 128)};
  d.shellGrey = Rgb(120, 120, 120);
}

void CreateTextBuffer(platform::Size client) {
  shellDrawing.textBuffer = Surface(client.width - ViewScrollBarWidth, TextBufferHeight);
}

void CreateWheelBuffers(platform::Size client) {
  const int viewHeight = client.height - ViewBottomMargin;
  shellDrawing.wheelBuffer = Surface(client.width, viewHeight);
  for (Surface& inner : shellDrawing.wheelInner) inner = Surface(WheelInnerSide, WheelInnerSide);
  shellDrawing.wheelCentre = {client.width / 2 + 4, viewHeight / 2 + 10};
}

void ReleaseDrawingResources() {
  shellDrawing.textBuffer = Surface();
  shellDrawing.wheelBuffer = Surface();
  for (Surface& inner : shellDrawing.wheelInner) inner = Surface();
}

platform::Rect ViewArea(const platform::Rect& client) {
  platform::Rect area = client;
  area.bottom -= ViewBottomMargin;
  return area;
}

}  // namespace orrery
