#include "cli/record_options.h"

#include <cctype>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

#include "atlas/atlas_cursor.h"
#include "chart/house_systems.h"
#include "chart/position_correction.h"
#include "cli/atlas_place.h"
#include "foundation/calendar.h"
#include "foundation/localized_strings.h"
#include "foundation/wide_string.h"

namespace orrery::cli {

namespace {

constexpr int MaxYear = 2129;
constexpr int MaxCorrectionDistance = 9999;  // four digits in the wizard
constexpr int NameCharacters = 31;

const char* const houseSystemNames[HouseSystemCount] = {
    "placidus", "koch", "equal", "vehlow", "campanus", "regiomontanus", "porphyry"};
const char* const unitShortNames[DistanceUnitCount] = {
    "km", "mi", "nmi", "usmi", "bolt", "cable", "chain", "furlong", "league", "nleague", "skein"};

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// A run of 1..6 decimal digits.
bool ParseNumber(std::string_view text, int& value) {
  if (text.empty() || text.size() > 6) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// A table index given as a number below count, or -1.
int ParseIndex(std::string_view text, int count) {
  int value;
  return ParseNumber(text, value) && value < count ? value : -1;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string Invalid(const std::string& option, std::string_view value, const char* expected) {
  return "invalid " + option + " '" + std::string(value) + "' (expected " + expected + ")";
}

std::string OutOfRange(const char* what, int value, int low, int high) {
  return std::string(what) + " " + std::to_string(value) + " out of range " + std::to_string(low) +
         ".." + std::to_string(high);
}

// A sign and hours:minutes: +1:00, -5:30 (the sign may be left out for +).
bool ParseOffset(std::string_view text, int& hours, int& minutes, int& plus) {
  plus = 1;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    plus = text[0] == '+' ? 1 : 0;
    text.remove_prefix(1);
  }
  std::vector<std::string_view> parts = Split(text, ':');
  return parts.size() == 2 && ParseNumber(parts[0], hours) && ParseNumber(parts[1], minutes);
}

std::string CheckFlag(const char* what, int value) {
  return value == 0 || value == 1 ? std::string() : OutOfRange(what, value, 0, 1);
}

// The checks of the New Chart wizard, in its order, on values that may
// still be out of every range.
std::string CheckFields(const RecordFields& f) {
  if (f.name.find_first_not_of(' ') == std::string::npos) return "the chart needs a name";
  if (f.year < 1 || f.year > MaxYear) return OutOfRange("year", f.year, 1, MaxYear);
  if (f.month < 1 || f.month > 12) return OutOfRange("month", f.month, 1, 12);
  if (std::string e = CheckFlag("calendar", f.calendar); !e.empty()) return e;
  int days = MonthLength(f.year, f.month, f.calendar);
  if (f.day < 1 || f.day > days) return OutOfRange("day", f.day, 1, days);
  if (f.hour > 23) return OutOfRange("hour", f.hour, 0, 23);
  if (f.minute > 59) return OutOfRange("minute", f.minute, 0, 59);
  if (f.latMinutes > 59) return OutOfRange("latitude minute", f.latMinutes, 0, 59);
  if (!LatitudeWithinLimit(f.latDegrees, f.latMinutes))
    return "latitude " + std::to_string(f.latDegrees) + " degrees " + std::to_string(f.latMinutes) +
           " beyond 77 degrees 00";
  if (f.lonDegrees > 179) return OutOfRange("longitude degree", f.lonDegrees, 0, 179);
  if (f.lonMinutes > 59) return OutOfRange("longitude minute", f.lonMinutes, 0, 59);
  for (auto [what, value] : {std::pair{"north", f.north}, {"east", f.east}, {"zonePlus", f.zonePlus},
                             {"dstPlus", f.dstPlus}, {"localTime", f.localTime}}) {
    if (std::string e = CheckFlag(what, value); !e.empty()) return e;
  }
  if (f.localTime == 0) {
    if (f.zoneHours > 23) return OutOfRange("zone hour", f.zoneHours, 0, 23);
    if (f.zoneMinutes > 59) return OutOfRange("zone minute", f.zoneMinutes, 0, 59);
  }
  if (f.dstHours > 23) return OutOfRange("daylight-saving hour", f.dstHours, 0, 23);
  if (f.dstMinutes > 59) return OutOfRange("daylight-saving minute", f.dstMinutes, 0, 59);
  if (f.corrDistance > MaxCorrectionDistance)
    return OutOfRange("correction distance", f.corrDistance, 0, MaxCorrectionDistance);
  return {};
}

// The fields of a CSV line; quoted fields may hold commas and doubled quotes.
bool SplitCsv(std::string_view line, std::vector<std::string>& fields) {
  fields.assign(1, std::string());
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c != '\r' && c != '\n') {
      fields.back() += c;
    }
  }
  return !quoted;
}

// The place and corrections of an atlas city at the record's local moment.
std::string TakePlaceFromAtlas(const std::string& city, const std::optional<std::string>& near,
                               RecordFields& f) {
  AtlasMoment moment{f.year, f.month, f.day, f.hour, f.minute};
  if (std::string problem = LoadCityOption(city, near, moment); !problem.empty()) return problem;
  const AtlasCursor& c = atlasCursor;
  if (c.dateGap) return "the date falls into the calendar changeover at " + city;
  f.latDegrees = c.latDegrees;
  f.latMinutes = c.latMinutes;
  f.north = c.north;
  f.lonDegrees = c.lonDegrees;
  f.lonMinutes = c.lonMinutes;
  f.east = c.east;
  f.zoneHours = c.zoneHours;
  f.zoneMinutes = c.zoneMinutes;
  f.zonePlus = c.zonePlus;
  f.dstHours = c.dstHours;
  f.dstMinutes = c.dstMinutes;
  f.dstPlus = c.dstPlus;
  f.localTime = c.localMeanTime;
  return {};
}

}  // namespace

