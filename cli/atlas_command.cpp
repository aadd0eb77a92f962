// orrery-cli atlas: searches, entries for a moment (one or a batch, as text
// or JSON), the region, country and province lists, and the atlas's size and
// sources.
#include "cli/atlas_command.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_data.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas/daylight_saving.h"
#include "atlas/name_normalise.h"
#include "cli/atlas_place.h"
#include "cli/json_writer.h"
#include "cli/record_options.h"
#include "cli/text_format.h"
#include "foundation/input_file.h"
#include "foundation/wide_string.h"

namespace orrery::cli {

namespace {

constexpr int SearchRows = 8;

std::string Text(const char16_t* text) { return ToUtf8(text); }

std::string Coordinates(const AtlasCursor& c) {
  return FormatPlace(c.latDegrees, c.latMinutes, c.north, c.lonDegrees, c.lonMinutes, c.east);
}

// The city last read: name, province, country and position, one line.
void PrintCityLine() {
  std::string place = Text(atlasCursor.countryName);
  if (atlasCursor.provinceName[0] != 0) place = Text(atlasCursor.provinceName) + ", " + place;
  std::printf("%s%s%s\n", Pad(Text(atlasCursor.cityName), 32).c_str(), Pad(place, 56).c_str(),
              Coordinates(atlasCursor).c_str());
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "orrery-cli: %s\n", message.c_str());
  return 1;
}

int OpenOrFail() {
  int code = OpenAtlas();
  if (code != 0) Fail("the atlas cannot be opened (error " + std::to_string(code) + ")");
  return code;
}

int RunSearch(Arguments& args) {
  std::optional<std::string> text = args.TakePositional();
  if (!text) return UsageError("atlas search needs a TEXT");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (OpenOrFail() != 0) return 1;
  SeekCityName(FromUtf8(*text).c_str());
  for (int row = 0; row < SearchRows && ReadCity(ReadEverything) != 0; ++row) PrintCityLine();
  return 0;
}

int RunCity(Arguments& args) {
  std::optional<std::string> name = args.TakePositional();
  std::optional<std::string> lat = args.Take("lat"), lon = args.Take("lon");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!name) return UsageError("atlas city needs a NAME");
  if (!lat || !lon) return UsageError("atlas city needs --lat and --lon");
  int latDegrees, latMinutes, north, lonDegrees, lonMinutes, east;
  if (!ParseCoordinate(*lat, 'N', 'S', latDegrees, latMinutes, north)) {
    return UsageError("invalid --lat '" + *lat + "' (expected degrees, N or S, minutes, e.g. 48N24)");
  }
  if (!ParseCoordinate(*lon, 'E', 'W', lonDegrees, lonMinutes, east)) {
    return UsageError("invalid --lon '" + *lon + "' (expected degrees, E or W, minutes, e.g. 10E00)");
  }
  if (OpenOrFail() != 0) return 1;
  atlasCursor.refLatDegrees = latDegrees;
  atlasCursor.refLatMinutes = latMinutes;
  atlasCursor.refNorth = north;
  atlasCursor.refLonDegrees = lonDegrees;
  atlasCursor.refLonMinutes = lonMinutes;
  atlasCursor.refEast = east;
  AtlasRef ref = FindAtlasCity(FromUtf8(*name).c_str());
  if (ref == 0) return Fail("no city named '" + *name + "' at " + *lat + " " + *lon);
  atlasCursor.position = RefPosition(ref);
  ReadCity(ReadEverything);
  PrintCityLine();
  return 0;
}

std::string EntryJson() {
  const AtlasCursor& c = atlasCursor;
  JsonWriter w;
  w.BeginObject();
  w.Key("country").String(std::u16string_view(c.countryName));
  w.Key("province").String(std::u16string_view(c.provinceName));
  w.Key("city").String(std::u16string_view(c.cityName));
  w.Key("latDeg").Integer(c.latDegrees).Key("latMin").Integer(c.latMinutes).Key("north").Integer(c.north);
  w.Key("lonDeg").Integer(c.lonDegrees).Key("lonMin").Integer(c.lonMinutes).Key("east").Integer(c.east);
  w.Key("zoneHours").Integer(c.zoneHours).Key("zoneMinutes").Integer(c.zoneMinutes);
  w.Key("zonePlus").Integer(c.zonePlus);
  w.Key("dstHours").Integer(c.dstHours).Key("dstMinutes").Integer(c.dstMinutes);
  w.Key("dstPlus").Integer(c.dstPlus);
  w.Key("localMeanTime").Integer(c.localMeanTime).Key("dateGap").Integer(c.dateGap);
  w.EndObject();
  return w.Text();
}

