// The launcher's texts in its two languages: the eleven texts the language page sets
// when a language is applied, and the licence agreement shown on the licence page.
#pragma once

#include <array>
#include <cstdint>

namespace orrery {

// The launcher's language index: 0 English, 1 German.
enum class SetupLanguage : std::uint8_t { English = 0, German = 1 };

// One control's text. Texts are UTF-16 so that they show the same under any Windows
// code page.
struct ControlText {
    int control;
    const char16_t* text;
};

// The two buttons (Cancel, Next) and the nine welcome and warning lines (1015 to 1023)
// of the language page, in control order.
using WelcomeTexts = std::array<ControlText, 11>;

const WelcomeTexts& WelcomeTextsFor(SetupLanguage language);

// The licence agreement: one text with CR LF line ends for the multi-line edit control.
const char16_t* LicenceTextFor(SetupLanguage language);

// The dialog template of the licence page in that language.
int LicenceTemplateFor(SetupLanguage language);

}  // namespace orrery
