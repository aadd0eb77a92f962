// Angle normalisation, differences, midpoints and the conversions between
// radians and the degree/minute fields shown to the user.
#pragma once

namespace orrery {

// Reduced into the closed range [0, 2pi]; exactly 2pi stays 2pi.
double Normalize2Pi(double x);
// Reduced into [-pi, pi].
double NormalizePi(double x);
// a - b reduced into [-pi, pi).
double SignedDifference(double a, double b);
// The smaller angle between two directions, in [0, pi].
double Separation(double a, double b);
// The midpoint of a and b on the shorter arc.
double Midpoint(double a, double b);
// Direction from point a to point b on a screen whose y grows downward,
// measured so that angles increase clockwise on the screen; in [0, 2pi].
double PointAngle(double xa, double ya, double xb, double yb);
// Zodiac sign of an ecliptic longitude: 1 (Aries) .. 12 (Pisces).
int SignNumber(double longitude);

// (|minutes| / 60 + |degrees|) in radians, negative when positive is 0.
double DmsToRadians(int degrees, int minutes, int positive);

struct DegreesMinutes {
  int degrees;
  int minutes;
};
struct DegreesMinutesSeconds {
  int degrees;
  int minutes;
  double seconds;
};
struct HoursMinutes {
  int hours;
  int minutes;
};

// Truncated degrees and minutes; a negative angle carries its sign on the
// degrees, or on the minutes when the degrees are 0.
DegreesMinutes RadiansToDm(double x);
// As RadiansToDm plus the seconds; the sign goes on the first nonzero of
// degrees and minutes, else on the seconds.
DegreesMinutesSeconds RadiansToDms(double x);
// Seconds of a day (any value, wrapped into the day) as hours and minutes.
HoursMinutes SecondsToHm(double seconds);

// A number that orders civil moments: yyyymmdd plus the time as a fraction
// 0.hhmm. (Minutes are scaled so that they never reach the next hour.)
double DateKey(int year, int month, int day, int hour, int minute);

}  // namespace orrery
