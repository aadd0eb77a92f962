// orrery-cli positions: for one Universal Time, delta T, Terrestrial Time, the
// true obliquity, Greenwich apparent sidereal time, and for every BodyTable
// entry the apparent geocentric and the heliocentric ecliptic position of date
// with the retrograde flag.
//
// Text output is for people (degrees, minutes, seconds, zodiac signs); --json
// prints one object with every angle in radians (latitudes signed) and every
// number with 17 significant digits.
#include "cli/positions_command.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "astro/apparent_positions.h"
#include "astro/earth_orientation.h"
#include "astro/time_scales.h"
#include "chart/factors.h"
#include "chart/object_info.h"
#include "cli/text_format.h"
#include "foundation/angles.h"
#include "foundation/calendar.h"
#include "foundation/localized_strings.h"
#include "foundation/numbers.h"
#include "foundation/wide_string.h"

namespace orrery::cli {

namespace {

// Reads exactly `width` digits at text[at].
std::optional<int> Digits(const std::string& text, std::size_t at, std::size_t width) {
  if (at + width > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// YYYY-MM-DDTHH:MM[:SS] in the given calendar; the problem text when it is not
// a real date and time.
std::optional<Mjd> ParseUniversalTime(const std::string& text, bool julian, std::string& problem) {
  problem = "--ut needs YYYY-MM-DDTHH:MM[:SS], not '" + text + "'";
  const bool withSeconds = text.size() == 19;
  if (text.size() != 16 && !withSeconds) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':') return std::nullopt;
  if (withSeconds && text[16] != ':') return std::nullopt;
  auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
  auto second = withSeconds ? Digits(text, 17, 2) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  problem = "--ut '" + text + "' is not a " + (julian ? "Julian" : "Gregorian") +
            " calendar date and time (years 0001 to 9999)";
  const int calendar = julian ? Julian : Gregorian;
  if (*year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > MonthLength(*year, *month, calendar) || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  problem.clear();
  double seconds = *hour * 3600.0 + *minute * 60.0 + *second;
  return CalendarToMjd(*year, *month, *day, seconds, calendar);
}

Mjd Now() {
  std::timespec now;
  std::timespec_get(&now, TIME_UTC);
  return UnixEpochMjd + (static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9) / 86400.0;
}

// An ecliptic longitude as degrees in its sign: 10°22'03.21" Capricorn.
std::string FormatLongitude(double longitude) {
  if (!std::isfinite(longitude)) return "-";
  double hundredths = std::round(Normalize2Pi(longitude) * ArcsecPerRadian * 100.0);
  long long total = static_cast<long long>(hundredths) % (360LL * 360000);
  int sign = static_cast<int>(total / (30 * 360000));
  char text[64];
  std::snprintf(text, sizeof text, "%2lld\u00b0%02lld'%02lld.%02lld\" %-11s",
                total / 360000 % 30, total / 6000 % 60, total / 100 % 60, total % 100,
                ToUtf8(LocalizedString(signInfo[sign + 1].nameStringId, English)).c_str());
  return text;
}

// A date and time as FormatDate shows it, with its time scale and calendar
// (Julian before 15 October 1582, Gregorian from then on):
// 2000-01-01 12:00:00.00 UT (Gregorian).
std::string FormatDateTime(Mjd mjd, const char* scale) {
  const bool julian = mjd < CalendarToMjd(1582, 10, 15, 0.0, Gregorian);
  return FormatDate(mjd) + " " + scale + (julian ? " (Julian)" : " (Gregorian)");
}

// A latitude as stored (negative ones as 2pi minus the magnitude), signed.
double SignedLatitude(double latitude) { return NormalizePi(latitude); }

struct Summary {
  Mjd mjdUt, mjdTt;
  double deltaT, obliquity, gast;
};

std::string PositionColumns(const Vec3& p) {
  char distance[32];
  std::snprintf(distance, sizeof distance, "%12.9f", p.z);
  return Pad(FormatLongitude(p.x), 26) + Pad(FormatDms(SignedLatitude(p.y), true), 15) + distance;
}

void PrintText(const Summary& s) {
  std::printf("Universal Time      %s   MJD %.6f\n", FormatDateTime(s.mjdUt, "UT").c_str(),
              s.mjdUt);
  std::printf("Delta T             %.2f s\n", s.deltaT);
  std::printf("Terrestrial Time    %s   MJD %.6f\n", FormatDateTime(s.mjdTt, "TT").c_str(),
              s.mjdTt);
  std::printf("True obliquity      %s\n", FormatDms(s.obliquity).c_str());
  std::printf("Sidereal time       %s (Greenwich, apparent)\n\n", FormatHms(s.gast).c_str());
  std::printf("%s%s%s%s%12s    %s%s%12s\n", Pad("Body", 16).c_str(), Pad("R", 3).c_str(),
              Pad("Geocentric longitude", 26).c_str(), Pad("Latitude", 15).c_str(),
              "Distance AU", Pad("Heliocentric longitude", 26).c_str(),
              Pad("Latitude", 15).c_str(), "Radius AU");
  for (int b = 0; b < BodyCount; ++b) {
    const BodyPosition& p = BodyTable[b];
    std::string line = std::string(objectInfo[b].abbreviation) + " " +
                       Pad(ToUtf8(LocalizedString(objectInfo[b].nameStringId, English)), 13) +
                       (p.retrograde ? "R  " : "   ");
    if (b == Ascendant || b == Midheaven) {
      line += "(depends on the place: see a chart)";
    } else {
      line += b == Earth ? Pad("-", 26 + 15 + 12) : PositionColumns(p.geocentric);
      if (b >= Mercury && b <= Pluto) line += "    " + PositionColumns(p.heliocentric);
    }
    std::printf("%s\n", line.c_str());
  }
}

void PrintJson(const Summary& s) {
  JsonWriter w;
  w.BeginObject();
  w.Key("mjdUt").Number(s.mjdUt).Key("mjdTt").Number(s.mjdTt).Key("deltaT").Number(s.deltaT);
  w.Key("obliquity").Number(s.obliquity).Key("gast").Number(s.gast);
  w.Key("bodies").BeginArray();
  for (int b = 0; b < BodyCount; ++b) {
    w.BeginObject();
    WriteBodyPosition(w, b);
    w.EndObject();
  }
  w.EndArray().EndObject();
  std::printf("%s\n", w.Text().c_str());
}

}  // namespace

void WriteBodyPosition(JsonWriter& w, int body) {
  const BodyPosition& p = BodyTable[body];
  w.Key("id").Integer(body).Key("abbr").String(std::string_view(objectInfo[body].abbreviation));
  w.Key("lon").Number(p.geocentric.x).Key("lat").Number(SignedLatitude(p.geocentric.y));
  w.Key("dist").Number(p.geocentric.z);
  w.Key("helioLon").Number(p.heliocentric.x).Key("helioLat").Number(SignedLatitude(p.heliocentric.y));
  w.Key("helioDist").Number(p.heliocentric.z);
  w.Key("retrograde").Bool(p.retrograde != 0);
}

int RunPositions(Arguments& args) {
  std::optional<std::string> ut = args.Take("ut");
  bool now = args.Flag("now");
  bool julian = args.Flag("julian");
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (ut.has_value() == now) return UsageError("positions needs either --ut or --now");
  if (now && julian) return UsageError("--julian applies to --ut only");

  Summary s;
  if (now) {
    s.mjdUt = Now();
  } else {
    std::string problem;
    std::optional<Mjd> mjd = ParseUniversalTime(*ut, julian, problem);
    if (!mjd) return UsageError(problem);
    s.mjdUt = *mjd;
  }
  // The same quantities, in the same order, as a chart computes them.
  s.deltaT = DeltaT(s.mjdUt);
  s.mjdTt = s.mjdUt + s.deltaT / 86400.0;
  s.gast = ApparentSiderealTime(s.mjdUt);
  s.obliquity = TrueObliquity(s.mjdUt);
  ComputeBodyPositions(s.mjdUt);

  if (json) {
    PrintJson(s);
  } else {
    PrintText(s);
  }
  return 0;
}

}  // namespace orrery::cli
