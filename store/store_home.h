// Where the chart file and the settings live on the host: the home folder.
// The device's chart file "\windows\qastrology.dat" becomes
// <home>/qastrology.dat; the registry value "Astrology_100" under the key
// "Software\quorvel" becomes the file <home>/registry/Software/quorvel/Astrology_100.
//
// The programs set the home (their --home option, or DefaultStoreHome());
// until one is set, nothing is read or written and the file operations fail
// with their codes, so no test or tool touches a user's charts by accident.
#pragma once

#include <filesystem>

namespace orrery {

// $XDG_DATA_HOME/orrery, or ~/.local/share/orrery when XDG_DATA_HOME is unset
// or not absolute; empty when neither that nor HOME is known.
std::filesystem::path DefaultStoreHome();

void SetStoreHome(const std::filesystem::path& home);
const std::filesystem::path& StoreHome();

// <home>/qastrology.dat; empty while no home is set.
std::filesystem::path ChartFilePath();
// The folder standing in for the registry key "Software\quorvel"; empty while no home is set.
std::filesystem::path SettingsKeyPath();
// The file standing in for the registry value "Astrology_100"; empty while no home is set.
std::filesystem::path SettingsValuePath();

}  // namespace orrery
