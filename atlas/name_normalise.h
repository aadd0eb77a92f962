// Comparison form of place names: how typed text and stored city names are
// matched and how the atlas's city records are sorted.
//
// NormaliseName: spaces normalised; at most 48 code units are read and at
// most 48 characters written, each unit replaced by its NameFoldTable entry
// (lower-case ASCII letters and digits; Latin letters lose their diacritics,
// ligatures expand, Cyrillic letters are transliterated, the Han ideographs
// of the atlas's names become their pinyin syllable between spaces; ".", apostrophes
// (' ’ ‘ ʼ ʻ ` ´), combining marks and U+2000..U+206F vanish, everything else
// is a space); spaces normalised again; then the first "saint ", "sankt " (and
// the other rows of the replacement list) becomes "st ". "Sankt Gallen",
// "St. Gallen" -> "st gallen"; "Saint-Étienne" -> "st etienne".
#pragma once

#include <cstddef>
#include <string_view>

namespace orrery {

inline constexpr int NormalisedNameLength = 48;

struct NormalisedName {
  char16_t text[NormalisedNameLength + 1];
  std::u16string_view View() const { return text; }
};

// The comparison form of a NUL-terminated name.
NormalisedName Normalised(const char16_t* name);
// Rewrites the name in place (capacity units with the NUL) into its comparison form.
void NormaliseName(char16_t* buffer, std::size_t capacity);
// Whether the comparison forms of a and b are equal.
bool SameName(const char16_t* a, const char16_t* b);

// The NameFoldTable entry of one code unit: no, one or more ASCII characters.
std::string_view NameFold(char16_t unit);

}  // namespace orrery
