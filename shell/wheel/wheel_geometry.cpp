#include "shell/wheel/wheel_geometry.h"

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

double ScreenAngle(double longitude, double ascendant) {
  return Normalize2Pi(Pi + ascendant - longitude);
}

platform::Point PointAt(platform::Point centre, double angle, double radius) {
  return {static_cast<int>(centre.x + radius * Cos(angle)),
          static_cast<int>(centre.y + radius * Sin(angle))};
}

namespace {

// Rows of the Midheaven mark's offsets: m in (above, upTo] degrees.
struct MarkOffsetRow {
  int above;
  int upTo;
  platform::Point offset;
};

constexpr MarkOffsetRow MarkOffsets[] = {
    {150, 155, {-11, -7}}, {140, 150, {-9, -7}}, {120, 140, {0, 4}},  {110, 120, {1, 5}},
    {95, 110, {2, 3}},     {90, 95, {3, 3}},     {80, 90, {-17, 3}},  {70, 80, {-16, 4}},
    {60, 70, {-15, 5}},    {50, 60, {-14, 5}},   {45, 50, {-13, 6}},  {35, 45, {-13, 4}},
    {30, 35, {-11, 4}},    {15, 30, {-2, -8}},
};

}  // namespace

std::optional<platform::Point> MidheavenMarkOffset(double m) {
  for (const MarkOffsetRow& row : MarkOffsets) {
    if (m > row.above * DegToRad && m <= row.upTo * DegToRad) return row.offset;
  }
  return std::nullopt;
}

}  // namespace orrery
