// orrery-cli charts: lists, shows, adds, deletes, exports and imports the
// charts of a chart file, and checks the file. Every change is saved at once
// as the program saves it (store/chart_changes.h): under the file's lock,
// merged with what other processes saved meanwhile, replaced atomically.
#include "cli/charts_command.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/chart_command.h"
#include "cli/chart_record_json.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"
#include "cli/record_options.h"
#include "cli/text_format.h"
#include "foundation/error_log.h"
#include "foundation/input_file.h"
#include "foundation/wide_string.h"
#include "store/chart_changes.h"
#include "store/chart_file.h"
#include "store/chart_file_check.h"
#include "store/chart_list.h"
#include "store/chart_store.h"
#include "store/store_home.h"
#include "store/store_notice.h"
#include "store/stored_file.h"

namespace orrery::cli {

namespace {

// An export of all 200 charts is about 150 kB; far more is no chart list.
constexpr std::size_t MaxImportBytes = 4 << 20;
// Far beyond the longest chart file (90416 bytes): enough to tell how damaged it is.
constexpr std::size_t MaxVerifiedBytes = 64 << 20;
constexpr std::size_t NameColumn = 31;

int Failure(const std::string& message) {
  std::fprintf(stderr, "orrery-cli: %s\n", message.c_str());
  return 1;
}

std::string Text(const char16_t* field, int units) {
  return ToUtf8(std::u16string_view(field, BoundedLength(field, units)));
}

// "1950-03-01 09:05", with " Julian" for a Julian-calendar date.
std::string DateText(const ChartRecord& r) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d%s", r.year, r.month, r.day, r.hour,
                r.minute, r.calendar == 1 ? " Julian" : "");
  return text;
}

// City, state and country, leaving out empty names and an "unknown" state;
// the coordinates ("22S18 64W41") when the record names no place.
std::string PlaceText(const ChartRecord& r) {
  std::string place;
  for (std::string part : {Text(r.city, RecordCityUnits), Text(r.state, RecordStateUnits),
                           Text(r.country, RecordCountryUnits)}) {
    if (part.empty() || part == "unknown") continue;
    place += (place.empty() ? "" : ", ") + part;
  }
  if (!place.empty()) return place;
  char text[32];
  std::snprintf(text, sizeof text, "%d%c%02d %d%c%02d", r.latDegrees, r.north ? 'N' : 'S',
                r.latMinutes, r.lonDegrees, r.east ? 'E' : 'W', r.lonMinutes);
  return text;
}

// A typed chart id: a whole number (optionally negative) that fits the
// stored id field, a signed 32-bit value; nullopt for anything else, also
// for a number beyond that range (4294967302 is no id, and never chart 6).
std::optional<std::int32_t> ParseId(const std::optional<std::string>& text) {
  std::int32_t id = 0;
  if (!text || text->empty()) return std::nullopt;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, id);
  if (error != std::errc() || stop != end) return std::nullopt;
  return id;
}

// Loads the chart file of the home. A file that is there but cannot be read
// stops the command (nothing writes over it); a damaged one is repaired in
// memory, with a warning naming the copy of it that was kept.
bool LoadStore() {
  ClearErrorLog();
  LoadChartFile();
  const ChartFileStatus& status = LastChartFileStatus();
  if (status.state == ChartFileStatus::State::Unreadable) {
    Failure("cannot read " + ChartFilePath().string() + ": " + status.problem +
            " (the file is left as it is)");
    return false;
  }
  if (status.state == ChartFileStatus::State::Repaired)
    std::fprintf(stderr, "orrery-cli: warning: %s (see 'orrery-cli charts verify')\n",
                 LoadNotice(status, ChartFilePath()).c_str());
  return true;
}

// Saves the changes; the exit code and, on failure, why.
int Save(std::vector<ChartChange>& changes) {
  switch (SaveChartChanges(changes)) {
    case SaveResult::Saved: return 0;
    case SaveResult::NoRoom:
      return Failure("the store has room for " + std::to_string(FreeChartSlots()) +
                     " more charts, not " + std::to_string(changes.size()));
    case SaveResult::Failed: break;
  }
  std::string notice = TakeStoreNotice();
  return Failure(notice.empty() ? "cannot write " + ChartFilePath().string() : notice);
}

std::vector<std::int32_t> StoredIds() {
  std::vector<std::int32_t> ids;
  for (int i = 0; i < StoreSlotCount; ++i) {
    if (ChartIdAt(i) > 0) ids.push_back(ChartIdAt(i));
  }
  return ids;
}

