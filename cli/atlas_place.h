// Atlas cities from the command line: a city chosen by its normalised name
// (the one nearest to a decimal-degree position when several share it, else
// the first, which is the most populous) and loaded for a local moment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/daylight_saving.h"

namespace orrery::cli {

// A position in decimal degrees, north and east positive.
struct DecimalPosition {
  double latitude;
  double longitude;
};

// "LAT,LON" in decimal degrees: 48.4,9.99.
std::optional<DecimalPosition> ParseNear(std::string_view text);
// The option --near LAT,LON when it was given: "" with position filled (or
// left empty without the option), else the problem.
std::string ParseNearOption(const std::optional<std::string>& near,
                            std::optional<DecimalPosition>& position);
// "YYYY-MM-DDTHH:MM", a local moment of the years 1 to 2129.
std::optional<AtlasMoment> ParseMoment(std::string_view text);

// Opens the atlas and loads the city named name (UTF-8) for the moment into
// the AtlasCursor. Returns "" or what went wrong ("no city ...").
std::string LoadCityEntry(std::string_view name, const std::optional<DecimalPosition>& near,
                          const AtlasMoment& moment);
// The same from the options --city NAME [--near LAT,LON]: "" when the city
// was loaded, else the problem.
std::string LoadCityOption(const std::string& city, const std::optional<std::string>& near,
                           const AtlasMoment& moment);

}  // namespace orrery::cli
