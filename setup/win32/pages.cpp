#include "setup/win32/pages.h"

#include "setup/centring.h"
#include "setup/setup_ids.h"
#include "setup/setup_pages.h"
#include "setup/win32/launch.h"

namespace orrery {

namespace {

static_assert(IDC_COMMAND_OK == IDOK && IDC_COMMAND_CANCEL == IDCANCEL);
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

const wchar_t* Wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

void CentreOnScreen(HWND window) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) {
        return;
    }
    const ScreenPoint origin =
        CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                      frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void SetText(HWND dialog, int control, const char16_t* text) {
    SetWindowTextW(GetDlgItem(dialog, control), Wide(text));
}

void SetRadio(HWND dialog, int control, bool checked) {
    SendDlgItemMessageW(dialog, control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ShowPage(HWND dialog, const LanguagePage& page) {
    SetRadio(dialog, IDC_ENGLISH, page.EnglishChecked());
    SetRadio(dialog, IDC_GERMAN, page.GermanChecked());
    for (const ControlText& text : WelcomeTextsFor(page.Shown())) {
        SetText(dialog, text.control, text.text);
    }
}

void ShowPage(HWND dialog, const LicencePage& page) {
    SetRadio(dialog, IDC_DISAGREE, page.DisagreeChecked());
    SetRadio(dialog, IDC_AGREE, page.AgreeChecked());
    EnableWindow(GetDlgItem(dialog, IDC_LICENCE_NEXT), page.NextEnabled());
}

// Fills a page as it opens; returns whether the dialog manager is to put the focus on
// the first control.
BOOL OpenPage(HWND dialog, const LanguagePage& page) {
    ShowPage(dialog, page);
    return TRUE;
}

// The focus goes to the licence text with the caret at its start: the dialog manager
// would select the whole text, which scrolls it to its end.
BOOL OpenPage(HWND dialog, const LicencePage& page) {
    HWND text = GetDlgItem(dialog, IDC_LICENCE_TEXT);
    SetWindowTextW(text, Wide(LicenceTextFor(page.Language())));
    ShowPage(dialog, page);
    SetFocus(text);
    SendMessageW(text, EM_SETSEL, 0, 0);
    return FALSE;
}

// One dialog procedure for both pages: the page object (passed as the dialog's
// creation parameter) decides, the procedure mirrors its state onto the controls.
template <class Page>
INT_PTR CALLBACK PageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        CentreOnScreen(dialog);
        return OpenPage(dialog, *reinterpret_cast<Page*>(lParam));
    }
    auto* page = reinterpret_cast<Page*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || page == nullptr) {
        return FALSE;
    }
    const PageAction action = page->Command(LOWORD(wParam));
    ShowPage(dialog, *page);
    if (action != PageAction::Stay) {
        EndDialog(dialog, action == PageAction::Next ? IDOK : IDCANCEL);
    }
    return TRUE;
}

template <class Page>
bool RunPage(HINSTANCE instance, HWND owner, int templateId, Page& page) {
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, PageProc<Page>,
                           reinterpret_cast<LPARAM>(&page)) == IDOK;
}

}  // namespace

void RunSetupPages(HINSTANCE instance, HWND owner) {
    LanguagePage languagePage(SetupLanguage::English);
    if (!RunPage(instance, owner, IDD_LANGUAGE_PAGE, languagePage)) {
        return;
    }
    const SetupLanguage language = languagePage.Shown();
    LicencePage licencePage(language);
    if (!RunPage(instance, owner, LicenceTemplateFor(language), licencePage)) {
        return;
    }
    LaunchApplicationManager();
}

}  // namespace orrery