void PrintEntryText() {
  const AtlasCursor& c = atlasCursor;
  std::printf("City              %s\n", Text(c.cityName).c_str());
  std::printf("Province          %s\n", Text(c.provinceName).c_str());
  std::printf("Country           %s\n", Text(c.countryName).c_str());
  std::printf("Position          %s\n", Coordinates(c).c_str());
  std::printf("Zone              %s\n", c.localMeanTime ? "local mean time"
                                         : FormatOffset(c.zoneHours, c.zoneMinutes, c.zonePlus).c_str());
  std::printf("Daylight saving   %s\n", FormatOffset(c.dstHours, c.dstMinutes, c.dstPlus).c_str());
  if (c.dateGap) std::printf("The date falls into the place's calendar changeover gap.\n");
}

std::string ErrorJson(const std::string& message) {
  JsonWriter w;
  w.BeginObject().Key("error").String(message).EndObject();
  return w.Text();
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char ch : line) {
    if (ch == '\t') {
      fields.emplace_back();
    } else if (ch != '\r') {
      fields.back() += ch;
    }
  }
  return fields;
}

// One batch line: NAME, LAT, LON (decimal degrees), local MOMENT.
std::string BatchLine(const std::string& line) {
  std::vector<std::string> f = SplitTabs(line);
  if (f.size() != 4) return ErrorJson("expected 4 tab-separated columns, found " + std::to_string(f.size()));
  std::optional<DecimalPosition> near = ParseNear(f[1] + "," + f[2]);
  if (!near) return ErrorJson("invalid position '" + f[1] + "', '" + f[2] + "'");
  std::optional<AtlasMoment> moment = ParseMoment(f[3]);
  if (!moment) return ErrorJson("invalid moment '" + f[3] + "' (expected YYYY-MM-DDTHH:MM)");
  if (std::string problem = LoadCityEntry(f[0], near, *moment); !problem.empty()) return ErrorJson(problem);
  return EntryJson();
}

int RunBatch(std::istream& in) {
  int status = 0;
  std::string line;
  for (LineRead read; (read = ReadBoundedLine(in, line, MaxBatchLine)) != LineRead::End;) {
    if (read == LineRead::TooLong) {
      // The rest of such an input is no batch: it ends here.
      std::printf("%s\n", ErrorJson("line longer than " + std::to_string(MaxBatchLine) +
                                     " bytes; the batch stops here").c_str());
      return 1;
    }
    if (line.empty() || line[0] == '#' || line == "\r") continue;
    std::string out = BatchLine(line);
    if (out.rfind("{\"error\"", 0) == 0) status = 1;
    std::printf("%s\n", out.c_str());
  }
  return status;
}

int RunEntry(Arguments& args) {
  std::optional<std::string> batch = args.Take("batch");
  std::optional<std::string> name = args.Take("name"), near = args.Take("near"),
                             moment = args.Take("moment");
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (batch) {
    if (name || near || moment) return UsageError("--batch takes no --name, --near or --moment");
    if (*batch == "-") return RunBatch(std::cin);
    std::ifstream file;
    if (std::string problem = OpenInputFile(*batch, file); !problem.empty())
      return UsageError("--batch: " + problem);
    return RunBatch(file);
  }
  if (!name) return UsageError("missing --name");
  if (!moment) return UsageError("missing --moment");
  std::optional<AtlasMoment> m = ParseMoment(*moment);
  if (!m) return UsageError("invalid --moment '" + *moment + "' (expected YYYY-MM-DDTHH:MM)");
  std::optional<DecimalPosition> position;
  if (std::string problem = ParseNearOption(near, position); !problem.empty()) return UsageError(problem);
  if (std::string problem = LoadCityEntry(*name, position, *m); !problem.empty()) return Fail(problem);
  if (json) {
    std::printf("%s\n", EntryJson().c_str());
  } else {
    PrintEntryText();
  }
  return 0;
}

