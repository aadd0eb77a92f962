#include "cli/command_help.h"

#include "foundation/version.h"

namespace orrery::cli {

namespace {

const OptionTable& RecordOptions() {
  static const OptionTable table = {
      {"name", "TEXT", "the chart's name (spaces are tidied; at most 31 characters are kept)"},
      {"date", "YYYY-MM-DD", "local date of birth, years 1 to 2129 (Gregorian unless --julian)"},
      {"time", "HH:MM", "local clock time of birth, 00:00 to 23:59"},
      {"julian", "", "the date is in the Julian calendar"},
      {"lat", "LAT", "latitude as degrees, N or S, minutes: 51N29, 22S18 (at most 77 degrees)"},
      {"lon", "LON", "longitude as degrees, E or W, minutes: 0W07, 64W41 (0 to 179 degrees)"},
      {"zone", "ZONE",
       "the time zone's offset from Universal Time, east positive, as a sign and H:MM: +1:00, "
       "-5:00 "
       "(default 0:00)"},
      {"dst", "OFFSET",
       "daylight-saving correction added to the clock time to reach standard time, as a sign and "
       "H:MM: -1:00 while summer time is in force (default 0:00)"},
      {"local-time", "", "the clock showed local mean time of the longitude (no --zone)"},
      {"corr", "DIST,UNIT,DIR",
       "moves the place DIST (0 to 9999) units towards a compass point: 7,km,WSW. Units: km, mi, "
       "nmi, usmi, bolt, cable, chain, furlong, league, nleague, skein; points: N, NNE, NE, ... "
       "NNW"},
  };
  return table;
}

const OptionTable& AtlasPlaceOptions() {
  static const OptionTable table = {
      {"city", "NAME",
       "takes the place, its zone and daylight saving at the moment of birth from the atlas "
       "(instead of --lat, --lon, --zone, --dst, --local-time)"},
      {"near", "LAT,LON",
       "with --city: of several cities of that name, the one nearest this point, in decimal "
       "degrees, north and east positive: 48.4,9.99"},
  };
  return table;
}

const OptionTable& SettingsOptions() {
  static const OptionTable table = {
      {"house-system", "SYSTEM",
       "placidus (default), koch, equal, vehlow, campanus, regiomontanus or porphyry, or 0 to 6; "
       "beyond the polar circles Placidus and Koch give way to Porphyry"},
      {"rulership", "RULERS", "the planetary rulers of the signs: modern (default) or old"},
      {"lang", "LANG", "language of the astrological terms: en (default) or de"},
  };
  return table;
}

const OptionTable& JsonOption() {
  static const OptionTable table = {{"json", "", "prints JSON instead of text"}};
  return table;
}

const OptionTable& HomeOption() {
  static const OptionTable table = {
      {"home", "DIR",
       "the folder of the chart file and settings (default $XDG_DATA_HOME/orrery, or "
       "~/.local/share/orrery)"},
  };
  return table;
}

std::vector<CommandHelp> BuildCommands() {
  return {
      {"help",
       "help [COMMAND [ACTION]]\nhelp --all",
       "shows the help of orrery-cli or of one command",
       {{"all", "", "every command's help, one after the other"}},
       "orrery-cli help COMMAND shows what orrery-cli COMMAND --help shows.\n",
       "orrery-cli help charts add\n",
       "0 shown, 2 no such command"},
      {"positions",
       "positions --ut YYYY-MM-DDTHH:MM[:SS] [--julian] [--json]\npositions --now [--json]",
       "apparent positions of every body at one moment",
       {{"ut", "MOMENT",
         "the moment in Universal Time: YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS, years 0001 to "
         "9999"},
        {"now", "", "the present moment of the system clock"},
        {"julian", "", "the --ut date is in the Julian calendar (default Gregorian)"},
        {"json", "", "prints one JSON object, every angle in radians"}},
       "Prints delta T, Terrestrial Time, the true obliquity, Greenwich apparent\n"
       "sidereal time and, for every body, the apparent geocentric and the\n"
       "heliocentric ecliptic longitude and latitude of date.\n",
       "orrery-cli positions --ut 2000-01-01T12:00\n",
       "0 done, 2 bad arguments"},
      {"chart",
       "chart --name TEXT --date YYYY-MM-DD --time HH:MM\n"
       "      (--lat LAT --lon LON [--zone ZONE] | --city NAME) [OPTIONS]\n"
       "chart --batch FILE|- [OPTIONS]\n"
       "chart --sample N [OPTIONS]",
       "computes a birth chart (or a batch of them)",
       JoinOptions({RecordOptions(),
                    AtlasPlaceOptions(),
                    SettingsOptions(),
                    {{"json", "", "prints one JSON object, every angle in radians"},
                     {"batch", "FILE",
                      "computes one chart per CSV line of FILE (- for standard input) and prints "
                      "one JSON object per line"},
                     {"sample", "N", "computes the built-in sample chart N, 0 to 4"}}}),
       "Prints the birth data, time scales, bodies with sign and house, cusps,\n"
       "aspects with their orbs and the traditional factors.\n"
       "\n"
       "A birth record needs --name, --date and --time, and either --lat and --lon\n"
       "(with --zone, or --local-time) or --city. A batch file's lines hold the\n"
       "columns name, year, month, day, hour, minute, calendar (0 Gregorian,\n"
       "1 Julian), latDeg, latMin, north (1 or 0), lonDeg, lonMin, east (1 or 0),\n"
       "zoneH, zoneM, zonePlus, dstH, dstM, dstPlus, localTime, corrDistance,\n"
       "corrUnit, corrDirection, houseSystem (may be empty); a first line starting\n"
       "\"name,\" is skipped. A line that fails gives {\"line\":N,\"error\":\"...\"}.\n",
       "orrery-cli chart --sample 1 --house-system koch --lang de\n"
       "orrery-cli chart --name Ada --date 1950-07-01 --time 12:00 --city Ulm\n",
       "0 done, 1 a batch line failed, 2 bad arguments"},
      {"charts", "charts [--home DIR] ACTION [ARGUMENTS]",
       "the stored charts: list, show, add, delete, export, import, verify", HomeOption(),
       "The chart file holds up to 200 charts; every change is written at once,\n"
       "atomically. Each action has its own help: orrery-cli charts ACTION --help.\n",
       "orrery-cli charts --home ~/charts list\n",
       "0 done, 1 the action failed (see the action's help), 2 bad arguments"},
      {"charts list", "charts list [--json]",
       "lists id, name, date and place of every stored chart",
       JoinOptions(
           {HomeOption(), {{"json", "", "prints one JSON array of {id, name, date, place}"}}}),
       "", "orrery-cli charts list --json\n", "0 done, 2 bad arguments"},
      {"charts show", "charts show ID [OPTIONS]",
       "computes a stored chart and prints it as orrery-cli chart does",
       JoinOptions({HomeOption(), SettingsOptions(), JsonOption()}),
       "ID is the id orrery-cli charts list shows.\n", "orrery-cli charts show 6 --lang de\n",
       "0 done, 1 no stored chart with that id, 2 bad arguments"},
      {"charts add",
       "charts add --name TEXT --date YYYY-MM-DD --time HH:MM\n"
       "      (--lat LAT --lon LON [--zone ZONE] | --city NAME) [OPTIONS]",
       "stores a new chart and prints its id",
       JoinOptions(
           {HomeOption(),
            RecordOptions(),
            AtlasPlaceOptions(),
            {{"country", "TEXT", "the country's name of a typed place (at most 48 characters)"},
             {"state", "TEXT", "the state's name of a typed place (at most 48 characters)"},
             {"city-name", "TEXT", "the city's name of a typed place (at most 65 characters)"},
             {"sex", "SEX", "neutral (default), male or female"}}}),
       "A birth record needs --name, --date and --time, and either --lat and --lon\n"
       "(with --zone, or --local-time) or --city, which brings its own place names.\n",
       "orrery-cli charts add --name Ada --date 1950-03-01 --time 09:05 --city Ulm\n",
       "0 stored, 1 the store is full or the chart file cannot be written, 2 bad arguments"},
      {"charts delete", "charts delete ID", "deletes a stored chart", HomeOption(), "",
       "orrery-cli charts delete 6\n",
       "0 deleted, 1 no stored chart with that id or the chart file cannot be written, 2 bad "
       "arguments"},
      {"charts export", "charts export ID|all --json", "prints one stored chart, or all, as JSON",
       JoinOptions({HomeOption(), {{"json", "", "JSON output (required)"}}}),
       "The records come out as orrery-cli charts import reads them.\n",
       "orrery-cli charts export all --json > charts.json\n",
       "0 done, 1 no stored chart with that id, 2 bad arguments"},
      {"charts import", "charts import FILE|-",
       "stores the charts of a JSON file under new ids, all or none", HomeOption(),
       "FILE (at most 16 MB; - for standard input) holds one chart object or an\n"
       "array of them, as orrery-cli charts export writes them. Every chart is\n"
       "checked before any is stored. Prints the new ids.\n",
       "orrery-cli charts import charts.json\n",
       "0 stored, 1 the store has no room for them all or the chart file cannot be written, 2 bad "
       "arguments or a bad file (nothing is stored)"},
      {"charts verify", "charts verify",
       "checks the chart file and reports damage, changing nothing", HomeOption(), "",
       "orrery-cli charts verify\n",
       "0 no problems, 1 problems found or the file cannot be read, 2 bad arguments"},
      {"atlas",
       "atlas ACTION [ARGUMENTS]",
       "searches the world atlas; places and time zones for a moment",
       {},
       "The atlas (GeoNames places, IANA time-zone history) is part of the program.\n"
       "Each action has its own help: orrery-cli atlas ACTION --help.\n",
       "orrery-cli atlas search Ulm\n",
       "0 done, 1 the action failed (see the action's help), 2 bad arguments"},
      {"atlas search",
       "atlas search TEXT",
       "lists the 8 cities from the typed text on, in the atlas's order",
       {},
       "",
       "orrery-cli atlas search München\n",
       "0 done, 1 the atlas cannot be opened, 2 bad arguments"},
      {"atlas city",
       "atlas city NAME --lat LAT --lon LON",
       "shows the city of that name at that position",
       {{"lat", "LAT", "latitude as degrees, N or S, minutes: 48N24"},
        {"lon", "LON", "longitude as degrees, E or W, minutes: 9E59"}},
       "",
       "orrery-cli atlas city Ulm --lat 48N24 --lon 9E59\n",
       "0 found, 1 no such city, 2 bad arguments"},
      {"atlas entry",
       "atlas entry --name NAME [--near LAT,LON]\n"
       "      --moment YYYY-MM-DDTHH:MM [--json]\n"
       "atlas entry --batch FILE|-",
       "a city's place, time zone and daylight saving at a local moment",
       {{"name", "NAME", "the city's name"},
        {"near", "LAT,LON",
         "of several cities of that name, the one nearest this point, in decimal degrees, north "
         "and "
         "east positive: 39.8,-89.6 (default: the most populous)"},
        {"moment", "MOMENT", "the local moment: YYYY-MM-DDTHH:MM, years 1 to 2129"},
        {"json", "", "prints one JSON object"},
        {"batch", "FILE",
         "one city per line of FILE (- for standard input): NAME, LAT, LON (decimal degrees) and "
         "MOMENT, tab-separated; prints one JSON object per line"}},
       "",
       "orrery-cli atlas entry --name Ulm --moment 1950-07-01T12:00 --json\n",
       "0 done, 1 no such city or a batch line failed, 2 bad arguments"},
      {"atlas regions",
       "atlas regions",
       "lists the atlas's regions",
       {},
       "",
       "orrery-cli atlas regions\n",
       "0 done, 2 bad arguments"},
      {"atlas countries",
       "atlas countries REGION",
       "lists the countries of a region (1 to 9 or its name)",
       {},
       "",
       "orrery-cli atlas countries Europe\n",
       "0 done, 1 the atlas cannot be opened, 2 bad arguments or no such region"},
      {"atlas provinces",
       "atlas provinces COUNTRY",
       "lists the provinces of a country (1 to 239 or its name)",
       {},
       "",
       "orrery-cli atlas provinces Germany\n",
       "0 done, 1 no such country, 2 bad arguments"},
      {"atlas stats",
       "atlas stats",
       "the atlas's size and the sources it was built from",
       {},
       "",
       "orrery-cli atlas stats\n",
       "0 done, 1 the atlas cannot be opened, 2 bad arguments"},
      {"render",
       "render --view VIEW --out FILE.png --sample N [OPTIONS]\n"
       "render --view VIEW --out FILE.png --name TEXT\n"
       "      --date YYYY-MM-DD --time HH:MM --lat LAT --lon LON [--zone ZONE]\n"
       "      [OPTIONS]",
       "one view of a chart as the program shows it, as PNG",
       JoinOptions({{{"view", "VIEW", "info, wheel, planets, aspects or cusps"},
                     {"stop", "N", "the scroll stop of a text view, 0 to 7 (default 0)"},
                     {"out", "FILE", "the PNG file to write (240 x 320 pixels)"},
                     {"sample", "N", "renders the built-in sample chart N, 0 to 4"}},
                    RecordOptions(),
                    SettingsOptions()}),
       "", "orrery-cli render --sample 0 --view wheel --out wheel.png\n",
       "0 written, 1 the file cannot be written, 2 bad arguments"},
  };
}

// The usage forms, a line starting with spaces continuing the one before:
// for the help "Usage: orrery-cli ..." and "   or: orrery-cli ...", for the
// manual page each form on one line of its own.
std::string UsageText(std::string_view usage, bool manual) {
  std::string out;
  std::string_view prefix = "Usage: ";
  for (std::string_view line : Lines(usage)) {
    const bool continued = line.starts_with(' ');
    if (continued) line.remove_prefix(line.find_first_not_of(' '));
    if (manual) {
      out += continued ? " " : (out.empty() ? "  orrery-cli " : "\n\n  orrery-cli ");
    } else {
      out += continued ? "\n        "
                       : (out.empty() ? "" : "\n") + std::string(prefix) + "orrery-cli ";
      prefix = "   or: ";
    }
    out += line;
  }
  return out + "\n";
}

std::string ExamplesText(std::string_view examples) {
  std::string out;
  for (std::string_view line : Lines(examples)) out += "  $ " + std::string(line) + "\n";
  return out;
}

std::string Capitalised(std::string_view text) {
  std::string out(text);
  if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') out[0] = char(out[0] - 'a' + 'A');
  return out + ".";
}

// The command's help; for the manual page without the headings help2man
// would take for sections of the page ("Options:", "Examples:").
std::string CommandText(const CommandHelp& command, bool manual) {
  std::string out =
      UsageText(command.usage, manual) + "\n" + WrapText(Capitalised(command.summary));
  if (std::vector<const CommandHelp*> actions = ActionsOf(command.path); !actions.empty()) {
    std::vector<HelpRow> rows;
    for (const CommandHelp* action : actions)
      rows.push_back({std::string(ActionName(*action)), action->summary});
    out += "\nActions:\n" + FormatRows(rows);
  }
  out += (manual ? "\n" : "\nOptions:\n") +
         FormatOptions(JoinOptions({command.options, {HelpEntry}}));
  if (!command.details.empty()) out += "\n" + std::string(command.details);
  out += "\n" + WrapText("Exit status: " + std::string(command.exitStatus) + ".");
  if (!command.examples.empty())
    out += std::string(manual                               ? "\n"
                       : Lines(command.examples).size() > 1 ? "\nExamples:\n"
                                                            : "\nExample:\n") +
           ExamplesText(command.examples);
  return out;
}

std::string OverviewHead() {
  std::vector<HelpRow> rows;
  for (const CommandHelp& c : CommandHelps()) {
    if (IsTopCommand(c))
      rows.push_back({std::string(c.path), c.summary});
  }
  return "Usage: orrery-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
         "   or: orrery-cli help [COMMAND [ACTION]]\n"
         "\n"
         "Natal astrology from the command line: the chart engine, world atlas and\n"
         "chart store of the orrery program.\n"
         "\nCommands:\n" +
         FormatRows(rows);
}

std::string OverviewTail() {
  return "\nOptions:\n" +
         FormatRows(
             {{"--help, -h", "shows this help (orrery-cli COMMAND --help: a command's help)"},
              {"--version", "shows the version"}}) +
         "\n"
         "Exit status:\n"
         "  0  done\n"
         "  1  the command failed (no such chart or city, a file cannot be read or\n"
         "     written, a batch line failed, verify found damage)\n"
         "  2  bad arguments\n"
         "\n"
         "Charts and settings live in $XDG_DATA_HOME/orrery (by default\n"
         "~/.local/share/orrery) or the folder given with charts --home DIR.\n"
         "\n"
         "Examples:\n" +
         ExamplesText("orrery-cli chart --sample 0\norrery-cli chart --help\n");
}

}  // namespace

const std::vector<CommandHelp>& CommandHelps() {
  static const std::vector<CommandHelp> commands = BuildCommands();
  return commands;
}

const CommandHelp* FindCommandHelp(std::string_view path) {
  for (const CommandHelp& command : CommandHelps()) {
    if (command.path == path) return &command;
  }
  return nullptr;
}

std::vector<const CommandHelp*> ActionsOf(std::string_view command) {
  std::vector<const CommandHelp*> actions;
  for (const CommandHelp& c : CommandHelps()) {
    if (c.path.size() > command.size() && c.path.starts_with(command) &&
        c.path[command.size()] == ' ')
      actions.push_back(&c);
  }
  return actions;
}

std::string CommandHelpText(const CommandHelp& command) { return CommandText(command, false); }

std::string OverviewHelpText() { return OverviewHead() + OverviewTail(); }

std::string FullHelpText() {
  std::string out = OverviewHead();
  for (const CommandHelp& c : CommandHelps())
    out += "\nCommand " + std::string(c.path) + ":\n" + CommandText(c, true);
  return out + OverviewTail();
}

std::string VersionText() { return "orrery-cli " + std::string(ProgramVersion) + "\n"; }

}  // namespace orrery::cli
