// Birth records from the command line: the record options shared by the
// commands that take a chart (`chart`, `charts add`, `render`), the chart
// display options, and the CSV lines of batch mode. Every parser checks the
// values as the New Chart wizard does and reports the first problem as one
// line of text (empty when all is well).
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_record.h"
#include "cli/arguments.h"

namespace orrery::cli {

// How a chart is computed and shown, beside its record.
struct ChartSettings {
  int houseSystem = 0;  // HouseSystemId
  int rulership = 0;    // 0 modern, 1 old
  int language = 0;     // 0 English, 1 German
};

// A record as typed, before any range check (so nothing wraps in the
// record's narrow fields).
struct RecordFields {
  std::string name;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, calendar = 0;
  int latDegrees = 0, latMinutes = 0, north = 1, lonDegrees = 0, lonMinutes = 0, east = 1;
  int zoneHours = 0, zoneMinutes = 0, zonePlus = 1, dstHours = 0, dstMinutes = 0, dstPlus = 1;
  int localTime = 0;
  int corrDistance = 0, corrUnit = 0, corrDirection = 0;
};

// The checks of the New Chart wizard on f, then the record: the name with
// its spaces normalised and cut to 31 characters, local mean time with zone
// 0:00 and the plus sign. Returns the first problem, or empty with record filled.
std::string BuildRecord(const RecordFields& f, ChartRecord& record);

// --name TEXT --date YYYY-MM-DD --time HH:MM [--julian] --lat 51N29
// --lon 0E07|0W07 [--zone +1:00] [--dst -1:00] [--local-time]
// [--corr DIST,UNIT,DIR]. With atlasCity, --city NAME [--near LAT,LON] may
// stand for --lat, --lon, --zone, --dst and --local-time: the place, its
// names and its corrections at the chart's moment from the atlas. Takes all
// of them from args before it checks any, so the caller can report unknown
// arguments first. Fills a zeroed record.
std::string TakeRecordOptions(Arguments& args, ChartRecord& record, bool atlasCity = false);
// [--house-system NAME|0..6] [--rulership modern|old] [--lang en|de].
std::string TakeChartSettings(Arguments& args, ChartSettings& settings);

// The columns of a batch line, in order.
inline constexpr std::string_view BatchColumns =
    "name,year,month,day,hour,minute,calendar,latDeg,latMin,north,lonDeg,lonMin,east,"
    "zoneH,zoneM,zonePlus,dstH,dstM,dstPlus,localTime,corrDistance,corrUnit,corrDirection,"
    "houseSystem";
// An optional first line of a batch file names the columns ("name,...").
bool IsBatchHeader(std::string_view line);
// One CSV line (fields may be double-quoted, "" inside quotes is a quote).
// An empty houseSystem column keeps settings.houseSystem.
std::string ParseBatchLine(std::string_view line, ChartRecord& record, ChartSettings& settings);

// Names or indexes of the tables: "placidus".."porphyry" or 0..6; a
// DistanceUnit name ("Kilometers"), short name ("km") or 0..10; a compass
// short label ("WSW") or 0..15. Case does not matter; -1 when unknown.
int ParseHouseSystem(std::string_view text);
int ParseDistanceUnit(std::string_view text);
int ParseCompassDirection(std::string_view text);
// Degrees, a hemisphere letter (positive or negative, either case) and
// minutes: 51N29, 0W07.
bool ParseCoordinate(std::string_view text, char positive, char negative, int& degrees, int& minutes,
                     int& flag);
// Short name of a distance unit, as ParseDistanceUnit reads it.
const char* DistanceUnitShortName(int unit);

}  // namespace orrery::cli
