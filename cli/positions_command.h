// orrery-cli positions: the apparent positions of every body at one moment.
#pragma once

#include "cli/arguments.h"
#include "cli/json_writer.h"

namespace orrery::cli {

// orrery-cli positions (--ut YYYY-MM-DDTHH:MM[:SS] [--julian] | --now) [--json]
int RunPositions(Arguments& args);

// The members every body's JSON object starts with, from its BodyTable entry:
// id, abbr, lon, lat, dist, helioLon, helioLat, helioDist (radians and AU,
// latitudes signed) and retrograde. `chart --json` adds its own after them.
void WriteBodyPosition(JsonWriter& w, int body);

}  // namespace orrery::cli
