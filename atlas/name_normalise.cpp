#include "atlas/name_normalise.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "foundation/wide_string.h"

namespace orrery {

namespace {

struct ExplicitFold {
  char16_t unit;
  std::string_view fold;
};

#include "atlas/name_fold_table.inc"

constexpr char16_t FirstDirect = 32;
constexpr char16_t FirstExplicit = 384;

struct Replacement {
  const char16_t* pattern;
  const char16_t* replacement;
};

constexpr Replacement Replacements[] = {
    {u"saint ", u"st "},   {u" saint ", u" st "},   {u"saints ", u"st "},
    {u" saints ", u" st "}, {u"sainte ", u"st "},   {u" sainte ", u" st "},
    {u"saintes ", u"st "},  {u" saintes ", u" st "}, {u"sankt ", u"st "},
    {u" sankt ", u" st "},
};

// The first units of name with its spaces normalised, at most
// NormalisedNameLength of them, NUL-terminated in out.
void CollapsedPrefix(const char16_t* name, std::size_t capacity, char16_t* out) {
  int written = 0;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < capacity && name[i] != 0 && written < NormalisedNameLength; ++i) {
    if (name[i] == u' ') {
      pendingSpace = written > 0;
      continue;
    }
    if (pendingSpace) out[written++] = u' ';
    pendingSpace = false;
    if (written < NormalisedNameLength) out[written++] = name[i];
  }
  out[written] = 0;
}

// Whether the text holds "saint" or "sankt", which every pattern holds: most
// names need no row of the replacement list at all.
bool MayNeedReplacement(const char16_t* text) {
  for (std::u16string_view s = text; s.size() >= 5; s.remove_prefix(1)) {
    if (s[0] == u's' && s[1] == u'a' &&
        ((s[2] == u'i' && s[3] == u'n' && s[4] == u't') ||
         (s[2] == u'n' && s[3] == u'k' && s[4] == u't'))) {
      return true;
    }
  }
  return false;
}

NormalisedName NormaliseBounded(const char16_t* name, std::size_t capacity) {
  char16_t input[NormalisedNameLength + 1];
  CollapsedPrefix(name, capacity, input);
  NormalisedName result{};
  int written = 0;
  for (int i = 0; input[i] != 0 && written < NormalisedNameLength; ++i) {
    for (char c : NameFold(input[i])) {
      if (written < NormalisedNameLength) result.text[written++] = static_cast<char16_t>(c);
    }
  }
  result.text[written] = 0;
  CollapseSpaces(result.text);
  if (!MayNeedReplacement(result.text)) return result;
  for (const Replacement& row : Replacements) {
    ReplaceFirst(result.text, result.text, NormalisedNameLength, row.pattern, row.replacement);
  }
  return result;
}

}  // namespace

std::string_view NameFold(char16_t unit) {
  if (unit >= FirstDirect && unit < FirstExplicit) return DirectFolds[unit - FirstDirect];
  if (unit >= 0x2000 && unit <= 0x206F) return "";
  if (unit >= FirstExplicit) {
    const ExplicitFold* end = std::end(ExplicitFolds);
    const ExplicitFold* at = std::lower_bound(
        std::begin(ExplicitFolds), end, unit,
        [](const ExplicitFold& entry, char16_t u) { return entry.unit < u; });
    if (at != end && at->unit == unit) return at->fold;
  }
  return " ";
}

NormalisedName Normalised(const char16_t* name) { return NormaliseBounded(name, SIZE_MAX); }

void NormaliseName(char16_t* buffer, std::size_t capacity) {
  NormalisedName result = NormaliseBounded(buffer, capacity);
  CopyText(buffer, capacity, result.View());
}

bool SameName(const char16_t* a, const char16_t* b) {
  return Normalised(a).View() == Normalised(b).View();
}

}  // namespace orrery
