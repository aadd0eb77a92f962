#include "atlas/typed_spelling.h"

namespace orrery {

namespace {

constexpr int MaxPairs = 4;

bool IsUmlautPair(const char16_t* at) {
  return (at[0] == u'a' || at[0] == u'o' || at[0] == u'u') && at[1] == u'e';
}

// The typed name with the pairs whose bits are set in mask shortened to
// their first letter (pairs counted from the left).
NormalisedName Shortened(const NormalisedName& typed, unsigned mask) {
  NormalisedName out{};
  int written = 0;
  int pair = 0;
  for (int i = 0; typed.text[i] != 0; ++i) {
    out.text[written++] = typed.text[i];
    if (IsUmlautPair(typed.text + i)) {
      if ((mask >> pair) & 1u) ++i;   // skip the "e"
      ++pair;
    }
  }
  out.text[written] = 0;
  return out;
}

int PairCount(const NormalisedName& typed) {
  int pairs = 0;
  for (int i = 0; typed.text[i] != 0; ++i) {
    if (IsUmlautPair(typed.text + i)) ++pairs;
  }
  return pairs;
}

}  // namespace

TypedReadings ReadingsOf(const NormalisedName& typed) {
  TypedReadings r;
  r.names[r.count++] = typed;
  const int pairs = PairCount(typed);
  if (pairs == 0) return r;
  const unsigned all = pairs > MaxPairs ? ~0u : (1u << pairs) - 1;
  r.names[r.count++] = Shortened(typed, all);
  for (unsigned mask = all - 1; pairs <= MaxPairs && mask > 0; --mask) {
    r.names[r.count++] = Shortened(typed, mask);
  }
  return r;
}

}  // namespace orrery
