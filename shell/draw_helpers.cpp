#include "shell/draw_helpers.h"

#include <algorithm>
#include <cstdlib>

#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/resources.h"
#include "shell/shell_drawing.h"
#include "shell/text_format.h"

namespace orrery {

using platform::DrawContext;

void DrawTextLeft(DrawContext& dc, std::u16string_view text, int left, int right, int bottom) {
  if (right < 0) right = 1024;
  dc.DrawText(text, {left, 0, right, bottom}, platform::kAlignLeft | platform::kAlignBottom);
}

void DrawTextRight(DrawContext& dc, std::u16string_view text, int right, int bottom) {
  dc.DrawText(text, {0, 0, right, bottom}, platform::kAlignRight | platform::kAlignBottom);
}

void DrawTextCentred(DrawContext& dc, std::u16string_view text, int left, int right, int bottom) {
  dc.DrawText(text, {left, 0, right, bottom}, platform::kAlignCentre | platform::kAlignBottom);
}

namespace {

// The last three characters (all of a shorter text) become dots.
void EndInDots(std::u16string& text) {
  const size_t from = text.size() > 3 ? text.size() - 3 : 0;
  std::fill(text.begin() + long(from), text.end(), u'.');
}

}  // namespace

void FitTextWithEllipsis(const DrawContext& dc, std::u16string& text, int maxWidth) {
  const auto tooWide = [&] { return dc.TextExtent(text).width > maxWidth; };
  if (!tooWide()) return;
  EndInDots(text);
  while (!text.empty() && tooWide()) {
    text.pop_back();
    EndInDots(text);
  }
}

void DrawPatternLine(DrawContext& dc, int x0, int y0, int x1, int y1, platform::Colour colour,
                     int pattern) {
  int onReload = 31000, offReload = 0;
  if (pattern == PatternNone) onReload = 0;
  if (pattern == PatternDotted) onReload = 1, offReload = 1;
  if (pattern == PatternDashed) onReload = 5, offReload = 2;
  int on = onReload, off = offReload;
  const auto step = [&](int x, int y) {
    if (on > 0) {
      dc.SetPixel(x, y, colour);
      --on;
    } else if (off > 0) {
      --off;
    } else {
      on = onReload;
      off = offReload;
    }
  };

  const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
  const int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
  const bool alongX = dx >= dy;
  const int major = alongX ? dx : dy, minor = alongX ? dy : dx;
  int x = x0, y = y0;
  int error = 2 * minor - major;
  for (int i = 0; i <= major; ++i) {
    step(x, y);
    if (error > 0) {
      (alongX ? y : x) += alongX ? sy : sx;
      error -= 2 * major;
    }
    error += 2 * minor;
    (alongX ? x : y) += alongX ? sx : sy;
  }
}

void DrawSectionHeading(DrawContext& dc, int x, int y, int width, int glyphIcon,
                        std::u16string_view text, int style) {
  const platform::Pen oldPen = dc.SelectPen(shellDrawing.greyPen);
  const platform::Font oldFont = dc.SelectFont(shellDrawing.font8);
  const int ruleY = y + 11;
  const int textBottom = y + 10;
  switch (style) {
    case 0:
      dc.Line(x + 1, ruleY, x + width - 15, ruleY);
      DrawTextLeft(dc, text, x + 5, width, textBottom);
      break;
    case 1:
      DrawPatternLine(dc, x + 1, ruleY, x + width - 16, ruleY, HeadingGrey, PatternDotted);
      DrawTextLeft(dc, text, x + 5, width, textBottom);
      break;
    case 2:
      DrawIcon(dc, glyphs::kHeadingLeftEnd.id, x - 10, y - 3);
      dc.Line(x + 1, ruleY, x + width - 15, ruleY);
      DrawIcon(dc, glyphIcon, x - 20, y - 1);
      DrawTextLeft(dc, text, x + 5, width, textBottom);
      break;
    case 3:
      DrawIcon(dc, glyphs::kHeadingRightEnd.id, x + width - 8, y - 3);
      dc.Line(x + width - 8, ruleY, x - 1, ruleY);
      DrawIcon(dc, glyphIcon, x + width - 2, y - 1);
      DrawTextLeft(dc, text, x + 1, width, textBottom);
      break;
    case 4:
      DrawTextLeft(dc, text, x + 2, width, y - 1);
      DrawIcon(dc, glyphs::kHeadingFrame.id, x + width - 1, y - 9);
      dc.Line(x, y, x + width, y);
      dc.Line(x + width + 22, y, x + 2 * width + 22, y);
      DrawIcon(dc, glyphIcon, x + width + 4, y - 7);
      break;
    default:
      break;
  }
  dc.SelectFont(oldFont);
  dc.SelectPen(oldPen);
}

FormattedAngle FormatAngle(unsigned flags, double angle) {
  FormattedAngle out{u"", 0, (flags & AngleRight) != 0};
  if (!(angle >= 0.0 && angle <= TwoPi)) angle = Normalize2Pi(angle);
  if (flags & AngleZodiac) {
    // A full turn is the start of Aries, not 360 degrees of it.
    if (angle == TwoPi) angle = 0.0;
    out.sign = SignNumber(angle);
    angle = std::max(0.0, angle - (out.sign - 1) * Deg30);
    out.rightAligned = true;
  }
  DegreesMinutesSeconds dms = RadiansToDms(angle);
  if (!(flags & AngleSeconds)) {
    if (dms.seconds > 30.0) dms.minutes += 1;
    dms.seconds = 0.0;
  }
  while (dms.seconds > 60.0) {
    dms.minutes += 1;
    dms.seconds -= 60.0;
  }
  while (dms.minutes > 59) {
    dms.minutes -= 60;
    dms.degrees += 1;
  }
  std::u16string& text = out.text;
  if (flags & AngleDegrees) text += FormatText("%3d", dms.degrees);
  if (flags & AngleDegreeSign) text += u'\u00b0';
  if (flags & AngleMinutes) text += FormatText("%02d", dms.minutes);
  if (flags & AngleMinuteSign) text += u'\'';
  if (flags & AngleSeconds) text += FormatText("%02d", static_cast<int>(dms.seconds));
  if (flags & AngleSecondSign) text += u"''";
  return out;
}

void DrawAngle(DrawContext& dc, unsigned flags, double angle, int x, int y) {
  const FormattedAngle f = FormatAngle(flags, angle);
  if (f.sign != 0) {
    const glyphs::GlyphRef& glyph = glyphs::kSignGlyphs[f.sign].text;
    DrawIcon(dc, glyph.id, x + 5, y - glyph.height);
  }
  if (f.text.empty()) return;
  if (f.rightAligned) {
    DrawTextRight(dc, f.text, x, y);
  } else {
    DrawTextLeft(dc, f.text, x, -1, y);
  }
}

const platform::Image* LoadBodyGlyph(int body, int size) {
  if (body < 0 || body >= BodyCount) return nullptr;
  const glyphs::BodyGlyphs& glyph = glyphs::kBodyGlyphs[body];
  const int id = size == LargeGlyph ? glyph.large.id : glyph.small.id;
  return id == 0 ? nullptr : platform::FindIcon(id);
}

void DrawIcon(DrawContext& dc, int iconId, int x, int y) {
  if (const platform::Image* icon = platform::FindIcon(iconId)) dc.DrawImage(*icon, x, y);
}

void CentreInParent(platform::Window& window) {
  platform::Window* reference = window.Owner() ? window.Owner() : window.Parent();
  if (!reference) return;
  const platform::Rect area = reference->ClientRect();
  const int width = window.Frame().Width(), height = window.Frame().Height();
  const platform::Point offset{std::max(0, (area.Width() - width) / 2),
                               std::max(0, (area.Height() - height) / 2)};
  platform::Point corner = reference->ToScreen(offset);
  if (window.Parent()) corner = window.Parent()->FromScreen(corner);
  window.Move(platform::Rect::At(corner.x, corner.y, width, height));
}

}  // namespace orrery
