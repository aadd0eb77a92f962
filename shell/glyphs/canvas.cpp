#include "shell/glyphs/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orrery::glyphs {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// Of a pixel's kFine x kFine samples, this many or fewer make it transparent
// and kSolid or more opaque.
constexpr int kSliver = Canvas::kFine * Canvas::kFine / 8;
constexpr int kSolid = Canvas::kFine * Canvas::kFine * 13 / 16;

uint32_t Sample(Colour c) { return kOpaque | c.Packed(); }

double Dot(Pt a, Pt b) { return a.x * b.x + a.y * b.y; }

// Distance from p to the segment a-b.
double SegmentDistance(Pt p, Pt a, Pt b) {
  const Pt ab{b.x - a.x, b.y - a.y};
  const Pt ap{p.x - a.x, p.y - a.y};
  const double len2 = Dot(ab, ab);
  const double t = len2 > 0 ? std::clamp(Dot(ap, ab) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(ap.x - t * ab.x, ap.y - t * ab.y);
}

// Even-odd test of p against closed contours.
bool InsideContours(Pt p, std::initializer_list<std::initializer_list<Pt>> contours) {
  bool inside = false;
  for (const auto& contour : contours) {
    const Pt* pts = contour.begin();
    const size_t n = contour.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      const Pt a = pts[i], b = pts[j];
      if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
        inside = !inside;
      }
    }
  }
  return inside;
}

Box BoundsOf(std::initializer_list<Pt> points, double pad) {
  Box b{1e9, 1e9, -1e9, -1e9};
  for (Pt p : points) {
    b = {std::min(b.left, p.x), std::min(b.top, p.y), std::max(b.right, p.x),
         std::max(b.bottom, p.y)};
  }
  return b.Inset(-pad);
}

// Where a w x h ink lands in the box under the fit rule.
Box FitInto(double w, double h, const Box& box, double maxStretch) {
  const double sx = box.Width() / w, sy = box.Height() / h;
  const double s = std::min(sx, sy);
  const double fx = std::min(sx, s * maxStretch), fy = std::min(sy, s * maxStretch);
  const Pt c = box.Centre();
  return {c.x - w * fx / 2, c.y - h * fy / 2, c.x + w * fx / 2, c.y + h * fy / 2};
}

// Mask pixels of growth that add `bold` picture pixels of stroke width at a
// scale of maskPerPixel mask pixels per picture pixel.
int GrowthFor(double bold, double maskPerPixel) {
  return std::max(0, int(std::lround(bold * maskPerPixel / 2)));
}

// A character the face (and its fallback) lacks comes out as the face's
// missing-character box, which U+FFFF, a noncharacter, always gives.
bool IsMissing(const platform::Font& font, const platform::Glyph& g) {
  const platform::Glyph& none = font.GlyphOf(0xFFFF);
  return g.width == none.width && g.height == none.height && g.left == none.left &&
         g.top == none.top && g.coverage == none.coverage;
}

// Calls f(x, y) for every ink pixel of the text laid out on a baseline at
// y = 0, the first character's pen at x = 0.
template <class F>
void ForEachInkPixel(const platform::Font& font, std::u32string_view text, F f) {
  int pen = 0;
  for (char32_t c : text) {
    const platform::Glyph& g = font.GlyphOf(c);
    if (!IsMissing(font, g)) {
      for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
          if (g.coverage[size_t(y) * g.width + x]) f(pen + g.left + x, y - g.top);
        }
      }
    }
    pen += g.advance;
  }
}

}  // namespace

InkMask RenderInk(std::u32string_view text, platform::Typeface face, int grow) {
  const platform::Font font = platform::Font::FromPixels(face, kSourceEm);
  int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
  ForEachInkPixel(font, text, [&](int x, int y) {
    left = std::min(left, x);
    right = std::max(right, x + 1);
    top = std::min(top, y);
    bottom = std::max(bottom, y + 1);
  });
  InkMask m;
  if (right <= left) return m;
  m.width = right - left + 2 * grow;
  m.height = bottom - top + 2 * grow;
  m.baseline = grow - top;
  m.ink.assign(size_t(m.width) * m.height, 0);
  ForEachInkPixel(font, text, [&](int x, int y) {
    m.ink[size_t(y - top + grow) * m.width + (x - left + grow)] = 1;
  });
  if (grow > 0) {
    // Square dilation, one direction at a time.
    std::vector<uint8_t> rows(m.ink.size(), 0);
    for (int y = 0; y < m.height; ++y) {
      for (int x = 0; x < m.width; ++x) {
        if (!m.ink[size_t(y) * m.width + x]) continue;
        for (int d = std::max(0, x - grow); d <= std::min(m.width - 1, x + grow); ++d) {
          rows[size_t(y) * m.width + d] = 1;
        }
      }
    }
    std::fill(m.ink.begin(), m.ink.end(), 0);
    for (int y = 0; y < m.height; ++y) {
      for (int x = 0; x < m.width; ++x) {
        if (!rows[size_t(y) * m.width + x]) continue;
        for (int d = std::max(0, y - grow); d <= std::min(m.height - 1, y + grow); ++d) {
          m.ink[size_t(d) * m.width + x] = 1;
        }
      }
    }
  }
  return m;
}

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      samples_(size_t(width_) * kFine * size_t(height_) * kFine, 0) {}