// A checked record: the name with its spaces normalised and cut to 31
// characters, local mean time with zone 0:00 and the plus sign.
std::string BuildRecord(const RecordFields& f, ChartRecord& record) {
  if (std::string problem = CheckFields(f); !problem.empty()) return problem;
  record = ChartRecord{};
  std::u16string name = FromUtf8(f.name);
  CollapseSpaces(name.data());
  name.resize(BoundedLength(name.c_str(), name.size()));
  std::size_t keep = name.size() < NameCharacters ? name.size() : NameCharacters;
  if (keep == NameCharacters && name[keep - 1] >= 0xD800 && name[keep - 1] <= 0xDBFF) --keep;
  CopyText(record.name, RecordNameUnits, std::u16string_view(name).substr(0, keep));
  record.year = static_cast<std::int16_t>(f.year);
  record.month = static_cast<std::uint8_t>(f.month);
  record.day = static_cast<std::uint8_t>(f.day);
  record.hour = static_cast<std::uint8_t>(f.hour);
  record.minute = static_cast<std::uint8_t>(f.minute);
  record.calendar = static_cast<std::uint8_t>(f.calendar);
  record.latDegrees = static_cast<std::uint16_t>(f.latDegrees);
  record.latMinutes = static_cast<std::uint8_t>(f.latMinutes);
  record.north = static_cast<std::uint32_t>(f.north);
  record.lonDegrees = static_cast<std::uint16_t>(f.lonDegrees);
  record.lonMinutes = static_cast<std::uint8_t>(f.lonMinutes);
  record.east = static_cast<std::uint32_t>(f.east);
  record.localTime = static_cast<std::uint32_t>(f.localTime);
  record.zoneHours = static_cast<std::uint8_t>(f.localTime ? 0 : f.zoneHours);
  record.zoneMinutes = static_cast<std::uint8_t>(f.localTime ? 0 : f.zoneMinutes);
  record.zonePlus = f.localTime ? 1 : static_cast<std::uint32_t>(f.zonePlus);
  record.dstHours = static_cast<std::uint8_t>(f.dstHours);
  record.dstMinutes = static_cast<std::uint8_t>(f.dstMinutes);
  record.dstPlus = static_cast<std::uint32_t>(f.dstPlus);
  record.corrDistance = static_cast<std::uint16_t>(f.corrDistance);
  record.corrUnit = static_cast<std::uint8_t>(f.corrUnit);
  record.corrDirection = static_cast<std::uint8_t>(f.corrDirection);
  if (record.corrDistance > 0) {
    CorrectedPlace place = CorrectPosition(record);
    if (!LatitudeWithinLimit(place.latDegrees, place.latMinutes))
      return "the corrected latitude " + std::to_string(place.latDegrees) + " degrees " +
             std::to_string(place.latMinutes) + " lies beyond 77 degrees 00";
  }
  return {};
}

