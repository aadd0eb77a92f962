#include "cli/chart_record_json.h"

#include <cmath>
#include <string_view>

#include "cli/record_options.h"
#include "foundation/wide_string.h"

namespace orrery::cli {

namespace {

constexpr int NameCharacters = 31;
constexpr int Neutral = 0, Female = 2;

// A place name and the record field it goes to.
struct PlaceMember {
  const char* key;
  char16_t* field;
  int units;
  std::u16string text;
};

// A whole number within +-10^6; anything else is refused before it can wrap.
std::string ReadInteger(const std::string& key, const JsonValue& value, int& out) {
  if (value.kind != JsonValue::Kind::Number || value.number != std::floor(value.number) ||
      std::fabs(value.number) > 1e6)
    return "\"" + key + "\" must be a whole number";
  out = static_cast<int>(value.number);
  return {};
}

std::string ReadText(const std::string& key, const JsonValue& value, std::u16string& out) {
  if (value.kind != JsonValue::Kind::String) return "\"" + key + "\" must be a string";
  out = FromUtf8(value.text);
  if (out.find(u'\0') != std::u16string::npos) return "\"" + key + "\" holds a NUL character";
  return {};
}

}  // namespace

void WriteRecordJson(JsonWriter& w, const ChartRecord& r) {
  w.BeginObject();
  w.Key("id").Integer(r.id);
  w.Key("name").String(std::u16string_view(r.name, BoundedLength(r.name, RecordNameUnits)));
  w.Key("sex").Integer(r.sex);
  w.Key("year").Integer(r.year).Key("month").Integer(r.month).Key("day").Integer(r.day);
  w.Key("hour").Integer(r.hour).Key("minute").Integer(r.minute);
  w.Key("calendar").Integer(r.calendar);
  w.Key("country").String(
      std::u16string_view(r.country, BoundedLength(r.country, RecordCountryUnits)));
  w.Key("state").String(std::u16string_view(r.state, BoundedLength(r.state, RecordStateUnits)));
  w.Key("city").String(std::u16string_view(r.city, BoundedLength(r.city, RecordCityUnits)));
  w.Key("latDegrees").Integer(r.latDegrees).Key("latMinutes").Integer(r.latMinutes);
  w.Key("north").Integer(r.north);
  w.Key("lonDegrees").Integer(r.lonDegrees).Key("lonMinutes").Integer(r.lonMinutes);
  w.Key("east").Integer(r.east);
  w.Key("zoneHours").Integer(r.zoneHours).Key("zoneMinutes").Integer(r.zoneMinutes);
  w.Key("zonePlus").Integer(r.zonePlus);
  w.Key("dstHours").Integer(r.dstHours).Key("dstMinutes").Integer(r.dstMinutes);
  w.Key("dstPlus").Integer(r.dstPlus);
  w.Key("localTime").Integer(r.localTime);
  w.Key("corrDistance").Integer(r.corrDistance);
  w.Key("corrDirection").Integer(r.corrDirection);
  w.Key("corrUnit").Integer(r.corrUnit);
  w.EndObject();
}

std::string ReadRecordJson(const JsonValue& value, ChartRecord& record) {
  if (value.kind != JsonValue::Kind::Object) return "a chart must be a JSON object";
  RecordFields f;
  int id = 0, sex = Neutral;
  const std::pair<const char*, int*> integers[] = {
      {"id", &id},
      {"sex", &sex},
      {"year", &f.year},
      {"month", &f.month},
      {"day", &f.day},
      {"hour", &f.hour},
      {"minute", &f.minute},
      {"calendar", &f.calendar},
      {"latDegrees", &f.latDegrees},
      {"latMinutes", &f.latMinutes},
      {"north", &f.north},
      {"lonDegrees", &f.lonDegrees},
      {"lonMinutes", &f.lonMinutes},
      {"east", &f.east},
      {"zoneHours", &f.zoneHours},
      {"zoneMinutes", &f.zoneMinutes},
      {"zonePlus", &f.zonePlus},
      {"dstHours", &f.dstHours},
      {"dstMinutes", &f.dstMinutes},
      {"dstPlus", &f.dstPlus},
      {"localTime", &f.localTime},
      {"corrDistance", &f.corrDistance},
      {"corrDirection", &f.corrDirection},
      {"corrUnit", &f.corrUnit},
  };
  std::u16string name;
  PlaceMember places[] = {{"country", record.country, RecordCountryUnits, {}},
                          {"state", record.state, RecordStateUnits, {}},
                          {"city", record.city, RecordCityUnits, {}}};

  for (const auto& [key, member] : value.members) {
    std::string problem = "unknown member \"" + key + "\"";
    for (const auto& [known, target] : integers) {
      if (key == known) problem = ReadInteger(key, member, *target);
    }
    if (key == "name") problem = ReadText(key, member, name);
    for (PlaceMember& place : places) {
      if (key == place.key) problem = ReadText(key, member, place.text);
    }
    if (!problem.empty()) return problem;
  }
  for (const char* required : {"name", "year", "month", "day", "hour", "minute", "latDegrees",
                               "latMinutes", "north", "lonDegrees", "lonMinutes", "east"}) {
    if (value.Find(required) == nullptr) return std::string("missing \"") + required + "\"";
  }
  if (f.hour < 0 || f.minute < 0 || f.latDegrees < 0 || f.latMinutes < 0 || f.lonDegrees < 0 ||
      f.lonMinutes < 0 || f.zoneHours < 0 || f.zoneMinutes < 0 || f.dstHours < 0 ||
      f.dstMinutes < 0 || f.corrDistance < 0)
    return "times, angles, corrections and distances are magnitudes: no negative values";
  if (sex < Neutral || sex > Female) return "\"sex\" must be 0 (neutral), 1 (male) or 2 (female)";
  if (f.corrUnit < 0 || f.corrUnit > 10) return "\"corrUnit\" must be 0..10";
  if (f.corrDirection < 0 || f.corrDirection > 15) return "\"corrDirection\" must be 0..15";
  if (name.size() > NameCharacters) return "\"name\" is longer than 31 characters";
  for (const PlaceMember& place : places) {
    if (place.text.size() >= static_cast<std::size_t>(place.units))
      return "\"" + std::string(place.key) + "\" is longer than " +
             std::to_string(place.units - 1) + " characters";
  }

  f.name = ToUtf8(name);
  if (std::string problem = BuildRecord(f, record); !problem.empty()) return problem;
  record.sex = static_cast<std::uint8_t>(sex);
  for (const PlaceMember& place : places) CopyText(place.field, place.units, place.text);
  return {};
}

}  // namespace orrery::cli
