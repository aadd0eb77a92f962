// The state of the launcher's two pages, independent of any window system. The dialog
// procedures forward each command to a page object, then show its state on the
// controls (the radio buttons are plain ones: only the program checks them).
#pragma once

#include "setup/setup_texts.h"

namespace orrery {

// What a command asks of the dialog holding the page.
enum class PageAction { Stay, Next, Cancel };

// Language and welcome page: the radio buttons select the language whose texts are on
// show; the launcher's language index changes only on Next.
class LanguagePage {
public:
    // The page opens showing the current language index.
    explicit LanguagePage(SetupLanguage current) : shown_(current) {}

    PageAction Command(int control);

    // The language whose radio button is checked and whose texts are on show; after
    // Next it becomes the launcher's language index.
    SetupLanguage Shown() const { return shown_; }
    bool EnglishChecked() const { return shown_ == SetupLanguage::English; }
    bool GermanChecked() const { return shown_ == SetupLanguage::German; }

private:
    SetupLanguage shown_;
};

// Licence page: "do not agree" is checked when it opens, and Next is enabled only while
// "agree" is checked.
class LicencePage {
public:
    // The page shows the licence text of `language`.
    explicit LicencePage(SetupLanguage language) : language_(language) {}

    PageAction Command(int control);

    SetupLanguage Language() const { return language_; }

    bool DisagreeChecked() const { return !agreed_; }
    bool AgreeChecked() const { return agreed_; }
    bool NextEnabled() const { return agreed_; }

private:
    SetupLanguage language_;
    bool agreed_ = false;
};

}  // namespace orrery
