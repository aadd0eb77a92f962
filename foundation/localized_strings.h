// The astrological vocabulary in English and German, indexed by string id.
#pragma once

namespace orrery {

inline constexpr int LocalizedStringCount = 62;

enum Language : int { English = 0, German = 1 };

// The language of LocalizedString; the stored settings set it at start-up.
void SetLanguage(int language);
int CurrentLanguage();

// The text of the current language, or the English text where the current
// language has none. Ids outside 0..61 give an empty text.
const char16_t* LocalizedString(int id);
// The text of a given language, with the same fall-back to English.
const char16_t* LocalizedString(int id, int language);

}  // namespace orrery