int List(Arguments& args) {
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!LoadStore()) return 1;
  JsonWriter w;
  w.BeginArray();
  for (std::int32_t id : StoredIds()) {
    FetchChart(id);
    std::string name = Text(currentRecord.name, RecordNameUnits);
    if (json) {
      w.BeginObject().Key("id").Integer(id).Key("name").String(name);
      w.Key("date").String(DateText(currentRecord)).Key("place").String(PlaceText(currentRecord));
      w.EndObject();
    } else {
      std::printf("%5d  %s  %s  %s\n", id, Pad(name, NameColumn).c_str(),
                  DateText(currentRecord).c_str(), PlaceText(currentRecord).c_str());
    }
  }
  if (json) std::printf("%s\n", w.EndArray().Text().c_str());
  return 0;
}

// A stored chart, or a sample for an id below 5, printed as `orrery-cli chart` prints it.
int Show(Arguments& args) {
  std::optional<std::string> text = args.TakePositional();
  ChartSettings settings;
  std::string settingsProblem = TakeChartSettings(args, settings);
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!settingsProblem.empty()) return UsageError(settingsProblem);
  std::optional<std::int32_t> id = ParseId(text);
  if (!id) return UsageError("show needs a chart id (a whole number of at most 32 bits)");
  if (!LoadStore()) return 1;
  if (!LoadChart(*id)) return Failure("no stored chart with id " + *text);
  PrintComputedChart(currentRecord, settings, json);
  return 0;
}

// Names of a typed place for `add`: --country, --state, --city-name.
struct PlaceNames {
  std::optional<std::string> country, state, city;
};

PlaceNames TakePlaceNames(Arguments& args) {
  return {args.Take("country"), args.Take("state"), args.Take("city-name")};
}

// Puts the names into the record, checked against their field sizes. An
// atlas city (--city) brings its own names, so they do not go with it.
std::string ApplyPlaceNames(const PlaceNames& names, ChartRecord& record) {
  const struct {
    const char* option;
    char16_t* field;
    int units;
    const std::optional<std::string>& value;
  } places[] = {{"country", record.country, RecordCountryUnits, names.country},
                {"state", record.state, RecordStateUnits, names.state},
                {"city-name", record.city, RecordCityUnits, names.city}};
  bool fromAtlas = record.city[0] != 0;
  for (const auto& place : places) {
    if (!place.value) continue;
    if (fromAtlas)
      return "--" + std::string(place.option) + " names a typed place (not with --city)";
    std::u16string text = FromUtf8(*place.value);
    if (text.size() >= static_cast<std::size_t>(place.units))
      return "--" + std::string(place.option) + " is longer than " +
             std::to_string(place.units - 1) + " characters";
    CopyText(place.field, place.units, text);
  }
  return {};
}

std::string ApplySex(const std::optional<std::string>& sex, ChartRecord& record) {
  if (!sex) return {};
  const char* const names[] = {"neutral", "male", "female"};
  for (int i = 0; i < 3; ++i) {
    if (*sex == names[i]) {
      record.sex = static_cast<std::uint8_t>(i);
      return {};
    }
  }
  return "unknown --sex '" + *sex + "' (neutral, male or female)";
}

// Stores each record under a new id (all or none) and saves them; prints the ids.
int StoreNew(const std::vector<ChartRecord>& records) {
  std::vector<ChartChange> changes;
  for (const ChartRecord& record : records) changes.push_back({ChartChange::Kind::Add, 0, record});
  if (int status = Save(changes); status != 0) return status;
  for (const ChartChange& change : changes) std::printf("%d\n", change.id);
  return 0;
}

int Add(Arguments& args) {
  ChartRecord record{};
  PlaceNames names = TakePlaceNames(args);
  std::string recordProblem = TakeRecordOptions(args, record, true);
  std::optional<std::string> sex = args.Take("sex");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!recordProblem.empty()) return UsageError(recordProblem);
  if (std::string problem = ApplyPlaceNames(names, record); !problem.empty())
    return UsageError(problem);
  if (std::string problem = ApplySex(sex, record); !problem.empty()) return UsageError(problem);
  if (!LoadStore()) return 1;
  return StoreNew({record});
}

int Delete(Arguments& args) {
  std::optional<std::string> text = args.TakePositional();
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  std::optional<std::int32_t> id = ParseId(text);
  if (!id) return UsageError("delete needs a chart id (a whole number of at most 32 bits)");
  if (!LoadStore()) return 1;
  if (*id < 1 || FindSlot(*id) < 0) return Failure("no stored chart with id " + *text);
  std::vector<ChartChange> changes{{ChartChange::Kind::Delete, *id, {}}};
  return Save(changes);
}

