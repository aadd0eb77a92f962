// Lines, polygons, rectangles and ellipses of the drawing context.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shell/platform/draw_context.h"

namespace orrery::platform {

// Bresenham's line, stepping along the longer axis; the end point is drawn
// only when includeEnd is set.
void DrawContext::PenLine(int x0, int y0, int x1, int y1, bool includeEnd) {
  if (!pen_.visible) return;
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  const int steps = std::max(dx, dy) + (includeEnd ? 1 : 0);
  int err = dx - dy;
  for (int i = 0; i < steps; ++i) {
    Plot(x0, y0, pen_.colour);
    const int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x0 += sx;
    }
    if (e2 < dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void DrawContext::Line(int x0, int y0, int x1, int y1) { PenLine(x0, y0, x1, y1, false); }

void DrawContext::Polyline(std::span<const Point> points) {
  for (size_t i = 1; i < points.size(); ++i) {
    PenLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, false);
  }
}

void DrawContext::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  if (brush_.visible && points.size() >= 3) {
    int top = points[0].y, bottom = points[0].y;
    for (Point p : points) {
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
      const double yc = y + 0.5;  // pixel centre
      crossings.clear();
      for (size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        if ((a.y <= yc) == (b.y <= yc)) continue;  // edge does not cross this row
        crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
      }
      std::sort(crossings.begin(), crossings.end());
      for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
        // Pixels whose centre x + 0.5 lies in [left crossing, right crossing).
        const int x0 = int(std::ceil(crossings[i] - 0.5));
        const int x1 = int(std::ceil(crossings[i + 1] - 0.5));
        if (x1 > x0) Span(y, x0, x1, brush_.colour);
      }
    }
  }
  for (size_t i = 0; i < points.size(); ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % points.size()];
    PenLine(a.x, a.y, b.x, b.y, points.size() == 1);
  }
}

void DrawContext::Rectangle(const Rect& r) {
  if (r.Empty()) return;
  if (!pen_.visible) {
    if (brush_.visible) FillRect(r, brush_.colour);
    return;
  }
  if (brush_.visible) FillRect(r.Inset(1), brush_.colour);
  FillRect({r.left, r.top, r.right, r.top + 1}, pen_.colour);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, pen_.colour);
  FillRect({r.left, r.top, r.left + 1, r.bottom}, pen_.colour);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, pen_.colour);
}

namespace {

int64_t FloorDiv2(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

int64_t ISqrt(int64_t v) {
  int64_t s = int64_t(std::sqrt(double(v)));
  while (s * s > v) --s;
  while ((s + 1) * (s + 1) <= v) ++s;
  return s;
}

struct Run {
  int first = 1;
  int last = 0;  // first > last: no pixels
  bool Empty() const { return first > last; }
};

}  // namespace

// A pixel belongs to the ellipse inscribed in r when its centre lies inside
// it. In doubled coordinates, with c the doubled centre and w, h the sizes:
// (2x+1 - cx)^2 h^2 + (2y+1 - cy)^2 w^2 <= w^2 h^2, evaluated in exact
// integers. Each row is one run of pixels; the pen takes the pixels with a
// neighbour outside the ellipse, the brush the others.
void DrawContext::Ellipse(const Rect& r) {
  if (r.Empty()) return;
  const int64_t w = r.Width();
  const int64_t h = r.Height();
  const int64_t cx = 2 * int64_t(r.left) + w;
  const int64_t cy = 2 * int64_t(r.top) + h;
  auto runOf = [&](int y) {
    if (y < r.top || y >= r.bottom) return Run{};
    const int64_t dy = 2 * int64_t(y) + 1 - cy;
    const int64_t room = w * w * h * h - dy * dy * w * w;
    if (room < 0) return Run{};
    const int64_t m = ISqrt(room / (h * h));  // largest allowed |2x+1 - cx|
    // 2x + 1 in [cx - m, cx + m]
    const int64_t first = -FloorDiv2(-(cx - m - 1));
    const int64_t last = FloorDiv2(cx + m - 1);
    return Run{int(first), int(last)};
  };
  for (int y = r.top; y < r.bottom; ++y) {
    const Run run = runOf(y);
    if (run.Empty()) continue;
    const Run above = runOf(y - 1);
    const Run below = runOf(y + 1);
    Run inner{run.first + 1, run.last - 1};
    if (above.Empty() || below.Empty()) {
      inner = Run{};
    } else {
      inner.first = std::max({inner.first, above.first, below.first});
      inner.last = std::min({inner.last, above.last, below.last});
    }
    if (!pen_.visible) {
      if (brush_.visible) Span(y, run.first, run.last + 1, brush_.colour);
      continue;
    }
    if (inner.Empty()) {
      Span(y, run.first, run.last + 1, pen_.colour);
      continue;
    }
    if (brush_.visible) Span(y, inner.first, inner.last + 1, brush_.colour);
    Span(y, run.first, inner.first, pen_.colour);
    Span(y, inner.last + 1, run.last + 1, pen_.colour);
  }
}

}  // namespace orrery::platform
