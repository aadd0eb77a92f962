#include "foundation/localized_strings.h"

namespace orrery {

namespace {

struct LocalizedEntry {
  const char16_t* english;
  const char16_t* german;  // nullptr: the English text serves
};

constexpr LocalizedEntry stringTable[LocalizedStringCount] = {
    {u"English", u"Deutsch"},
    {u"Astrology", u"Astrology"},
    {u"Options", u"Optionen"},
    {u"Misc", u"Diverses"},
    {u"Sun", u"Sonne"},
    {u"Moon", u"Mond"},
    {u"Mercury", u"Merkur"},
    {u"Venus", nullptr},
    {u"Earth", u"Erde"},
    {u"Mars", nullptr},
    {u"Jupiter", nullptr},
    {u"Saturn", nullptr},
    {u"Uranus", nullptr},
    {u"Neptune", u"Neptun"},
    {u"Pluto", nullptr},
    {u"North Node", u"NN"},
    {u"Ascendant", u"Aszendent"},
    {u"Midheaven", u"Himmelsmitte"},
    {u"Aries", u"Widder"},
    {u"Taurus", u"Stier"},
    {u"Gemini", u"Zwilling"},
    {u"Cancer", u"Krebs"},
    {u"Leo", u"Löwe"},
    {u"Virgo", u"Jungfrau"},
    {u"Libra", u"Waage"},
    {u"Scorpio", u"Skorpion"},
    {u"Sagittarius", u"Schütze"},
    {u"Capricorn", u"Steinbock"},
    {u"Aquarius", u"Wassermann"},
    {u"Pisces", u"Fische"},
    {u"Conjunction", u"Konjunktion"},
    {u"Opposition", u"Opposition"},
    {u"Square", u"Quadrat"},
    {u"Trine", u"Trigon"},
    {u"Sextile", u"Sextil"},
    {u"Semi-Sextile", u"Halbsextil"},
    {u"Quincunx", nullptr},
    {u"Semi-Square", u"Halbquadrat"},
    {u"Sesqui-Square", u"Anderthalbquadrat"},
    {u"Quintile", u"Quintil"},
    {u"Biquintile", u"Biquintil"},
    {u"Tao", nullptr},
    {u"Neutral", nullptr},
    {u"Male", u"Männlich"},
    {u"Female", u"Weiblich"},
    {u"Placidus", nullptr},
    {u"Koch", nullptr},
    {u"Equal", nullptr},
    {u"Porphyry", nullptr},
    {u"Vehlow", nullptr},
    {u"Campanus", nullptr},
    {u"Regiomontanus", nullptr},
    {u"M. Reception:", u"Rezeption:"},
    {u"In Ruler:", nullptr},
    {u"In Detriment:", nullptr},
    {u"In Exaltation:", nullptr},
    {u"In Fall:", nullptr},
    {u"Modern Ruler", nullptr},
    {u"Old Ruler", nullptr},
    {u"Modern Rulership", nullptr},
    {u"Old Rulership", nullptr},
    {u"South Node", u"SN"},
};

int currentLanguage = English;

}  // namespace

void SetLanguage(int language) { currentLanguage = language == German ? German : English; }

int CurrentLanguage() { return currentLanguage; }

const char16_t* LocalizedString(int id, int language) {
  if (id < 0 || id >= LocalizedStringCount) return u"";
  const LocalizedEntry& entry = stringTable[id];
  if (language == German && entry.german != nullptr) return entry.german;
  return entry.english;
}

const char16_t* LocalizedString(int id) { return LocalizedString(id, currentLanguage); }

}  // namespace orrery