bool ParseCoordinate(std::string_view text, char positive, char negative, int& degrees, int& minutes,
                     int& flag) {
  std::size_t at = text.find_first_of(std::string{positive, negative, char(std::tolower(positive)),
                                                  char(std::tolower(negative))});
  if (at == std::string_view::npos || at == 0 || at + 1 >= text.size()) return false;
  flag = std::toupper(static_cast<unsigned char>(text[at])) == positive ? 1 : 0;
  return ParseNumber(text.substr(0, at), degrees) && ParseNumber(text.substr(at + 1), minutes);
}

int ParseHouseSystem(std::string_view text) {
  for (int id = 0; id < HouseSystemCount; ++id)
    if (SameText(text, houseSystemNames[id])) return id;
  return ParseIndex(text, HouseSystemCount);
}

int ParseDistanceUnit(std::string_view text) {
  for (int unit = 0; unit < DistanceUnitCount; ++unit) {
    if (SameText(text, unitShortNames[unit]) || SameText(text, ToUtf8(distanceUnits[unit].name)))
      return unit;
  }
  return ParseIndex(text, DistanceUnitCount);
}

int ParseCompassDirection(std::string_view text) {
  for (int direction = 0; direction < CompassDirectionCount; ++direction)
    if (SameText(text, compassDirections[direction].shortLabel)) return direction;
  return ParseIndex(text, CompassDirectionCount);
}

const char* DistanceUnitShortName(int unit) {
  return unit >= 0 && unit < DistanceUnitCount ? unitShortNames[unit] : "?";
}

std::string TakeRecordOptions(Arguments& args, ChartRecord& record, bool atlasCity) {
  RecordFields f;
  std::optional<std::string> name = args.Take("name"), date = args.Take("date"),
                             time = args.Take("time"), lat = args.Take("lat"), lon = args.Take("lon"),
                             zone = args.Take("zone"), dst = args.Take("dst"), corr = args.Take("corr"),
                             city = atlasCity ? args.Take("city") : std::nullopt,
                             near = atlasCity ? args.Take("near") : std::nullopt;
  f.calendar = args.Flag("julian") ? Julian : Gregorian;
  f.localTime = args.Flag("local-time") ? 1 : 0;
  if (!name) return "missing --name";
  if (!date) return "missing --date";
  if (!time) return "missing --time";
  if (city && (lat || lon || zone || dst || f.localTime))
    return "--city takes the place and its corrections from the atlas (no --lat, --lon, --zone, --dst, --local-time)";
  if (near && !city) return "--near needs --city";
  if (!lat && !city) return "missing --lat";
  if (!lon && !city) return "missing --lon";
  f.name = *name;
  std::vector<std::string_view> ymd = Split(*date, '-');
  if (ymd.size() != 3 || ymd[0].size() > 4 || !ParseNumber(ymd[0], f.year) ||
      !ParseNumber(ymd[1], f.month) || !ParseNumber(ymd[2], f.day))
    return Invalid("--date", *date, "YYYY-MM-DD");
  std::vector<std::string_view> hm = Split(*time, ':');
  if (hm.size() != 2 || !ParseNumber(hm[0], f.hour) || !ParseNumber(hm[1], f.minute))
    return Invalid("--time", *time, "HH:MM");
  if (city) {
    if (std::string problem = TakePlaceFromAtlas(*city, near, f); !problem.empty()) return problem;
  } else if (!ParseCoordinate(*lat, 'N', 'S', f.latDegrees, f.latMinutes, f.north)) {
    return Invalid("--lat", *lat, "degrees, N or S, minutes, e.g. 51N29");
  } else if (!ParseCoordinate(*lon, 'E', 'W', f.lonDegrees, f.lonMinutes, f.east)) {
    return Invalid("--lon", *lon, "degrees, E or W, minutes, e.g. 0W07");
  }
  if (zone && f.localTime) return "--zone and --local-time exclude each other";
  if (zone && !ParseOffset(*zone, f.zoneHours, f.zoneMinutes, f.zonePlus))
    return Invalid("--zone", *zone, "a sign and H:MM, e.g. +1:00");
  if (dst && !ParseOffset(*dst, f.dstHours, f.dstMinutes, f.dstPlus))
    return Invalid("--dst", *dst, "a sign and H:MM, e.g. -1:00");
  if (corr) {
    std::vector<std::string_view> parts = Split(*corr, ',');
    if (parts.size() != 3 || !ParseNumber(parts[0], f.corrDistance))
      return Invalid("--corr", *corr, "DISTANCE,UNIT,DIRECTION, e.g. 7,km,WSW");
    f.corrUnit = ParseDistanceUnit(parts[1]);
    if (f.corrUnit < 0) return "unknown distance unit '" + std::string(parts[1]) + "'";
    f.corrDirection = ParseCompassDirection(parts[2]);
    if (f.corrDirection < 0) return "unknown compass direction '" + std::string(parts[2]) + "'";
  }
  std::string problem = BuildRecord(f, record);
  if (problem.empty() && city) {
    CopyText(record.country, RecordCountryUnits, atlasCursor.countryName);
    CopyText(record.state, RecordStateUnits, atlasCursor.provinceName);
    CopyText(record.city, RecordCityUnits, atlasCursor.cityName);
  }
  return problem;
}

