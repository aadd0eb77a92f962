#include "shell/glyphs/glyph_catalogue.h"

#include "shell/glyphs/art.h"
#include "shell/glyphs/glyph_ids.h"

namespace orrery::glyphs {

namespace {

constexpr const char* kBodyNames[BodyCount] = {
    "Sun",    "Moon",    "Mercury", "Venus",      "Earth",      "Mars",
    "Jupiter", "Saturn", "Uranus",  "Neptune",    "Pluto",      "North Node",
    "South Node", "Ascendant", "Midheaven", "North Node (mean)", "South Node (mean)"};

constexpr const char* kSignNames[13] = {"",      "Aries",   "Taurus",      "Gemini",
                                        "Cancer", "Leo",    "Virgo",       "Libra",
                                        "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                        "Pisces"};

constexpr const char* kAspectNames[13] = {
    "",          "Conjunction", "Opposition",    "Square",   "Trine",      "Sextile",
    "Semi-Sextile", "Quincunx", "Semi-Square", "Sesqui-Square", "Quintile", "Biquintile",
    "Tao"};

Box Whole(const Canvas& c) { return {0, 0, double(c.Width()), double(c.Height())}; }

// The Options pages' symbol bitmaps: the symbol in a 15 x 17 area centred
// in the 17 x 21 picture, beside the page's combo box.
constexpr Box kSymbolArea = {1, 2, 16, 19};

class Collector {
 public:
  template <class Draw>
  void Add(ResourceKind kind, const GlyphRef& ref, const char* what, Draw draw) {
    Canvas canvas(ref.width, ref.height);
    draw(canvas);
    out_.push_back({kind, ref.id, what, canvas.Picture()});
  }
  template <class Draw>
  void Icon(const GlyphRef& ref, const char* what, Draw draw) {
    Add(ResourceKind::Icon, ref, what, draw);
  }
  template <class Draw>
  void Bitmap(const GlyphRef& ref, const char* what, Draw draw) {
    Add(ResourceKind::Bitmap, ref, what, draw);
  }
  std::vector<GlyphResource> Take() { return std::move(out_); }

 private:
  std::vector<GlyphResource> out_;
};

void AddBodies(Collector& out) {
  for (int b = 0; b < BodyCount; ++b) {
    const BodyGlyphs& g = kBodyGlyphs[b];
    if (g.large.id) {
      out.Icon(g.large, kBodyNames[b], [&](Canvas& c) { DrawBody(c, b, Whole(c)); });
    }
    out.Icon(g.small, kBodyNames[b], [&](Canvas& c) { DrawBody(c, b, Whole(c)); });
    out.Bitmap(g.symbol, kBodyNames[b], [&](Canvas& c) { DrawBody(c, b, kSymbolArea); });
  }
}

void AddSigns(Collector& out) {
  for (int s = 1; s <= 12; ++s) {
    out.Icon(kSignGlyphs[s].wheel, kSignNames[s],
             [&](Canvas& c) { DrawSignForWheel(c, s, Whole(c)); });
    out.Icon(kSignGlyphs[s].text, kSignNames[s],
             [&](Canvas& c) { DrawSignForText(c, s, Whole(c)); });
  }
}

void AddAspects(Collector& out) {
  for (int a = 1; a <= 12; ++a) {
    // The aspect grid's cells are 16 pixels apart and the picture's left
    // column lies on a grid line: one transparent pixel all round.
    out.Icon(kAspectGlyphs[a].icon, kAspectNames[a],
             [&](Canvas& c) { DrawAspect(c, a, Whole(c).Inset(1), 1.6); });
    out.Bitmap(kAspectGlyphs[a].symbol, kAspectNames[a],
               [&](Canvas& c) { DrawAspect(c, a, kSymbolArea, 1.8); });
  }
  // Tool-bar buttons are as large as their pictures and stand side by
  // side: one transparent pixel all round keeps neighbours apart.
  const GlyphRef strip{kAspectToolBarStrip, kToolBarImage.width * kToolBarImageCount,
                       kToolBarImage.height};
  out.Bitmap(strip, "aspect tool bar", [](Canvas& c) {
    for (int a = 1; a <= kToolBarImageCount; ++a) {
      const double left = (a - 1) * kToolBarImage.width;
      DrawAspect(c, a, Box{left, 0, left + kToolBarImage.width, double(kToolBarImage.height)}.Inset(1),
                 1.2);
    }
  });
}

void AddOthers(Collector& out) {
  out.Icon(kProgramIcon, "program", [](Canvas& c) { DrawProgramIcon(c, Whole(c)); });
  out.Icon(kAscendantMark, "Ascendant mark", [](Canvas& c) { DrawAscendantMark(c); });
  out.Icon(kMidheavenMark, "Midheaven mark", [](Canvas& c) { DrawMidheavenMark(c); });
  out.Icon(kSexNeutral, "Neutral", [](Canvas& c) { DrawSexNeutral(c, Whole(c)); });
  out.Icon(kSexMale, "Male", [](Canvas& c) { DrawSexMale(c, Whole(c)); });
  out.Icon(kSexFemale, "Female", [](Canvas& c) { DrawSexFemale(c, Whole(c)); });
  out.Icon(kRetrogradeMark, "retrograde", [](Canvas& c) { DrawRetrogradeMark(c); });
  out.Bitmap(kPresentMomentButton, "present moment", [](Canvas& c) { DrawClock(c, Whole(c)); });
  out.Icon(kHeadingLeftEnd, "heading left end", [](Canvas& c) { DrawHeadingLeftEnd(c); });
  out.Icon(kHeadingRightEnd, "heading right end", [](Canvas& c) { DrawHeadingRightEnd(c); });
  out.Icon(kHeadingFrame, "heading frame", [](Canvas& c) { DrawHeadingFrame(c); });
  out.Icon(kHeadingBirthData, "birth data", [](Canvas& c) { DrawBirthDataIcon(c, Whole(c)); });
  out.Icon(kHeadingPlace, "place", [](Canvas& c) { DrawPlaceIcon(c, Whole(c)); });
  out.Icon(kCautionIcon, "caution", [](Canvas& c) { DrawCaution(c, Whole(c)); });
  out.Icon(kHeadingPositionCorrection, "position correction",
           [](Canvas& c) { DrawPositionCorrectionIcon(c, Whole(c)); });
  out.Icon(kElementFire, "Fire", [](Canvas& c) { DrawElement(c, 0, Whole(c)); });
  out.Icon(kElementEarth, "Earth", [](Canvas& c) { DrawElement(c, 1, Whole(c)); });
  out.Icon(kElementWater, "Water", [](Canvas& c) { DrawElement(c, 2, Whole(c)); });
  out.Icon(kElementAir, "Air", [](Canvas& c) { DrawElement(c, 3, Whole(c)); });
  out.Icon(kHeadingFactors, "traditional factors", [](Canvas& c) { DrawFactorsIcon(c, Whole(c)); });
  out.Icon(kQuadrant4, "quadrant 4", [](Canvas& c) { DrawQuadrant(c, 4, Whole(c)); });
  out.Icon(kQuadrant2, "quadrant 2", [](Canvas& c) { DrawQuadrant(c, 2, Whole(c)); });
  out.Icon(kQuadrant3, "quadrant 3", [](Canvas& c) { DrawQuadrant(c, 3, Whole(c)); });
  out.Icon(kQuadrant1, "quadrant 1", [](Canvas& c) { DrawQuadrant(c, 1, Whole(c)); });
  out.Icon(kAboutIcon, "About", [](Canvas& c) { DrawProgramIcon(c, Whole(c)); });
  out.Icon(kHeadingAspects, "aspects", [](Canvas& c) { DrawAspectsIcon(c, Whole(c)); });
  out.Icon(kPresentChartMark, "present-moment chart", [](Canvas& c) { DrawClock(c, Whole(c)); });
  out.Icon(kNatalChartMark, "natal chart", [](Canvas& c) { DrawNatalMark(c, Whole(c)); });
  out.Icon(kMakerIcon, "maker", [](Canvas& c) { DrawMakerIcon(c, Whole(c)); });
}

}  // namespace

std::vector<GlyphResource> DrawGlyphResources() {
  Collector out;
  AddBodies(out);
  AddSigns(out);
  AddAspects(out);
  AddOthers(out);
  return out.Take();
}

}  // namespace orrery::glyphs
