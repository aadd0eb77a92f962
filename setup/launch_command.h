// Starting the Windows CE Application Manager: how its registered path is read, the
// command line it gets, and whether the launcher can start it at all.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orrery {

// HKEY_LOCAL_MACHINE key whose default value holds the manager's full path.
inline constexpr char kManagerAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE";
// Buffer sizes for the registry value and the current directory, terminator included.
inline constexpr std::size_t kManagerPathBufferSize = 261;
inline constexpr std::size_t kCurrentDirectoryBufferSize = 258;

// The message box shown when the manager cannot be started.
inline constexpr char kLaunchErrorText[] = "Unable to Launch Application Manager for Windows CE";
inline constexpr char kLaunchErrorCaption[] = "Error";

// The manager's path from the registry value as read: its bytes (the terminator may be
// missing) and whether it is a plain string value. One pair of surrounding double
// quotes is removed. Nothing when the value is not a string, is empty, or holds a
// double quote inside (no Windows path does).
std::optional<std::string> ManagerPathFromValue(std::span<const std::uint8_t> value, bool isString);

// The command line: the manager's path in double quotes, one space, and the path of
// "bin\setup.ini" below the current directory in double quotes. A current directory
// that already ends in a backslash (a drive root such as "E:\") gets no second one.
std::string LaunchCommand(std::string_view managerPath, std::string_view currentDirectory);

// What the launcher does once the user has agreed: start `command`, or, when the
// manager's path or the current directory could not be read, show the error message.
struct LaunchDecision {
    bool launch;
    std::string command;
};

LaunchDecision DecideLaunch(const std::optional<std::string>& managerPath,
                            const std::optional<std::string>& currentDirectory);

}  // namespace orrery
