// setuplaunch: the desktop companion that starts the installation of the handheld
// program. Its main window never shows anything of its own; creating it runs the
// pages, and destroying it ends the program.
#include <windows.h>

#include "setup/setup_ids.h"
#include "setup/win32/pages.h"

namespace {

constexpr char kWindowClass[] = "Quorvel Windows CE Installer Setup";
constexpr char kTitle[] = "Quorvel Astrology Setup";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        orrery::RunSetupPages(create->hInstance, window);
        DestroyWindow(window);
        return 0;
    }
    case WM_COMMAND:
        // Escape, through the accelerator table.
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETUP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND + 1);  // system colour 1
    windowClass.lpszClassName = kWindowClass;
    windowClass.hIconSm = windowClass.hIcon;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!RegisterMainWindowClass(instance)) {
        return 0;
    }
    // The pages run while the window is being created, and the window is destroyed
    // when they close; creation then reports no window and the program ends here.
    HWND window = CreateWindowExA(0, kWindowClass, kTitle, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
