// The texts the language page sets and the licence texts, in both languages.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "setup/setup_ids.h"
#include "setup/setup_texts.h"

namespace orrery {
namespace {

std::u16string TextOf(SetupLanguage language, int control) {
    for (const ControlText& text : WelcomeTextsFor(language)) {
        if (text.control == control) {
            return text.text;
        }
    }
    return u"(no text for this control)";
}

TEST(WelcomeTexts, EachLanguageSetsBothButtonsAndAllNineLinesOnce) {
    for (SetupLanguage language : {SetupLanguage::English, SetupLanguage::German}) {
        std::set<int> controls;
        for (const ControlText& text : WelcomeTextsFor(language)) {
            EXPECT_TRUE(controls.insert(text.control).second) << text.control;
            ASSERT_NE(text.text, nullptr);
        }
        std::set<int> expected = {IDC_LANGUAGE_CANCEL, IDC_LANGUAGE_NEXT};
        for (int line = IDC_WELCOME_FIRST; line <= IDC_WELCOME_LAST; ++line) {
            expected.insert(line);
        }
        EXPECT_EQ(controls, expected);
    }
}

TEST(WelcomeTexts, EnglishButtonsAndWelcome) {
    const auto en = SetupLanguage::English;
    EXPECT_EQ(TextOf(en, 1006), u"&Cancel");
    EXPECT_EQ(TextOf(en, 1007), u"&Next");
    EXPECT_EQ(TextOf(en, 1015), u"Welcome to the quorvel Astrology Setup program. This program");
    EXPECT_EQ(TextOf(en, 1016), u"will install quorvel Astrology on your Pocket PC.");
    EXPECT_EQ(TextOf(en, 1017),
              u"Click \"Cancel\" to quit Setup and click \"Next\" to continue with the");
    EXPECT_EQ(TextOf(en, 1018), u"Setup program.");
}

TEST(WelcomeTexts, GermanButtonsAndWelcome) {
    const auto de = SetupLanguage::German;
    EXPECT_EQ(TextOf(de, 1006), u"&Abbrechen");
    EXPECT_EQ(TextOf(de, 1007), u"&Weiter");
    EXPECT_EQ(TextOf(de, 1015), u"Willkommen zu quorvel Astrology. Mit diesem Programm wird");
    EXPECT_EQ(TextOf(de, 1016), u"quorvel Astrology auf Ihrem Pocket PC installiert.");
    // "wählen" with U+00E4, whatever the source file's code page.
    EXPECT_EQ(TextOf(de, 1017),
              u"Klicken Sie auf \"Abbrechen\", um Setup zu beenden, und w\u00e4hlen");
    EXPECT_EQ(TextOf(de, 1018), u"Sie \"Weiter\", um mit dem Setup fortzufahren.");
}

TEST(WelcomeTexts, WarningLinesAreFilledAndDifferBetweenLanguages) {
    for (int line = 1019; line <= IDC_WELCOME_LAST; ++line) {
        const std::u16string en = TextOf(SetupLanguage::English, line);
        const std::u16string de = TextOf(SetupLanguage::German, line);
        EXPECT_FALSE(en.empty()) << line;
        EXPECT_FALSE(de.empty()) << line;
        EXPECT_NE(en, de) << line;
    }
}

// The edit control shows CR LF line ends only; a bare CR or LF would show as a box or
// break the layout.
TEST(LicenceText, UsesCrLfLineEndsOnlyAndEndsWithOne) {
    for (SetupLanguage language : {SetupLanguage::English, SetupLanguage::German}) {
        const std::u16string text = LicenceTextFor(language);
        ASSERT_GT(text.size(), 200u);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                ASSERT_LT(i + 1, text.size());
                EXPECT_EQ(text[i + 1], u'\n') << "bare CR at " << i;
            } else if (text[i] == u'\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == u'\r') << "bare LF at " << i;
            }
        }
        EXPECT_TRUE(text.ends_with(u"\r\n"));
    }
}

// Each licence names the buttons of its own page, so the user can follow it.
TEST(LicenceText, EachLanguageHasItsOwnTextNamingItsButtons) {
    const std::u16string en = LicenceTextFor(SetupLanguage::English);
    const std::u16string de = LicenceTextFor(SetupLanguage::German);
    EXPECT_NE(en, de);
    EXPECT_NE(en.find(u"\"I Agree\""), std::u16string::npos);
    EXPECT_NE(en.find(u"\"Cancel\""), std::u16string::npos);
    EXPECT_NE(de.find(u"\"Lizenz akzeptieren\""), std::u16string::npos);
    EXPECT_NE(de.find(u"\"Abbruch\""), std::u16string::npos);
    EXPECT_NE(de.find(u"\u00fc"), std::u16string::npos);  // real umlauts, not "ue"
}

TEST(LicenceText, TemplatePerLanguage) {
    EXPECT_EQ(LicenceTemplateFor(SetupLanguage::English), 131);
    EXPECT_EQ(LicenceTemplateFor(SetupLanguage::German), 132);
}

}  // namespace
}  // namespace orrery
