#include "cli/atlas_place.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas/name_normalise.h"
#include "foundation/angles.h"
#include "foundation/numbers.h"
#include "foundation/wide_string.h"

namespace orrery::cli {

namespace {

constexpr int MaxYear = 2129;

bool ParseDecimal(std::string_view text, double& value) {
  std::string copy(text);
  char* end = nullptr;
  value = std::strtod(copy.c_str(), &end);
  return !copy.empty() && end == copy.c_str() + copy.size() && std::isfinite(value);
}

// Squared distance on a local flat map, in degrees of latitude.
double DistanceSquared(const DecimalPosition& a, const DecimalPosition& b) {
  double dLon = std::fabs(a.longitude - b.longitude);
  if (dLon > 180.0) dLon = 360.0 - dLon;
  double x = dLon * std::cos((a.latitude + b.latitude) * 0.5 * DegToRad);
  double y = a.latitude - b.latitude;
  return x * x + y * y;
}

DecimalPosition CursorPosition() {
  double lat = atlasCursor.latDegrees + atlasCursor.latMinutes / 60.0;
  double lon = atlasCursor.lonDegrees + atlasCursor.lonMinutes / 60.0;
  return {atlasCursor.north ? lat : -lat, atlasCursor.east ? lon : -lon};
}

}  // namespace

std::optional<DecimalPosition> ParseNear(std::string_view text) {
  std::size_t comma = text.find(',');
  DecimalPosition p{};
  if (comma == std::string_view::npos || !ParseDecimal(text.substr(0, comma), p.latitude) ||
      !ParseDecimal(text.substr(comma + 1), p.longitude) || std::fabs(p.latitude) > 90.0 ||
      std::fabs(p.longitude) > 180.0) {
    return std::nullopt;
  }
  return p;
}

std::string ParseNearOption(const std::optional<std::string>& near,
                            std::optional<DecimalPosition>& position) {
  if (!near) return {};
  position = ParseNear(*near);
  if (!position) return "invalid --near '" + *near + "' (expected LAT,LON in decimal degrees)";
  return {};
}

std::optional<AtlasMoment> ParseMoment(std::string_view text) {
  AtlasMoment m{};
  char tail = 0;
  std::string copy(text);
  if (copy.size() != 16 || std::sscanf(copy.c_str(), "%4d-%2d-%2dT%2d:%2d%c", &m.year, &m.month,
                                       &m.day, &m.hour, &m.minute, &tail) != 5) {
    return std::nullopt;
  }
  if (m.year < 1 || m.year > MaxYear || m.month < 1 || m.month > 12 || m.day < 1 || m.day > 31 ||
      m.hour < 0 || m.hour > 23 || m.minute < 0 || m.minute > 59) {
    return std::nullopt;
  }
  return m;
}

std::string LoadCityEntry(std::string_view name, const std::optional<DecimalPosition>& near,
                          const AtlasMoment& moment) {
  if (int code = OpenAtlas(); code != 0) {
    return "the atlas cannot be opened (error " + std::to_string(code) + ")";
  }
  AtlasRef best = 0;
  double bestDistance = 0.0;
  AtlasRef last = VisitCitiesNamed(FromUtf8(name).c_str(), [&](AtlasRef ref) {
    if (!near) return true;
    double distance = DistanceSquared(CursorPosition(), *near);
    if (best == 0 || distance < bestDistance) {
      best = ref;
      bestDistance = distance;
    }
    return false;
  });
  if (!near) best = last;
  if (best == 0) return "no city named '" + std::string(name) + "' in the atlas";
  atlasCursor.moment = moment;
  LoadAtlasEntry(best);
  return {};
}

std::string LoadCityOption(const std::string& city, const std::optional<std::string>& near,
                           const AtlasMoment& moment) {
  std::optional<DecimalPosition> position;
  if (std::string problem = ParseNearOption(near, position); !problem.empty()) return problem;
  return LoadCityEntry(city, position, moment);
}

}  // namespace orrery::cli
