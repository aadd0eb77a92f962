// Points, sizes, rectangles and colours of the platform layer.
//
// Coordinates are whole pixels, x to the right and y downward. A Rect spans
// [left, right) x [top, bottom): right and bottom are exclusive, as in Win32.
#pragma once

#include <algorithm>
#include <cstdint>

namespace orrery::platform {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(Size, Size) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Offset(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr Rect Inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
  // Intersection; an empty result may have any coordinates.
  constexpr Rect Intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  // Smallest rectangle holding both; an empty operand is ignored.
  constexpr Rect Union(const Rect& o) const {
    if (Empty()) return o;
    if (o.Empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// An opaque 24-bit colour.
struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  constexpr uint32_t Packed() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
  static constexpr Colour FromPacked(uint32_t v) {
    return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
  }
  // A colour packed the other way round, red in the low byte (0x00BBGGRR), as
  // the chart's tables hold their colours.
  static constexpr Colour FromRedLow(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
  }
  friend bool operator==(Colour, Colour) = default;
};

constexpr Colour Rgb(int r, int g, int b) { return {uint8_t(r), uint8_t(g), uint8_t(b)}; }

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

}  // namespace orrery::platform
