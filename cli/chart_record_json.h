// Birth records as JSON objects, for `orrery-cli charts export` and
// `import`. The members are the record's fields under their own names:
//
//   {"id": 6, "name": "Ada", "sex": 2, "year": 1950, "month": 3, "day": 1,
//    "hour": 9, "minute": 5, "calendar": 0, "country": "Germany",
//    "state": "Bayern", "city": "München", "latDegrees": 48, "latMinutes": 8,
//    "north": 1, "lonDegrees": 11, "lonMinutes": 34, "east": 1,
//    "zoneHours": 1, "zoneMinutes": 0, "zonePlus": 1, "dstHours": 0,
//    "dstMinutes": 0, "dstPlus": 1, "localTime": 0, "corrDistance": 0,
//    "corrDirection": 0, "corrUnit": 0}
//
// Reading checks every member: unknown members are refused; name, date,
// time, latitude and longitude are required, the rest default to 0 (signs
// and hemisphere flags to 1, place names to ""); the values pass the New
// Chart wizard's checks; "id" is accepted and ignored (imported charts get
// new ids).
#pragma once

#include <string>

#include "chart/chart_record.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"

namespace orrery::cli {

void WriteRecordJson(JsonWriter& w, const ChartRecord& record);

// Fills a zeroed record from one JSON object; returns the first problem, or empty.
std::string ReadRecordJson(const JsonValue& value, ChartRecord& record);

}  // namespace orrery::cli
