// Text for people in orrery-cli's output: angles, times of day, dates and
// columns padded by characters (the degree sign takes two bytes). A value
// that is not a finite number prints as "-".
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
// The text followed by spaces up to width characters.
std::string Pad(std::string text, std::size_t width);

}  // namespace orrery::cli
