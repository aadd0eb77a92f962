#include "setup/setup_pages.h"

#include "setup/setup_ids.h"

namespace orrery {

PageAction LanguagePage::Command(int control) {
    switch (control) {
    case IDC_ENGLISH:
        shown_ = SetupLanguage::English;
        return PageAction::Stay;
    case IDC_GERMAN:
        shown_ = SetupLanguage::German;
        return PageAction::Stay;
    case IDC_LANGUAGE_NEXT:
    case IDC_COMMAND_OK:
        return PageAction::Next;
    case IDC_LANGUAGE_CANCEL:
    case IDC_COMMAND_CANCEL:
        return PageAction::Cancel;
    default:
        return PageAction::Stay;
    }
}

PageAction LicencePage::Command(int control) {
    switch (control) {
    case IDC_DISAGREE:
        agreed_ = false;
        return PageAction::Stay;
    case IDC_AGREE:
        agreed_ = true;
        return PageAction::Stay;
    case IDC_LICENCE_NEXT:
        // A disabled button sends nothing; refusing here as well keeps Enter or a
        // stray command from getting past the agreement.
        return agreed_ ? PageAction::Next : PageAction::Stay;
    case IDC_LICENCE_CANCEL:
    case IDC_COMMAND_CANCEL:
        return PageAction::Cancel;
    default:
        return PageAction::Stay;
    }
}

}  // namespace orrery
