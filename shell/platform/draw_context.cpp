// Drawing context state, pixels, text, images and block copies. The shape
// rasterisers are in shapes.cpp.
#include "shell/platform/draw_context.h"

#include <utility>

#include "shell/platform/unicode.h"

namespace orrery::platform {

DrawContext::DrawContext(Surface& target) : DrawContext(target, {0, 0}, target.Bounds()) {}

DrawContext::DrawContext(Surface& target, Point origin, const Rect& clip)
    : target_(&target), origin_(origin), clip_(clip.Intersect(target.Bounds())) {}

DrawContext DrawContext::Clipped(const Rect& r) const {
  DrawContext c = *this;
  c.clip_ = clip_.Intersect(r.Offset(origin_.x, origin_.y));
  return c;
}

Font DrawContext::SelectFont(const Font& f) { return std::exchange(font_, f); }
Pen DrawContext::SelectPen(const Pen& p) { return std::exchange(pen_, p); }
Brush DrawContext::SelectBrush(const Brush& b) { return std::exchange(brush_, b); }
Colour DrawContext::SetTextColour(Colour c) { return std::exchange(textColour_, c); }
Colour DrawContext::SetBackColour(Colour c) { return std::exchange(backColour_, c); }
BackMode DrawContext::SetBackMode(BackMode m) { return std::exchange(backMode_, m); }

void DrawContext::Plot(int x, int y, Colour c) {
  x += origin_.x;
  y += origin_.y;
  if (clip_.Contains({x, y})) target_->SetPixel(x, y, c);
}

void DrawContext::Span(int y, int x0, int x1, Colour c) {
  target_->Fill(Rect{x0, y, x1, y + 1}.Offset(origin_.x, origin_.y).Intersect(clip_), c);
}

void DrawContext::SetPixel(int x, int y, Colour c) { Plot(x, y, c); }

Colour DrawContext::GetPixel(int x, int y) const {
  return target_->Pixel(x + origin_.x, y + origin_.y);
}

void DrawContext::FillRect(const Rect& r, Colour c) {
  target_->Fill(r.Offset(origin_.x, origin_.y).Intersect(clip_), c);
}

void DrawContext::TextOut(int x, int y, std::u16string_view text) {
  if (backMode_ == BackMode::Opaque) {
    FillRect(Rect::At(x, y, font_.Extent(text).width, font_.Height()), backColour_);
  }
  const int baseline = y + font_.Ascent();
  int pen = x;
  for (size_t i = 0; i < text.size();) {
    const Glyph& g = font_.GlyphOf(NextCodePoint(text, i));
    const int gx = pen + g.left;
    const int gy = baseline - g.top;
    for (int row = 0; row < g.height; ++row) {
      for (int col = 0; col < g.width; ++col) {
        const uint8_t a = g.coverage[size_t(row) * g.width + col];
        if (a == 255) {
          Plot(gx + col, gy + row, textColour_);
        } else if (a != 0) {
          Plot(gx + col, gy + row, Blend(GetPixel(gx + col, gy + row), textColour_, a));
        }
      }
    }
    pen += g.advance;
  }
}

namespace {

// Floor division, so that centring is symmetric for texts wider than their room.
int FloorHalf(int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

}  // namespace

void DrawContext::DrawText(std::u16string_view text, const Rect& r, unsigned align) {
  const Size size = font_.Extent(text);
  int x = r.left;
  if (align & kAlignRight) {
    x = r.right - size.width;
  } else if (align & kAlignCentre) {
    x = r.left + FloorHalf(r.Width() - size.width);
  }
  int y = r.top;
  if (align & kAlignBottom) {
    y = r.bottom - size.height;
  } else if (align & kAlignMiddle) {
    y = r.top + FloorHalf(r.Height() - size.height);
  }
  TextOut(x, y, text);
}

void DrawContext::DrawImage(const Image& image, int x, int y) {
  const Rect area = Rect::At(x, y, image.Width(), image.Height())
                        .Offset(origin_.x, origin_.y)
                        .Intersect(clip_);
  for (int ty = area.top; ty < area.bottom; ++ty) {
    for (int tx = area.left; tx < area.right; ++tx) {
      const int ix = tx - origin_.x - x;
      const int iy = ty - origin_.y - y;
      const uint8_t a = image.Alpha(ix, iy);
      if (a == 255) {
        target_->SetPixel(tx, ty, image.Pixel(ix, iy));
      } else if (a != 0) {
        target_->SetPixel(tx, ty, Blend(target_->Pixel(tx, ty), image.Pixel(ix, iy), a));
      }
    }
  }
}

void DrawContext::CopyFrom(const Surface& src, const Rect& srcRect, Point dest) {
  target_->CopyFrom(src, srcRect, {dest.x + origin_.x, dest.y + origin_.y}, clip_);
}

}  // namespace orrery::platform
