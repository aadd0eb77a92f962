#include "setup/launch_command.h"

#include <algorithm>

namespace orrery {

namespace {

std::string Quoted(std::string_view path) {
    std::string quoted;
    quoted.reserve(path.size() + 2);
    quoted += '"';
    quoted += path;
    quoted += '"';
    return quoted;
}

}  // namespace

std::optional<std::string> ManagerPathFromValue(std::span<const std::uint8_t> value, bool isString) {
    if (!isString) {
        return std::nullopt;
    }
    auto end = std::find(value.begin(), value.end(), std::uint8_t{0});
    std::string_view path(reinterpret_cast<const char*>(value.data()),
                          static_cast<std::size_t>(end - value.begin()));
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
        path = path.substr(1, path.size() - 2);
    }
    if (path.empty() || path.find('"') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(path);
}

std::string LaunchCommand(std::string_view managerPath, std::string_view currentDirectory) {
    std::string setupIni(currentDirectory);
    if (!currentDirectory.ends_with('\\')) {
        setupIni += '\\';
    }
    setupIni += "bin\\setup.ini";
    return Quoted(managerPath) + ' ' + Quoted(setupIni);
}

LaunchDecision DecideLaunch(const std::optional<std::string>& managerPath,
                            const std::optional<std::string>& currentDirectory) {
    if (!managerPath || !currentDirectory) {
        return {false, {}};
    }
    return {true, LaunchCommand(*managerPath, *currentDirectory)};
}

}  // namespace orrery