std::string TakeChartSettings(Arguments& args, ChartSettings& settings) {
  std::optional<std::string> system = args.Take("house-system"), rulership = args.Take("rulership"),
                             language = args.Take("lang");
  if (system) {
    settings.houseSystem = ParseHouseSystem(*system);
    if (settings.houseSystem < 0) return "unknown house system '" + *system + "'";
  }
  if (rulership) {
    if (*rulership != "modern" && *rulership != "old")
      return "unknown rulership '" + *rulership + "' (modern or old)";
    settings.rulership = *rulership == "old" ? 1 : 0;
  }
  if (language) {
    if (*language != "en" && *language != "de") return "unknown language '" + *language + "' (en or de)";
    settings.language = *language == "de" ? German : English;
  }
  return {};
}

bool IsBatchHeader(std::string_view line) { return line.substr(0, 5) == "name,"; }

std::string ParseBatchLine(std::string_view line, ChartRecord& record, ChartSettings& settings) {
  std::vector<std::string> c;
  if (!SplitCsv(line, c)) return "unterminated quoted field";
  std::vector<std::string_view> names = Split(BatchColumns, ',');
  if (c.size() != names.size())
    return "expected " + std::to_string(names.size()) + " columns, found " + std::to_string(c.size());
  RecordFields f;
  f.name = c[0];
  int* numbers[] = {&f.year, &f.month, &f.day, &f.hour, &f.minute, &f.calendar,
                    &f.latDegrees, &f.latMinutes, &f.north, &f.lonDegrees, &f.lonMinutes, &f.east,
                    &f.zoneHours, &f.zoneMinutes, &f.zonePlus, &f.dstHours, &f.dstMinutes,
                    &f.dstPlus, &f.localTime, &f.corrDistance};
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    if (!ParseNumber(c[i + 1], *numbers[i]))
      return "column " + std::string(names[i + 1]) + ": '" + c[i + 1] + "' is not a number";
  }
  f.corrUnit = ParseDistanceUnit(c[21]);
  if (f.corrUnit < 0) return "unknown distance unit '" + c[21] + "'";
  f.corrDirection = ParseCompassDirection(c[22]);
  if (f.corrDirection < 0) return "unknown compass direction '" + c[22] + "'";
  if (!c[23].empty()) {
    int system = ParseHouseSystem(c[23]);
    if (system < 0) return "unknown house system '" + c[23] + "'";
    settings.houseSystem = system;
  }
  return BuildRecord(f, record);
}

}  // namespace orrery::cli
