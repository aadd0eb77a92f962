// orrery-pair-clearance-gen OUT.cpp: writes the wheel's pair clearance table
// (shell/wheel/pair_clearance.h) as C++ data. The build runs it.
//
// For two glyph boxes P and Q, with P's corner at distance t in direction a
// from Q's corner, the boxes stop overlapping once P lies wholly right of,
// left of, below or above Q along that ray; the smallest such t is the
// least of the four that the direction allows. A record's value for degree
// d is the largest of these over the directions d .. d + 1 degrees (the
// lookup truncates the direction), plus ClearanceMargin, rounded up to
// tenths and capped at 25.5 pixels.
//
// The boxes are the large glyphs' sizes of shell/glyphs/glyph_ids.h, which
// the glyph tests hold to the artwork.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>

#include "foundation/numbers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/wheel/pair_clearance.h"

namespace {

using orrery::Pi;
using orrery::glyphs::GlyphRef;
using orrery::glyphs::kBodyGlyphs;

// Free space kept between two glyphs, in pixels.
constexpr double ClearanceMargin = 3.0;
// Directions sampled per degree.
constexpr int Steps = 256;

// The Sun and Moon record begins with these fixed values (degrees 0 to 6).
constexpr int SunMoonLead[] = {140, 140, 140, 140, 140, 140, 151};

double ApartDistance(const GlyphRef& p, const GlyphRef& q, double radians) {
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  double t = std::numeric_limits<double>::infinity();
  if (c > 1e-12) t = std::min(t, q.width / c);
  if (c < -1e-12) t = std::min(t, p.width / -c);
  if (s > 1e-12) t = std::min(t, q.height / s);
  if (s < -1e-12) t = std::min(t, p.height / -s);
  return t;
}

int ClearanceTenths(const GlyphRef& p, const GlyphRef& q, int degree) {
  double widest = 0.0;
  for (int k = 0; k <= Steps; ++k) {
    const double a = (degree + double(k) / Steps) * Pi / 180.0;
    widest = std::max(widest, ApartDistance(p, q, a));
  }
  const double tenths = std::ceil((widest + ClearanceMargin) * 10.0 - 1e-9);
  return static_cast<int>(std::min(tenths, 255.0));
}

void WriteRecord(std::ofstream& out, int first, int second) {
  const GlyphRef& p = kBodyGlyphs[first].large;
  const GlyphRef& q = kBodyGlyphs[second].large;
  out << "    {" << first << ", " << second << ", {";
  for (int d = 0; d < 360; ++d) {
    int value = ClearanceTenths(p, q, d);
    if (first == orrery::Sun && second == orrery::Moon && d < int(std::size(SunMoonLead))) {
      value = SunMoonLead[d];
    }
    out << (d % 20 == 0 ? "\n        " : " ") << value << ",";
  }
  out << "}},\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orrery-pair-clearance-gen OUT.cpp\n");
    return 2;
  }
  const std::string temp = std::string(argv[1]) + ".tmp";
  std::ofstream out(temp);
  out << "// Written by orrery-pair-clearance-gen from the glyph boxes.\n"
         "#include \"shell/wheel/pair_clearance.h\"\n\n"
         "namespace orrery {\n\n"
         "const PairClearanceRecord pairClearances[PairClearanceCount] = {\n";
  for (int i = 0; i < orrery::ClearanceBodyCount; ++i) {
    for (int j = i + 1; j < orrery::ClearanceBodyCount; ++j) {
      WriteRecord(out, orrery::ClearanceBodies[i], orrery::ClearanceBodies[j]);
    }
  }
  out << "};\n\n}  // namespace orrery\n";
  out.close();
  if (!out || std::rename(temp.c_str(), argv[1]) != 0) {
    std::fprintf(stderr, "orrery-pair-clearance-gen: cannot write %s\n", argv[1]);
    std::remove(temp.c_str());
    return 1;
  }
  return 0;
}
