#include "cli/text_format.h"

#include <cmath>
#include <cstdio>

#include "astro/earth_orientation.h"

namespace orrery::cli {

namespace {

// Seconds of a day, rounded to hundredths and wrapped into the day, as
// hours, minutes, seconds and hundredths printed with the given format.
std::string FormatTimeOfDay(double seconds, const char* format) {
  if (!std::isfinite(seconds)) return "-";
  long long hundredths = static_cast<long long>(std::round(seconds * 100.0));
  hundredths = (hundredths % 8640000 + 8640000) % 8640000;
  char text[32];
  std::snprintf(text, sizeof text, format, hundredths / 360000, hundredths / 6000 % 60,
                hundredths / 100 % 60, hundredths % 100);
  return text;
}

}  // namespace

std::string FormatDms(double radians, bool plus) {
  if (!std::isfinite(radians)) return "-";
  double hundredths = std::round(std::fabs(radians) * ArcsecPerRadian * 100.0);
  long long total = static_cast<long long>(hundredths);
  const char* sign = radians < 0.0 && total != 0 ? "-" : (plus ? "+" : "");
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld\u00b0%02lld'%02lld.%02lld\"", sign, total / 360000,
                total / 6000 % 60, total / 100 % 60, total % 100);
  return text;
}

std::string FormatHms(double seconds) {
  return FormatTimeOfDay(seconds, "%02lldh%02lldm%02lld.%02llds");
}

std::string FormatDate(Mjd mjd) {
  Mjd rounded = std::round(mjd * 8640000.0) / 8640000.0;
  Mjd day = std::floor(rounded);
  CalendarDate date = MjdToCalendar(day);
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", date.year, date.month, date.day);
  return text + FormatTimeOfDay((rounded - day) * 86400.0, "%02lld:%02lld:%02lld.%02lld");
}

std::string FormatPlace(int latDegrees, int latMinutes, bool north, int lonDegrees, int lonMinutes,
                        bool east) {
  char text[48];
  std::snprintf(text, sizeof text, "%d\u00b0%02d'%c %d\u00b0%02d'%c", latDegrees, latMinutes,
                north ? 'N' : 'S', lonDegrees, lonMinutes, east ? 'E' : 'W');
  return text;
}

std::string FormatOffset(int hours, int minutes, bool plus) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%d:%02d", plus ? '+' : '-', hours, minutes);
  return text;
}

std::string Pad(std::string text, std::size_t width) {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  if (characters < width) text.append(width - characters, ' ');
  return text;
}

}  // namespace orrery::cli
