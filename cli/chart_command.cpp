// orrery-cli chart: one birth record through ComputeChart, printed for people
// (birth data, time scales, planets with sign and house, cusps, aspects with
// their orbs, factor tallies and dignities, in the chosen language) or as one
// JSON object with every angle in radians. Batch mode reads CSV lines and
// prints one JSON object per line.
#include "cli/chart_command.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "chart/aspects.h"
#include "chart/chart_slot.h"
#include "chart/compute_chart.h"
#include "chart/factors.h"
#include "chart/house_systems.h"
#include "chart/live_settings.h"
#include "chart/object_info.h"
#include "chart/position_correction.h"
#include "cli/json_writer.h"
#include "cli/positions_command.h"
#include "cli/record_options.h"
#include "cli/text_format.h"
#include "foundation/angles.h"
#include "foundation/input_file.h"
#include "foundation/localized_strings.h"
#include "foundation/numbers.h"
#include "foundation/wide_string.h"
#include "store/sample_charts.h"

namespace orrery::cli {

namespace {

constexpr int FirstDignityLabelId = 52;
const char* const ElementNames[ElementCount] = {"Fire", "Air", "Water", "Earth"};
const char* const ModalityNames[ModalityCount] = {"Cardinal", "Fixed", "Mutable"};

std::string Term(int stringId) { return ToUtf8(LocalizedString(stringId)); }

std::string BodyLabel(int body) {
  return std::string(objectInfo[body].abbreviation) + " " + Term(objectInfo[body].nameStringId);
}

// Earth has no geocentric place: it is listed nowhere among the chart's
// positions and aspects.
bool Listed(int body) { return body != Earth; }

// Degrees and whole minutes (truncated, as the chart views show them).
std::string FormatDm(double radians) {
  DegreesMinutes dm = RadiansToDm(radians);
  char text[32];
  std::snprintf(text, sizeof text, "%d\u00b0%02d'", dm.degrees, std::abs(dm.minutes));
  return text;
}

// A longitude as degrees and minutes within its sign: 18°21' Leo.
std::string ZodiacPosition(double longitude) {
  double l = Normalize2Pi(longitude);
  if (l == TwoPi) l = 0.0;
  int sign = SignNumber(l);
  return Pad(FormatDm(l - (sign - 1) * Deg30), 7) + " " + Term(signInfo[sign].nameStringId);
}

void PrintBirthData(const ChartRecord& r, const ChartData& c) {
  std::printf("%s\n", ToUtf8(r.name).c_str());
  std::printf("Local time        %04d-%02d-%02d %02d:%02d %s\n", r.year, r.month, r.day, r.hour,
              r.minute, r.calendar == Julian ? "Julian" : "Gregorian");
  std::printf("Place             %s\n",
              FormatPlace(r.latDegrees, r.latMinutes, r.north, r.lonDegrees, r.lonMinutes, r.east).c_str());
  if (r.corrDistance > 0) {
    std::printf("Corrected place   %s (%d %s %s)\n",
                FormatPlace(c.corrLatDegrees, c.corrLatMinutes, c.corrNorth, c.corrLonDegrees,
                            c.corrLonMinutes, c.corrEast)
                    .c_str(),
                r.corrDistance, DistanceUnitShortName(r.corrUnit),
                compassDirections[r.corrDirection].shortLabel);
  }
  std::string zone = r.localTime ? std::string("local mean time")
                                 : FormatOffset(r.zoneHours, r.zoneMinutes, r.zonePlus);
  std::printf("Zone              %s, daylight saving %s\n", zone.c_str(),
              FormatOffset(r.dstHours, r.dstMinutes, r.dstPlus).c_str());
}

void PrintTimeScales(const ChartData& c) {
  std::printf("Universal Time    %s UT   MJD %.6f\n", FormatDate(c.mjdUt).c_str(), c.mjdUt);
  std::printf("Delta T           %.2f s\n", c.deltaT);
  std::printf("Terrestrial Time  %s TT   MJD %.6f\n", FormatDate(c.mjdTt).c_str(), c.mjdTt);
  std::printf("Sidereal time     %s Greenwich, %s local\n", FormatHms(c.gast).c_str(),
              FormatHms(c.lst).c_str());
  std::printf("True obliquity    %s\n", FormatDms(c.obliquity).c_str());
  int used = HouseSystemUsed(currentHouseSystem, CorrectedLatitude(c), c.obliquity);
  std::string system = Term(houseSystemInfo[EffectiveHouseSystem(currentHouseSystem)].nameStringId);
  if (used != EffectiveHouseSystem(currentHouseSystem))
    system += " (polar latitude: " + Term(houseSystemInfo[used].nameStringId) + ")";
  std::printf("House system      %s\n\n", system.c_str());
}

void PrintBodies() {
  std::printf("%s%s%s%s\n", Pad("Body", 20).c_str(), Pad("Position", 24).c_str(), Pad("R", 3).c_str(),
              "House");
  for (int b = 0; b < BodyCount; ++b) {
    if (!Listed(b)) continue;
    std::printf("%s%s%s%d\n", Pad(BodyLabel(b), 20).c_str(),
                Pad(ZodiacPosition(BodyTable[b].geocentric.x), 24).c_str(),
                BodyTable[b].retrograde ? "R  " : "   ", HouseNumber(b));
  }
}

void PrintCusps(const ChartData& c) {
  std::printf("\nCusps\n");
  for (int k = 0; k < HouseCount / 2; ++k) {
    std::printf("%2d  %s%2d  %s\n", k + 1, Pad(ZodiacPosition(c.cusps[k]), 24).c_str(), k + 7,
                ZodiacPosition(c.cusps[k + 6]).c_str());
  }
}

void PrintAspects(const ChartData& c) {
  std::printf("\nAspects\n");
  for (int i = 0; i < BodyCount; ++i) {
    for (int j = i + 1; j < BodyCount; ++j) {
      int kind = c.aspects[i][j];
      if (kind == NoAspect || !Listed(i) || !Listed(j)) continue;
      double separation = Separation(BodyTable[i].geocentric.x, BodyTable[j].geocentric.x);
      double orb = std::fabs(separation - aspectInfo[kind].angle * DegToRad);
      std::printf("%s%s%sorb %s\n", Pad(BodyLabel(i), 20).c_str(),
                  Pad(Term(aspectInfo[kind].nameStringId), 20).c_str(), Pad(BodyLabel(j), 20).c_str(),
                  FormatDm(orb).c_str());
    }
  }
}

void PrintFactors(const ChartData& c) {
  const FactorTallies& t = c.factors;
  std::printf("\nTraditional factors (%s)\n", Term(59 + (rulershipIndex == 1)).c_str());
  std::printf("Positive %d, negative %d\n", t.positiveTotal, t.negativeTotal);
  std::printf("%s", Pad("", 10).c_str());
  for (const char* m : ModalityNames) std::printf("%10s", m);
  std::printf("%10s\n", "Total");
  for (int e = 0; e <= ElementCount; ++e) {
    std::printf("%s", Pad(e < ElementCount ? ElementNames[e] : "Total", 10).c_str());
    for (int m = 0; m < ModalityCount; ++m) std::printf("%10d", t.elementModality[e][m]);
    if (e < ElementCount) std::printf("%10d", t.elementModality[e][ModalityCount]);
    std::printf("\n");
  }
  std::printf("Quadrants  houses 1-3: %d, 4-6: %d, 7-9: %d, 10-12: %d\n", t.quadrant[0], t.quadrant[1],
              t.quadrant[2], t.quadrant[3]);
  for (int bit = 0; bit < 5; ++bit) {
    std::string bodies;
    for (int b = 0; b < BodyCount; ++b) {
      if (Listed(b) && (t.dignity[b] & (1 << bit))) bodies += (bodies.empty() ? "" : ", ") + BodyLabel(b);
    }
    if (!bodies.empty()) std::printf("%s%s\n", Pad(Term(FirstDignityLabelId + bit), 16).c_str(), bodies.c_str());
  }
}

void PrintText(const ChartSlot& slot) {
  PrintBirthData(slot.record, slot.data);
  PrintTimeScales(slot.data);
  PrintBodies();
  PrintCusps(slot.data);
  PrintAspects(slot.data);
  PrintFactors(slot.data);
}

std::string ChartJson(const ChartData& c) {
  JsonWriter w;
  w.BeginObject();
  w.Key("mjdLocal").Number(c.mjdLocal).Key("mjdDst").Number(c.mjdDst);
  w.Key("mjdUt").Number(c.mjdUt).Key("mjdTt").Number(c.mjdTt).Key("deltaT").Number(c.deltaT);
  w.Key("gast").Number(c.gast).Key("lst").Number(c.lst).Key("obliquity").Number(c.obliquity);
  w.Key("midheaven").Number(c.midheaven).Key("ascendant").Number(c.ascendant);
  w.Key("houseSystem").Integer(EffectiveHouseSystem(currentHouseSystem));
  w.Key("houseSystemUsed").Integer(HouseSystemUsed(currentHouseSystem, CorrectedLatitude(c), c.obliquity));
  w.Key("cusps").BeginArray();
  for (double cusp : c.cusps) w.Number(cusp);
  w.EndArray();
  w.Key("corrected").BeginObject();
  w.Key("latDeg").Integer(c.corrLatDegrees).Key("latMin").Integer(c.corrLatMinutes);
  w.Key("north").Integer(c.corrNorth).Key("lonDeg").Integer(c.corrLonDegrees);
  w.Key("lonMin").Integer(c.corrLonMinutes).Key("east").Integer(c.corrEast);
  w.EndObject();
  w.Key("bodies").BeginArray();
  for (int b = 0; b < BodyCount; ++b) {
    w.BeginObject();
    WriteBodyPosition(w, b);
    w.Key("house").Integer(HouseNumber(b));
    w.Key("dignity").Integer(c.factors.dignity[b]).Key("factorFlags").Integer(BodyTable[b].factorFlags);
    w.EndObject();
  }
  w.EndArray();
  w.Key("aspects").BeginArray();
  for (int i = 0; i < BodyCount; ++i) {
    for (int j = i + 1; j < BodyCount; ++j) {
      if (c.aspects[i][j] == NoAspect || !Listed(i) || !Listed(j)) continue;
      w.BeginArray().Integer(i).Integer(j).Integer(c.aspects[i][j]).EndArray();
    }
  }
  w.EndArray();
  const FactorTallies& t = c.factors;
  w.Key("factors").BeginObject();
  w.Key("negative").Integer(t.negativeTotal).Key("positive").Integer(t.positiveTotal);
  w.Key("elementModality").BeginArray();
  for (const auto& row : t.elementModality) {
    w.BeginArray();
    for (std::int16_t cell : row) w.Integer(cell);
    w.EndArray();
  }
  w.EndArray();
  w.Key("quadrant").BeginArray();
  for (std::int16_t q : t.quadrant) w.Integer(q);
  w.EndArray();
  w.EndObject();
  w.EndObject();
  return w.Text();
}

void ApplySettings(const ChartSettings& settings) {
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  currentHouseSystem = static_cast<std::int8_t>(settings.houseSystem);
  rulershipIndex = static_cast<std::int8_t>(settings.rulership);
  SetLanguage(settings.language);
}

// The record computed in slot 0.
ChartSlot& Compute(const ChartRecord& record, int houseSystem) {
  currentSlotIndex = 0;
  ChartSlot& slot = CurrentSlot();
  slot.record = record;
  currentHouseSystem = static_cast<std::int8_t>(houseSystem);
  ComputeChart();
  return slot;
}

std::string ErrorJson(long line, const std::string& message) {
  JsonWriter w;
  w.BeginObject().Key("line").Integer(line).Key("error").String(message).EndObject();
  return w.Text();
}

int RunBatch(std::istream& in, const ChartSettings& settings) {
  int status = 0;
  std::string line;
  for (long number = 1;; ++number) {
    const LineRead read = ReadBoundedLine(in, line, MaxBatchLine);
    if (read == LineRead::End) break;
    if (read == LineRead::TooLong) {
      // The rest of such an input is no batch: it ends here.
      std::printf("%s\n", ErrorJson(number, "line longer than " + std::to_string(MaxBatchLine) +
                                                 " bytes; the batch stops here").c_str());
      return 1;
    }
    if (number == 1 && IsBatchHeader(line)) continue;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    ChartRecord record{};
    ChartSettings lineSettings = settings;
    if (std::string problem = ParseBatchLine(line, record, lineSettings); !problem.empty()) {
      std::printf("%s\n", ErrorJson(number, problem).c_str());
      status = 1;
      continue;
    }
    std::printf("%s\n", ChartJson(Compute(record, lineSettings.houseSystem).data).c_str());
  }
  return status;
}

}  // namespace

void PrintComputedChart(const ChartRecord& record, const ChartSettings& settings, bool json) {
  ApplySettings(settings);
  const ChartSlot& slot = Compute(record, settings.houseSystem);
  if (json) {
    std::printf("%s\n", ChartJson(slot.data).c_str());
  } else {
    PrintText(slot);
  }
}

int RunChart(Arguments& args) {
  std::optional<std::string> batch = args.Take("batch");
  std::optional<std::string> sample = args.Take("sample");
  ChartRecord record{};
  std::string recordProblem =
      batch || sample ? std::string() : TakeRecordOptions(args, record, true);
  ChartSettings settings;
  std::string settingsProblem = TakeChartSettings(args, settings);
  bool json = args.Flag("json");
  if (std::string problem = args.Problem(); !problem.empty()) return UsageError(problem);
  if (!settingsProblem.empty()) return UsageError(settingsProblem);
  if (batch && sample) return UsageError("--batch and --sample exclude each other");

  if (batch) {
    ApplySettings(settings);
    if (*batch == "-") return RunBatch(std::cin, settings);
    std::ifstream file;
    if (std::string problem = OpenInputFile(*batch, file); !problem.empty())
      return UsageError("--batch: " + problem);
    return RunBatch(file, settings);
  }
  if (sample) {
    if (sample->size() != 1 || (*sample)[0] < '0' || (*sample)[0] >= '0' + SampleChartCount)
      return UsageError("invalid --sample '" + *sample + "' (expected 0..4)");
    LoadSampleChart((*sample)[0] - '0');
    record = currentRecord;
  }
  if (!recordProblem.empty()) return UsageError(recordProblem);
  PrintComputedChart(record, settings, json);
  return 0;
}

}  // namespace orrery::cli
