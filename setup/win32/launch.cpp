#include "setup/win32/launch.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "setup/launch_command.h"

namespace orrery {

namespace {

// The manager's path from its App Paths key. The 64-bit registry view is read first;
// a 32-bit synchronisation package registers itself in the 32-bit view.
std::optional<std::string> ReadManagerPath() {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kManagerAppPathsKey, 0, KEY_QUERY_VALUE | view,
                          &key) != ERROR_SUCCESS) {
            continue;
        }
        std::uint8_t value[kManagerPathBufferSize];
        DWORD size = sizeof value;
        DWORD type = REG_NONE;
        const LONG status = RegQueryValueExA(key, nullptr, nullptr, &type, value, &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return ManagerPathFromValue({value, std::min<std::size_t>(size, sizeof value)},
                                    type == REG_SZ);
    }
    return std::nullopt;
}

// Nothing when the directory does not fit the buffer.
std::optional<std::string> ReadCurrentDirectory() {
    char directory[kCurrentDirectoryBufferSize];
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory) {
        return std::nullopt;
    }
    return std::string(directory, length);
}

}  // namespace

void LaunchApplicationManager() {
    const LaunchDecision decision = DecideLaunch(ReadManagerPath(), ReadCurrentDirectory());
    if (decision.launch) {
        OutputDebugStringA("\n\n------------------------------------\n");
        OutputDebugStringA("Launching >");
        OutputDebugStringA(decision.command.c_str());
        OutputDebugStringA("<\n");
        // WinExec reports success with a value above 31.
        if (WinExec(decision.command.c_str(), SW_SHOW) > 31) {
            return;
        }
    }
    MessageBoxA(nullptr, kLaunchErrorText, kLaunchErrorCaption, MB_OK);
}

}  // namespace orrery
