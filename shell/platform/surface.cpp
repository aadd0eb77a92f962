#include "shell/platform/surface.h"

#include <cstring>

namespace orrery::platform {

Surface::Surface(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill.Packed()) {}

Colour Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return Colour::FromPacked(pixels_[size_t(y) * width_ + x]);
}

void Surface::SetPixel(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[size_t(y) * width_ + x] = c.Packed();
}

void Surface::Fill(const Rect& r, Colour c) {
  const Rect a = r.Intersect(Bounds());
  if (a.Empty()) return;
  const uint32_t v = c.Packed();
  for (int y = a.top; y < a.bottom; ++y) {
    uint32_t* row = &pixels_[size_t(y) * width_];
    std::fill(row + a.left, row + a.right, v);
  }
}

void Surface::CopyFrom(const Surface& src, Rect srcRect, Point dest, const Rect& clip) {
  // Clip the source block to its surface, moving the destination with it.
  const Rect s = srcRect.Intersect(src.Bounds());
  if (s.Empty()) return;
  dest.x += s.left - srcRect.left;
  dest.y += s.top - srcRect.top;
  Rect d = Rect::At(dest.x, dest.y, s.Width(), s.Height()).Intersect(Bounds()).Intersect(clip);
  if (d.Empty()) return;
  const int sx = s.left + (d.left - dest.x);
  const int sy = s.top + (d.top - dest.y);
  const size_t rowBytes = size_t(d.Width()) * sizeof(uint32_t);
  auto copyRow = [&](int row) {
    std::memmove(&pixels_[size_t(d.top + row) * width_ + d.left],
                 &src.pixels_[size_t(sy + row) * src.width_ + sx], rowBytes);
  };
  // Within one surface, copy downward blocks from the bottom row up.
  if (&src == this && d.top > sy) {
    for (int row = d.Height() - 1; row >= 0; --row) copyRow(row);
  } else {
    for (int row = 0; row < d.Height(); ++row) copyRow(row);
  }
}

Image::Image(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      argb_(size_t(width_) * size_t(height_), 0) {}

Image Image::FromSurface(const Surface& s, std::optional<Colour> transparent) {
  Image img(s.Width(), s.Height());
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      const Colour c = s.Pixel(x, y);
      img.SetPixel(x, y, c, transparent && c == *transparent ? 0 : 255);
    }
  }
  return img;
}

Colour Image::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return Colour::FromPacked(argb_[size_t(y) * width_ + x] & 0xFFFFFFu);
}

uint8_t Image::Alpha(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return uint8_t(argb_[size_t(y) * width_ + x] >> 24);
}

void Image::SetPixel(int x, int y, Colour c, uint8_t alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  argb_[size_t(y) * width_ + x] = (uint32_t(alpha) << 24) | c.Packed();
}

Image Image::Crop(const Rect& r) const {
  const Rect a = r.Intersect({0, 0, width_, height_});
  if (a.Empty()) return Image();
  Image out(a.Width(), a.Height());
  for (int y = a.top; y < a.bottom; ++y) {
    for (int x = a.left; x < a.right; ++x) {
      out.argb_[size_t(y - a.top) * out.width_ + (x - a.left)] = argb_[size_t(y) * width_ + x];
    }
  }
  return out;
}

Colour Blend(Colour dst, Colour src, int a) {
  auto mix = [a](int d, int s) { return uint8_t((s * a + d * (255 - a) + 127) / 255); };
  return {mix(dst.r, src.r), mix(dst.g, src.g), mix(dst.b, src.b)};
}

}  // namespace orrery::platform