int RunRegions(Arguments& args) {
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  for (int region = 1; region <= AtlasRegions; ++region) {
    std::printf("%d  %s\n", region, Text(RegionName(region)).c_str());
  }
  return 0;
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.size() <= 3 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// A region by number (1..9) or name, 0 when there is none.
int FindRegion(const std::string& text) {
  if (IsNumber(text)) {
    int region = std::stoi(text);
    return region >= 1 && region <= AtlasRegions ? region : 0;
  }
  for (int region = 1; region <= AtlasRegions; ++region) {
    if (SameName(FromUtf8(text).c_str(), RegionName(region))) return region;
  }
  return 0;
}

// A country by number (1..239) or name, as a country ref; 0 when there is none.
AtlasRef FindCountry(const std::string& text) {
  if (IsNumber(text)) {
    AtlasRef ref = MakeAtlasRef(0, std::stoi(text), 0, 0);
    CountryName(ref);
    return atlasCursor.countryName[0] != 0 ? ref : 0;
  }
  for (int region = 1; region <= AtlasRegions; ++region) {
    StartCountries(RegionRef(region));
    for (AtlasRef c = NextCountry(); c != 0; c = NextCountry()) {
      if (SameName(FromUtf8(text).c_str(), atlasCursor.countryName)) return c;
    }
  }
  return 0;
}

int RunCountries(Arguments& args) {
  std::optional<std::string> text = args.TakePositional();
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!text) return UsageError("atlas countries needs a REGION (1..9 or its name)");
  int region = FindRegion(*text);
  if (region == 0) return UsageError("unknown region '" + *text + "'");
  if (OpenOrFail() != 0) return 1;
  StartCountries(RegionRef(region));
  for (AtlasRef c = NextCountry(); c != 0; c = NextCountry()) {
    std::printf("%3d  %s%d provinces\n", RefCountry(c), Pad(Text(atlasCursor.countryName), 32).c_str(),
                ProvinceCount(c));
  }
  return 0;
}

int RunProvinces(Arguments& args) {
  std::optional<std::string> text = args.TakePositional();
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!text) return UsageError("atlas provinces needs a COUNTRY (1..239 or its name)");
  if (OpenOrFail() != 0) return 1;
  AtlasRef country = FindCountry(*text);
  if (country == 0) return Fail("no country '" + *text + "' in the atlas");
  for (int k = 1; k <= ProvinceCount(country); ++k) {
    ProvinceRef(country, k);
    std::printf("%3d  %s\n", k, Text(atlasCursor.provinceName).c_str());
  }
  return 0;
}

int RunStats(Arguments& args) {
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (OpenOrFail() != 0) return 1;
  int countries = 0, provinces = 0;
  for (int region = 1; region <= AtlasRegions; ++region) {
    StartCountries(RegionRef(region));
    for (AtlasRef c = NextCountry(); c != 0; c = NextCountry()) {
      ++countries;
      provinces += ProvinceCount(c);
    }
  }
  const AtlasLayout& atlas = OpenedAtlas();
  std::printf("Blob size             %u bytes\n", atlas.blobBytes);
  std::printf("Stream                %d units\n", atlas.stream.unitCount);
  std::printf("Countries             %d\n", countries);
  std::printf("Provinces             %d\n", provinces);
  std::printf("City records          %d (positions %d to %d)\n", atlas.cityCount, atlas.firstCity,
              atlas.lastCity);
  std::printf("City index entries    %d\n", atlas.indexLength);
  std::printf("Daylight-saving rules %zu\n", DaylightSavingRules().size());
  std::string manifest(EmbeddedAtlasManifest());
  if (!manifest.empty() && manifest.back() != '\n') manifest += '\n';
  std::printf("\nBuilt from (data/atlas/manifest.txt):\n%s", manifest.c_str());
  return 0;
}

struct Subcommand {
  const char* name;
  int (*run)(Arguments& args);
};

const Subcommand subcommands[] = {
    {"search", RunSearch},       {"city", RunCity},       {"entry", RunEntry},
    {"regions", RunRegions},     {"countries", RunCountries}, {"provinces", RunProvinces},
    {"stats", RunStats},
};

}  // namespace

int RunAtlas(Arguments& args) {
  std::optional<std::string> name = args.TakePositional();
  if (!name) {
    return UsageError("atlas needs a sub-command: search, city, entry, regions, countries, provinces, stats");
  }
  for (const Subcommand& s : subcommands) {
    if (*name == s.name) return s.run(args);
  }
  return UsageError("unknown atlas sub-command '" + *name + "'");
}

}  // namespace orrery::cli
