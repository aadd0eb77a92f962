#include "shell/wheel/body_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "astro/body_table.h"
#include "chart/chart_slot.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "foundation/vectors.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/wheel/glyph_margins.h"
#include "shell/wheel/pair_clearance.h"
#include "shell/wheel/wheel_geometry.h"

namespace orrery {

namespace {

using glyphs::kBodyGlyphs;

constexpr double Centre = WheelInnerCentre;
constexpr int RelaxationPasses = 26;
// Glyphs this far from both neighbours keep their first place.
constexpr double IsolationAngle = 25.0 * DegToRad;
// Glyph corners this close push each other apart.
constexpr double RepulsionReach = 30.0;
// Placement radii beyond the outer margin (the Sun sits further out) and
// within the inner margin.
constexpr double PlacementRadius = 75.0;
constexpr double SunPlacementRadius = 81.0;
constexpr double InnerPlacementRadius = 43.0;
// The relaxation keeps glyph centres off the ring's inner edge and beyond
// the central circle plus the body's inner margin.
constexpr double RingLimit = SignRingInnerRadius;
constexpr double CircleLimit = CentralCircleRadius;
// Wrap-around window of the angle comparisons.
constexpr double NearZero = 50.0 * DegToRad;
constexpr double NearTurn = 310.0 * DegToRad;

Vec2 Times(Vec2 a, double k) {
  Scale(a, k);
  return a;
}
// A quarter turn toward increasing screen angle.
Vec2 Turned(Vec2 u) { return {-u.y, u.x}; }

struct Layout {
  Vec2 corner[BodyCount] = {};  // glyph top-left corners; (0, 0) for bodies not placed
  double ideal[BodyCount] = {};
  int order[BodyCount] = {};  // angular order, the Sun first
  int count = 0;
};

Vec2 HalfSize(int body) {
  return {double(kBodyGlyphs[body].halfWidth), double(kBodyGlyphs[body].halfHeight)};
}

double CentreAngle(const Layout& layout, int body) {
  const Vec2 c = Add(layout.corner[body], HalfSize(body));
  return PointAngle(Centre, Centre, c.x, c.y);
}

void SetDisplayFlags() {
  BodyTable[Earth].drawnInWheel = 0;
  BodyTable[MeanNorthNode].drawnInWheel = 0;
  BodyTable[MeanSouthNode].drawnInWheel = 0;
  BodyTable[Sun].drawnInWheel = 1;
  for (BodyPosition& body : BodyTable) {
    body.placedByLayout = body.drawnInWheel;
    body.shown = body.drawnInWheel;
  }
  for (int body : {Ascendant, Midheaven}) {
    BodyTable[body].placedByLayout = 0;
    BodyTable[body].shown = 0;
  }
}

Vec2 InitialCorner(int body, double angle) {
  const double outer = OuterGlyphMargin(body, angle);
  const double inner = InnerGlyphMargin(body, angle);
  double r = outer + (body == Sun ? SunPlacementRadius : PlacementRadius);
  r = std::min(r, outer + SunPlacementRadius);
  r = std::max(r, inner + InnerPlacementRadius);
  return Subtract({Centre + r * Cos(angle), Centre + r * Sin(angle)}, HalfSize(body));
}

void PlaceInitially(Layout& layout) {
  const double ascendant = CurrentChart().ascendant;
  for (int body = 0; body < BodyCount; ++body) {
    if (!BodyTable[body].placedByLayout) continue;
    double a = ScreenAngle(BodyTable[body].geocentric.x, ascendant);
    if (!std::isfinite(a)) a = 0.0;
    layout.ideal[body] = a;
    layout.corner[body] = InitialCorner(body, a);
  }
}

// The Sun, then the placed bodies by increasing angle from the Sun's (an
// angle at or below the Sun's counts a turn more); of equal angles the
// higher BodyId first.
void SortAngularOrder(Layout& layout) {
  double key[BodyCount] = {};
  layout.count = 0;
  layout.order[layout.count++] = Sun;
  for (int body = 0; body < BodyCount; ++body) {
    if (body == Sun || !BodyTable[body].placedByLayout) continue;
    double k = layout.ideal[body] - layout.ideal[Sun];
    key[body] = k <= 0.0 ? k + TwoPi : k;
    layout.order[layout.count++] = body;
  }
  std::sort(layout.order + 1, layout.order + layout.count, [&](int a, int b) {
    return key[a] != key[b] ? key[a] < key[b] : a > b;
  });
}

// Bodies further than IsolationAngle from both neighbours, the Sun too, keep
// their first place: they neither move nor push others. So does a body
// drawn alone.
void ReleaseIsolatedBodies(const Layout& layout) {
  bool isolated[BodyCount] = {};
  for (int i = 0; i < layout.count; ++i) {
    const int body = layout.order[i];
    const int previous = layout.order[(i + layout.count - 1) % layout.count];
    const int next = layout.order[(i + 1) % layout.count];
    const double a = CentreAngle(layout, body);
    isolated[body] = previous == body ||
                     (Separation(a, CentreAngle(layout, previous)) > IsolationAngle &&
                      Separation(a, CentreAngle(layout, next)) > IsolationAngle);
  }
  for (int body = 0; body < BodyCount; ++body) {
    if (isolated[body]) BodyTable[body].placedByLayout = 0;
  }
}

// Keeps the glyph centre in its band: beyond its first radius it is drawn
// back gently, and hard within 3 pixels of the ring; within 3 pixels of the
// central circle plus the inner margin it is pushed out.
double RadialForce(int body, double radius, double angle) {
  const double outer = OuterGlyphMargin(body, angle) + PlacementRadius;
  if (radius > outer) {
    const int room = static_cast<int>(RingLimit - radius);
    if (room >= 3) return -2 * static_cast<int>(radius - outer);
    if (room >= 0) return (room - 3) * 25;
    return -99;
  }
  const int room = static_cast<int>(radius - (InnerGlyphMargin(body, angle) + CircleLimit));
  if (room < 0) return 99;
  if (room < 3) return (3 - room) * 25;
  return 0;
}

// Pulls the glyph back toward its longitude, harder the further it strayed.
double TangentialForce(double angle, double ideal) {
  const int degrees = static_cast<int>(std::fabs(angle - ideal) * RadToDeg);
  int g = 0;
  if (degrees >= 16) {
    g = 45;
  } else if (degrees >= 6) {
    g = 23;
  } else if (degrees >= 1) {
    g = 11;
  }
  return angle > ideal ? -g : g;
}

// Pushes the glyph away from placed glyphs nearer than their clearance.
Vec2 Repulsion(const Layout& layout, int body, Vec2 tangent) {
  Vec2 force{0.0, 0.0};
  const Vec2 here = layout.corner[body];
  for (int other = 0; other < BodyCount; ++other) {
    if (other == body || !BodyTable[other].placedByLayout) continue;
    const Vec2 there = layout.corner[other];
    const Vec2 away = Subtract(here, there);
    const double distance = Norm(away);
    if (distance >= RepulsionReach) continue;
    const double need = PairClearance(other, body, PointAngle(here.x, here.y, there.x, there.y));
    const double slack = distance - need;
    int k = 0;
    if (slack <= -1.0) {
      k = 49;
    } else {
      switch (static_cast<int>(slack)) {
        case 0: k = 26; break;
        case 1: k = 13; break;
        case 2: k = 7; break;
        default: break;
      }
    }
    // Glyphs on the very same spot part along the circle.
    force = Add(force, Times(distance > 0.0 ? Unit(away) : tangent, k));
  }
  return force;
}

double StepLimit(int pass) {
  if (pass <= 2) return 3.0;
  if (pass <= 5) return 2.0;
  if (pass <= 10) return 1.0;
  if (pass <= 18) return 0.8;
  return 0.5;
}

void MoveGlyph(Layout& layout, int body, double limit) {
  const Vec2 corner = layout.corner[body];
  const Vec2 middle{Centre, Centre};
  const Vec2 centre = Add(corner, HalfSize(body));
  const Vec2 u = Unit(Subtract(corner, middle));
  const double radius = Norm(Subtract(centre, middle));
  double angle = PointAngle(Centre, Centre, centre.x, centre.y);
  double ideal = layout.ideal[body];
  if (angle < NearZero && ideal > NearTurn) {
    angle += TwoPi;
  } else if (ideal < NearZero && angle > NearTurn) {
    ideal += TwoPi;
  }
  Vec2 force = Times(u, RadialForce(body, radius, angle));
  force = Add(force, Times(Turned(u), TangentialForce(angle, ideal)));
  force = Add(force, Repulsion(layout, body, Turned(u)));
  force = Clamp(force);
  if (Norm(force) > limit) force = Times(Unit(force), limit);
  layout.corner[body] = Add(corner, force);
}

void Relax(Layout& layout) {
  for (int pass = 1; pass <= RelaxationPasses; ++pass) {
    const double limit = StepLimit(pass);
    for (int i = 0; i < layout.count; ++i) {
      const int body = layout.order[i];
      if (BodyTable[body].placedByLayout) MoveGlyph(layout, body, limit);
    }
  }
}

std::int16_t ToPixel(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
}

}  // namespace

void LayoutBodyGlyphs() {
  SetDisplayFlags();
  Layout layout;
  PlaceInitially(layout);
  SortAngularOrder(layout);
  ReleaseIsolatedBodies(layout);
  Relax(layout);
  for (int body = 0; body < BodyCount; ++body) {
    if (body == Ascendant || body == Midheaven) continue;
    BodyTable[body].glyphX = ToPixel(layout.corner[body].x);
    BodyTable[body].glyphY = ToPixel(layout.corner[body].y);
  }
}

}  // namespace orrery
