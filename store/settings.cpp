#include "store/settings.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "chart/object_info.h"
#include "foundation/error_log.h"
#include "foundation/localized_strings.h"
#include "store/atomic_file.h"
#include "store/settings_scramble.h"
#include "store/store_home.h"
#include "store/stored_file.h"

namespace orrery {

namespace {

// "Opening or creating the key": its folder exists afterwards.
bool OpenSettingsKey() {
  if (SettingsKeyPath().empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(SettingsKeyPath(), error);
  return !error;
}

// An empty record: English, and nothing spread.
void ZeroSettingsRecord() {
  settingsRecord = SettingsRecord{};
  SetLanguage(English);
}

}  // namespace

void GatherSettings() {
  settingsRecord.currentChartKey = currentRecord.id;
  settingsRecord.rulership = rulershipIndex;
  std::memcpy(settingsRecord.orbs, currentOrbs, sizeof currentOrbs);
  std::memcpy(settingsRecord.points, currentPoints, sizeof currentPoints);
}

void SpreadSettings() {
  SettingsRecord& r = settingsRecord;
  int language = std::abs(static_cast<int>(r.language));
  r.language = static_cast<std::int8_t>(language < 2 ? language : 0);
  SetLanguage(r.language);

  std::int32_t key = r.currentChartKey == INT32_MIN ? 0 : std::abs(r.currentChartKey);
  r.currentChartKey = key;
  CurrentSlot().record.id = key;

  int rulership = std::abs(static_cast<int>(r.rulership));
  r.rulership = static_cast<std::int8_t>(rulership < RulershipSystemCount ? rulership : 0);
  rulershipIndex = r.rulership;
  r.displayMode = 0;

  for (int a = 0; a < AspectRowCount; ++a) {
    for (int b = 0; b < BodyCount; ++b) {
      std::int8_t v = r.orbs[a][b];
      currentOrbs[a][b] = v >= 0 && v <= MaxOrb ? v : aspectInfo[a].defaultOrbs[b];
    }
  }
  for (int k = 0; k < BodyCount; ++k) {
    std::int8_t v = r.points[k];
    currentPoints[k] = v >= 0 && v <= MaxPoints ? v : objectInfo[k].defaultPoints;
  }
}

int SaveSettings() {
  GatherSettings();
  std::uint8_t record[SettingsRecordBytes];
  EncodeSettings(settingsRecord, record);
  return SaveEncodedSettings(record);
}

int SaveEncodedSettings(const std::uint8_t* record) {
  if (!OpenSettingsKey()) return PushError(501);
  // A stored value that is there but cannot be read is never written over.
  if (ReadStoredFile(SettingsValuePath(), 0).status == StoredFile::Status::Unreadable)
    return PushError(501);
  std::uint8_t bytes[SettingsRecordBytes];
  std::memcpy(bytes, record, SettingsRecordBytes);
  ScrambleSettings(bytes, SettingsRecordBytes);
  if (!WriteFileAtomically(SettingsValuePath(), bytes, SettingsRecordBytes)) return PushError(501);
  return 0;
}

void LoadSettingsBytes(const std::uint8_t* value, std::size_t size) {
  std::uint8_t bytes[SettingsRecordBytes] = {};
  if (size > 0) std::memcpy(bytes, value, size < sizeof bytes ? size : sizeof bytes);
  ScrambleSettings(bytes, SettingsRecordBytes);
  settingsRecord = DecodeSettings(bytes);
  SpreadSettings();
}

int LoadSettings() {
  if (!OpenSettingsKey()) return PushError(501);
  std::error_code error;
  if (!std::filesystem::exists(SettingsValuePath(), error)) {
    ZeroSettingsRecord();
    return PushError(error ? 504 : 503);
  }
  StoredFile value = ReadStoredFile(SettingsValuePath(), SettingsRecordBytes);
  if (value.status != StoredFile::Status::Read) {
    ZeroSettingsRecord();
    return PushError(504);
  }
  LoadSettingsBytes(value.bytes.data(), value.bytes.size());
  return 0;
}

int LoadSettingsAtStartup() {
  // The defaults first: a first run stores the live tables as they are.
  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  settingsRecord = SettingsRecord{};
  int result = LoadSettings();
  if (result == 503) SaveSettings();
  return result;
}

}  // namespace orrery
