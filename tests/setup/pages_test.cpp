// The two pages driven by their commands, as the dialog procedures forward them.
#include <gtest/gtest.h>

#include "setup/setup_ids.h"
#include "setup/setup_pages.h"

namespace orrery {
namespace {

TEST(LanguagePage, OpensShowingTheCurrentLanguage) {
    LanguagePage english(SetupLanguage::English);
    EXPECT_TRUE(english.EnglishChecked());
    EXPECT_FALSE(english.GermanChecked());

    LanguagePage german(SetupLanguage::German);
    EXPECT_FALSE(german.EnglishChecked());
    EXPECT_TRUE(german.GermanChecked());
    EXPECT_EQ(german.Shown(), SetupLanguage::German);
}

TEST(LanguagePage, RadiosSwitchTheLanguageAndExactlyOneIsChecked) {
    LanguagePage page(SetupLanguage::English);
    EXPECT_EQ(page.Command(IDC_GERMAN), PageAction::Stay);
    EXPECT_EQ(page.Shown(), SetupLanguage::German);
    EXPECT_TRUE(page.GermanChecked());
    EXPECT_FALSE(page.EnglishChecked());

    // Clicking the checked radio again changes nothing.
    EXPECT_EQ(page.Command(IDC_GERMAN), PageAction::Stay);
    EXPECT_EQ(page.Shown(), SetupLanguage::German);

    EXPECT_EQ(page.Command(IDC_ENGLISH), PageAction::Stay);
    EXPECT_EQ(page.Shown(), SetupLanguage::English);
    EXPECT_TRUE(page.EnglishChecked());
    EXPECT_FALSE(page.GermanChecked());
}

// Deutsch then Next leads to the German licence page; English, Deutsch, English
// again then Next to the English one.
TEST(LanguagePage, NextKeepsTheLanguageLastChosen) {
    LanguagePage german(SetupLanguage::English);
    german.Command(IDC_GERMAN);
    EXPECT_EQ(german.Command(IDC_LANGUAGE_NEXT), PageAction::Next);
    EXPECT_EQ(LicenceTemplateFor(german.Shown()), IDD_LICENCE_GERMAN);

    LanguagePage english(SetupLanguage::English);
    english.Command(IDC_ENGLISH);
    english.Command(IDC_GERMAN);
    english.Command(IDC_ENGLISH);
    EXPECT_EQ(english.Command(IDC_LANGUAGE_NEXT), PageAction::Next);
    EXPECT_EQ(LicenceTemplateFor(english.Shown()), IDD_LICENCE_ENGLISH);
}

TEST(LanguagePage, EnterAndEscapeActLikeNextAndCancel) {
    LanguagePage page(SetupLanguage::German);
    EXPECT_EQ(page.Command(IDC_COMMAND_OK), PageAction::Next);
    EXPECT_EQ(page.Command(IDC_COMMAND_CANCEL), PageAction::Cancel);
    EXPECT_EQ(page.Command(IDC_LANGUAGE_CANCEL), PageAction::Cancel);
    // Static lines and unknown commands do nothing.
    EXPECT_EQ(page.Command(1015), PageAction::Stay);
    EXPECT_EQ(page.Command(IDC_AGREE), PageAction::Stay);
    EXPECT_EQ(page.Shown(), SetupLanguage::German);
}

TEST(LicencePage, OpensNotAgreedWithNextDisabled) {
    LicencePage page(SetupLanguage::German);
    EXPECT_EQ(page.Language(), SetupLanguage::German);
    EXPECT_TRUE(page.DisagreeChecked());
    EXPECT_FALSE(page.AgreeChecked());
    EXPECT_FALSE(page.NextEnabled());
}

TEST(LicencePage, AgreeEnablesNextAndDisagreeDisablesItAgain) {
    LicencePage page(SetupLanguage::English);
    EXPECT_EQ(page.Command(IDC_AGREE), PageAction::Stay);
    EXPECT_TRUE(page.AgreeChecked());
    EXPECT_FALSE(page.DisagreeChecked());
    EXPECT_TRUE(page.NextEnabled());

    EXPECT_EQ(page.Command(IDC_DISAGREE), PageAction::Stay);
    EXPECT_FALSE(page.AgreeChecked());
    EXPECT_TRUE(page.DisagreeChecked());
    EXPECT_FALSE(page.NextEnabled());
}

TEST(LicencePage, NextLaunchesOnlyWhileAgreed) {
    LicencePage page(SetupLanguage::English);
    EXPECT_EQ(page.Command(IDC_LICENCE_NEXT), PageAction::Stay);
    // Enter on this page (no default button) must not get past the agreement either.
    EXPECT_EQ(page.Command(IDC_COMMAND_OK), PageAction::Stay);
    page.Command(IDC_AGREE);
    EXPECT_EQ(page.Command(IDC_COMMAND_OK), PageAction::Stay);
    EXPECT_EQ(page.Command(IDC_LICENCE_NEXT), PageAction::Next);
    page.Command(IDC_DISAGREE);
    EXPECT_EQ(page.Command(IDC_LICENCE_NEXT), PageAction::Stay);
}

TEST(LicencePage, CancelClosesWhateverTheAgreement) {
    for (int choice : {IDC_DISAGREE, IDC_AGREE}) {
        LicencePage page(SetupLanguage::English);
        page.Command(choice);
        EXPECT_EQ(page.Command(IDC_LICENCE_CANCEL), PageAction::Cancel);
        EXPECT_EQ(page.Command(IDC_COMMAND_CANCEL), PageAction::Cancel);
    }
}

}  // namespace
}  // namespace orrery