template <class Inside>
void Canvas::Paint(const Box& bounds, uint32_t value, Inside inside) {
  const int w = width_ * kFine, h = height_ * kFine;
  const int x0 = std::max(0, int(std::floor(bounds.left * kFine)));
  const int y0 = std::max(0, int(std::floor(bounds.top * kFine)));
  const int x1 = std::min(w, int(std::ceil(bounds.right * kFine)));
  const int y1 = std::min(h, int(std::ceil(bounds.bottom * kFine)));
  for (int y = y0; y < y1; ++y) {
    const double py = (y + 0.5) / kFine;
    for (int x = x0; x < x1; ++x) {
      if (inside(Pt{(x + 0.5) / kFine, py})) samples_[size_t(y) * w + x] = value;
    }
  }
}

void Canvas::FillBox(const Box& b, Colour c) {
  Paint(b, Sample(c), [&](Pt p) {
    return p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom;
  });
}

void Canvas::Disc(Pt centre, double radius, Colour c) {
  Paint(Box{centre.x, centre.y, centre.x, centre.y}.Inset(-radius), Sample(c),
        [&](Pt p) { return std::hypot(p.x - centre.x, p.y - centre.y) <= radius; });
}

void Canvas::Ellipse(const Box& b, Colour c) {
  const Pt m = b.Centre();
  const double rx = b.Width() / 2, ry = b.Height() / 2;
  Paint(b, Sample(c), [&](Pt p) {
    const double dx = (p.x - m.x) / rx, dy = (p.y - m.y) / ry;
    return dx * dx + dy * dy <= 1.0;
  });
}

void Canvas::EllipseOutline(const Box& b, double stroke, Colour c) {
  const Pt m = b.Centre();
  const double rx = b.Width() / 2, ry = b.Height() / 2;
  const double ix = rx - stroke, iy = ry - stroke;
  Paint(b, Sample(c), [&](Pt p) {
    const double dx = p.x - m.x, dy = p.y - m.y;
    const bool outer = (dx / rx) * (dx / rx) + (dy / ry) * (dy / ry) <= 1.0;
    const bool inner = ix > 0 && iy > 0 && (dx / ix) * (dx / ix) + (dy / iy) * (dy / iy) < 1.0;
    return outer && !inner;
  });
}

void Canvas::Ring(Pt centre, double radius, double stroke, Colour c) {
  Paint(Box{centre.x, centre.y, centre.x, centre.y}.Inset(-radius - stroke), Sample(c), [&](Pt p) {
    return std::abs(std::hypot(p.x - centre.x, p.y - centre.y) - radius) <= stroke / 2;
  });
}

void Canvas::Arc(Pt centre, double radius, double stroke, double a0, double a1, Colour c) {
  const double span = std::fmod(std::fmod(a1 - a0, 360.0) + 360.0, 360.0);
  Paint(Box{centre.x, centre.y, centre.x, centre.y}.Inset(-radius - stroke), Sample(c), [&](Pt p) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    if (std::abs(std::hypot(dx, dy) - radius) > stroke / 2) return false;
    const double a = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    return std::fmod(std::fmod(a - a0, 360.0) + 360.0, 360.0) <= span;
  });
}

void Canvas::Line(Pt a, Pt b, double width, Colour c) {
  Paint(BoundsOf({a, b}, width), Sample(c),
        [&](Pt p) { return SegmentDistance(p, a, b) <= width / 2; });
}

void Canvas::Polyline(std::initializer_list<Pt> points, double width, Colour c) {
  for (auto it = points.begin(); it + 1 < points.end(); ++it) Line(it[0], it[1], width, c);
}

void Canvas::Polygon(std::initializer_list<std::initializer_list<Pt>> contours, Colour c) {
  Box bounds{1e9, 1e9, -1e9, -1e9};
  for (const auto& contour : contours) {
    const Box b = BoundsOf(contour, 0);
    bounds = {std::min(bounds.left, b.left), std::min(bounds.top, b.top),
              std::max(bounds.right, b.right), std::max(bounds.bottom, b.bottom)};
  }
  Paint(bounds, Sample(c), [&](Pt p) { return InsideContours(p, contours); });
}