int Export(Arguments& args) {
  std::optional<std::string> which = args.TakePositional();
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!which) return UsageError("export needs a chart id or 'all'");
  if (!json) return UsageError("export writes JSON only: add --json");
  if (!LoadStore()) return 1;
  JsonWriter w;
  if (*which == "all") {
    w.BeginArray();
    for (std::int32_t id : StoredIds()) {
      FetchChart(id);
      WriteRecordJson(w, currentRecord);
    }
    w.EndArray();
  } else {
    std::optional<std::int32_t> id = ParseId(which);
    if (!id) return UsageError("export needs a chart id (a whole number of at most 32 bits) or 'all'");
    if (*id < 1 || !FetchChart(*id)) return Failure("no stored chart with id " + *which);
    WriteRecordJson(w, currentRecord);
  }
  std::printf("%s\n", w.Text().c_str());
  return 0;
}

// The text of the import file (or standard input for "-"); empty with
// problem set when it is no regular file or larger than MaxImportBytes.
std::string ReadInput(const std::string& name, std::string& problem) {
  std::ifstream file;
  if (name != "-") problem = OpenInputFile(name, file);
  std::string text;
  if (problem.empty() && !ReadBoundedText(name == "-" ? std::cin : file, text, MaxImportBytes))
    problem = "'" + name + "' is larger than " + std::to_string(MaxImportBytes >> 20) + " MB";
  return problem.empty() ? text : std::string();
}

// Every chart of the file is checked before any is stored: all or nothing.
int Import(Arguments& args) {
  std::optional<std::string> name = args.TakePositional();
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!name) return UsageError("import needs a JSON file (or - for standard input)");
  std::string problem;
  std::string text = ReadInput(*name, problem);
  if (!problem.empty()) return UsageError(problem);
  JsonValue document;
  if (std::string problem = ParseJson(text, document); !problem.empty())
    return UsageError(*name + ": " + problem);
  std::vector<JsonValue> charts;
  if (document.kind == JsonValue::Kind::Array) {
    charts = std::move(document.items);
  } else {
    charts.push_back(std::move(document));
  }
  if (charts.size() > StoreSlotCount)
    return UsageError(*name + ": " + std::to_string(charts.size()) + " charts, and the store holds " +
                      std::to_string(StoreSlotCount));
  std::vector<ChartRecord> records(charts.size());
  for (std::size_t i = 0; i < charts.size(); ++i) {
    if (std::string problem = ReadRecordJson(charts[i], records[i]); !problem.empty())
      return UsageError(*name + ": chart " + std::to_string(i + 1) + ": " + problem);
  }
  if (!LoadStore()) return 1;
  return StoreNew(records);
}

int Verify(Arguments& args) {
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  StoredFile file = ReadStoredFile(ChartFilePath(), MaxVerifiedBytes);
  if (file.status == StoredFile::Status::Missing) return Failure("there is no " + ChartFilePath().string());
  if (file.status == StoredFile::Status::Unreadable)
    return Failure("cannot read " + ChartFilePath().string() + ": " + file.problem);
  ChartFileReport report = InspectChartFile(file.bytes.data(), file.bytes.size());
  std::printf("%s: %zu bytes, %d slots, checksum %s\n", ChartFilePath().string().c_str(),
              report.size, report.slotCount, report.checksumValid ? "valid" : "INVALID");
  for (const ChartFileProblem& p : report.problems) {
    if (p.slot < 0) {
      std::printf("  file: %s\n", p.what.c_str());
    } else {
      std::printf("  slot %d (id %d): %s\n", p.slot, p.id, p.what.c_str());
    }
  }
  if (!report.checksumValid)
    std::printf("a load repairs the file in memory and drops %d damaged records\n",
                report.droppedByRepair);
  if (report.problems.empty()) std::printf("no problems found\n");
  return report.problems.empty() ? 0 : 1;
}

struct Subcommand {
  const char* name;
  int (*run)(Arguments& args);
};

const Subcommand subcommands[] = {
    {"list", List},     {"show", Show},     {"add", Add},       {"delete", Delete},
    {"export", Export}, {"import", Import}, {"verify", Verify},
};

}  // namespace

int RunCharts(Arguments& args) {
  std::optional<std::string> home = args.Take("home");
  std::optional<std::string> action = args.TakePositional();
  SetStoreHome(home ? std::filesystem::path(*home) : DefaultStoreHome());
  if (StoreHome().empty()) return UsageError("no home folder: set HOME or give --home DIR");
  if (!action)
    return UsageError("charts needs an action: list, show, add, delete, export, import, verify");
  for (const Subcommand& s : subcommands) {
    if (*action == s.name) return s.run(args);
  }
  return UsageError("unknown charts action '" + *action + "'");
}

}  // namespace orrery::cli
