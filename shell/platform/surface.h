// Pixel stores: Surface (opaque RGB, the screen and every off-screen buffer)
// and Image (RGB with an 8-bit alpha per pixel, for icons and bitmaps).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/platform/geometry.h"

namespace orrery::platform {

// An opaque RGB pixel array. Pixels outside the surface read as black and
// ignore writes, so callers need no bounds checks of their own.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Colour fill = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  // Fills the part of r that lies on the surface.
  void Fill(const Rect& r, Colour c);
  // Copies the w x h block at (sx, sy) of src to (dx, dy), clipped to both
  // surfaces and to clip. src may be this surface; overlapping blocks copy
  // as if through a temporary.
  void CopyFrom(const Surface& src, Rect srcRect, Point dest, const Rect& clip);

  // Row-major 0x00RRGGBB words, Width() per row.
  const std::vector<uint32_t>& Words() const { return pixels_; }
  std::vector<uint32_t>& Words() { return pixels_; }

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// An RGB picture with per-pixel opacity (0 transparent .. 255 opaque).
class Image {
 public:
  Image() = default;
  Image(int width, int height);  // fully transparent
  // The surface's pixels, opaque except those equal to the transparent colour.
  static Image FromSurface(const Surface& s, std::optional<Colour> transparent = std::nullopt);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size Dimensions() const { return {width_, height_}; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  Colour Pixel(int x, int y) const;
  uint8_t Alpha(int x, int y) const;
  void SetPixel(int x, int y, Colour c, uint8_t alpha = 255);
  // The part of the image inside r (clipped to the image), e.g. one picture
  // of an image strip.
  Image Crop(const Rect& r) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> argb_;  // row-major 0xAARRGGBB
};

// Mixes src over dst with coverage a (0..255), rounding to nearest; a = 255
// gives src, a = 0 gives dst. Pure integer arithmetic, so results repeat exactly.
Colour Blend(Colour dst, Colour src, int a);

}  // namespace orrery::platform
