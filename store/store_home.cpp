#include "store/store_home.h"

#include <cstdlib>

namespace orrery {

namespace {

std::filesystem::path storeHome;

}  // namespace

std::filesystem::path DefaultStoreHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
    return std::filesystem::path(xdg) / "orrery";
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == 0) return {};
  return std::filesystem::path(home) / ".local" / "share" / "orrery";
}

void SetStoreHome(const std::filesystem::path& home) { storeHome = home; }

const std::filesystem::path& StoreHome() { return storeHome; }

std::filesystem::path ChartFilePath() {
  return storeHome.empty() ? storeHome : storeHome / "qastrology.dat";
}

std::filesystem::path SettingsKeyPath() {
  return storeHome.empty() ? storeHome : storeHome / "registry" / "Software" / "quorvel";
}

std::filesystem::path SettingsValuePath() {
  return storeHome.empty() ? storeHome : SettingsKeyPath() / "Astrology_100";
}

}  // namespace orrery
