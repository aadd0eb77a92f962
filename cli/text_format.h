// Text for people in orrery-cli's output: angles, times of day, dates, places,
// zone offsets and columns padded by characters (the degree sign takes two
// bytes). A value that is not a finite number prints as "-".
#pragma once

#include <cstddef>
#include <string>

#include "foundation/calendar.h"

namespace orrery::cli {

// Signed degrees, minutes and seconds rounded to hundredths: -1°02'03.45",
// with a + for positive angles when asked.
std::string FormatDms(double radians, bool plus = false);
// Seconds of a day (wrapped into the day) as 12h34m56.78s.
std::string FormatHms(double seconds);
// The civil date of an Mjd with its clock time: 2000-01-01 12:00:00.00. A
// time that rounds up to midnight is shown on the next day.
std::string FormatDate(Mjd mjd);
// A place as degrees and minutes with hemisphere letters: 45°06'N 24°22'E.
std::string FormatPlace(int latDegrees, int latMinutes, bool north, int lonDegrees, int lonMinutes,
                        bool east);
// A zone or daylight-saving correction as a sign and hours:minutes: +1:00.
std::string FormatOffset(int hours, int minutes, bool plus);
// The text followed by spaces up to width characters.
std::string Pad(std::string text, std::size_t width);

}  // namespace orrery::cli