void Canvas::ConvexOutline(std::initializer_list<Pt> contour, double stroke, Colour c) {
  // Each edge moved inward by the stroke; the inner corners are where
  // neighbouring moved edges meet.
  const Pt* v = contour.begin();
  const size_t n = contour.size();
  double area = 0;
  for (size_t i = 0; i < n; ++i) {
    const Pt a = v[i], b = v[(i + 1) % n];
    area += a.x * b.y - b.x * a.y;
  }
  const double inward = area > 0 ? 1.0 : -1.0;  // y grows downward
  std::vector<Pt> inner(n);
  for (size_t i = 0; i < n; ++i) {
    const Pt prev = v[(i + n - 1) % n], cur = v[i], next = v[(i + 1) % n];
    auto offsetLine = [&](Pt a, Pt b) {
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      const Pt normal{-(b.y - a.y) / len * inward, (b.x - a.x) / len * inward};
      return std::pair{Pt{a.x + normal.x * stroke, a.y + normal.y * stroke},
                       Pt{b.x - a.x, b.y - a.y}};
    };
    const auto [p1, d1] = offsetLine(prev, cur);
    const auto [p2, d2] = offsetLine(cur, next);
    const double det = d1.x * d2.y - d1.y * d2.x;
    const double t = ((p2.x - p1.x) * d2.y - (p2.y - p1.y) * d2.x) / det;
    inner[i] = {p1.x + d1.x * t, p1.y + d1.y * t};
  }
  const Box bounds = BoundsOf(contour, 0);
  Paint(bounds, Sample(c), [&](Pt p) {
    auto inside = [&](const Pt* pts) {
      bool in = false;
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Pt a = pts[i], b = pts[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
          in = !in;
        }
      }
      return in;
    };
    return inside(v) && !inside(inner.data());
  });
}

void Canvas::PaintMask(const InkMask& mask, const Box& dest, uint32_t value) {
  const double mx = mask.width / dest.Width(), my = mask.height / dest.Height();
  Paint(dest, value, [&](Pt p) {
    return mask.At(int(std::floor((p.x - dest.left) * mx)), int(std::floor((p.y - dest.top) * my)));
  });
}

void Canvas::Symbol(std::u32string_view text, platform::Typeface face, const Box& box, Colour c,
                    Fit fit) {
  InkMask mask = RenderInk(text, face);
  if (mask.width == 0) return;
  if (fit.bold > 0) {
    const Box plain = FitInto(mask.width, mask.height, box, fit.maxStretch);
    const int grow = GrowthFor(fit.bold, mask.width / plain.Width());
    if (grow > 0) mask = RenderInk(text, face, grow);
  }
  PaintMask(mask, FitInto(mask.width, mask.height, box, fit.maxStretch), Sample(c));
}

void Canvas::SymbolOnBaseline(std::u32string_view text, platform::Typeface face, double left,
                              double right, double baseline, double scale, Colour c,
                              double bold) {
  const InkMask mask = RenderInk(text, face, GrowthFor(bold, 1.0 / scale));
  if (mask.width == 0) return;
  const double top = baseline - mask.baseline * scale;
  PaintMask(mask, {left, top, right, top + mask.height * scale}, Sample(c));
}

platform::Image Canvas::Picture() const {
  platform::Image out(width_, height_);
  const int w = width_ * kFine;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int count = 0;
      uint32_t r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kFine; ++sy) {
        const uint32_t* row = &samples_[size_t(y * kFine + sy) * w + size_t(x) * kFine];
        for (int sx = 0; sx < kFine; ++sx) {
          const uint32_t v = row[sx];
          if (!v) continue;
          ++count;
          r += (v >> 16) & 0xFF;
          g += (v >> 8) & 0xFF;
          b += v & 0xFF;
        }
      }
      if (!count) continue;
      const auto mean = [count](uint32_t sum) { return uint8_t((sum + count / 2) / count); };
      // Coverage to opacity with a steeper ramp: pixels mostly covered become
      // opaque and slivers vanish, so small pictures keep firm edges.
      const int alpha = std::clamp((count - kSliver) * 255 / (kSolid - kSliver), 0, 255);
      if (!alpha) continue;
      out.SetPixel(x, y, {mean(r), mean(g), mean(b)}, uint8_t(alpha));
    }
  }
  return out;
}

}  // namespace orrery::glyphs
