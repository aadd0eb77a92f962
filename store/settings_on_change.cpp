#include "store/settings_on_change.h"

#include <array>
#include <cstdint>
#include <optional>

#include "store/settings.h"
#include "store/settings_record.h"

namespace orrery {

namespace {

std::optional<std::array<std::uint8_t, SettingsRecordBytes>> lastWritten;

}  // namespace

bool SaveChangedSettings() {
  GatherSettings();
  std::array<std::uint8_t, SettingsRecordBytes> bytes{};
  EncodeSettings(settingsRecord, bytes.data());
  if (lastWritten == bytes) return true;
  if (SaveEncodedSettings(bytes.data()) != 0) return false;
  lastWritten = bytes;
  return true;
}

}  // namespace orrery
