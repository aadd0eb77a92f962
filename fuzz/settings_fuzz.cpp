// Fuzzes loading a stored settings value: whatever its bytes and length, the
// live settings end up valid, and saving and loading them again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "foundation/localized_strings.h"
#include "store/settings.h"
#include "store/settings_scramble.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckLiveSettingsValid() {
  using namespace orrery;
  Require(settingsRecord.language == 0 || settingsRecord.language == 1);
  Require(CurrentLanguage() == settingsRecord.language);
  Require(settingsRecord.currentChartKey >= 0);
  Require(CurrentSlot().record.id == settingsRecord.currentChartKey);
  Require(rulershipIndex >= 0 && rulershipIndex < RulershipSystemCount);
  Require(settingsRecord.displayMode == 0);
  for (int a = 0; a < AspectRowCount; ++a)
    for (int b = 0; b < BodyCount; ++b)
      Require(currentOrbs[a][b] >= 0 && currentOrbs[a][b] <= MaxOrb);
  for (int k = 0; k < BodyCount; ++k)
    Require(currentPoints[k] >= 0 && currentPoints[k] <= MaxPoints);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orrery;
  LoadSettingsBytes(data, size);
  CheckLiveSettingsValid();

  std::int8_t orbs[AspectRowCount][BodyCount];
  std::int8_t points[BodyCount];
  std::memcpy(orbs, currentOrbs, sizeof orbs);
  std::memcpy(points, currentPoints, sizeof points);
  SettingsRecord before = settingsRecord;

  currentRecord.id = CurrentSlot().record.id;
  GatherSettings();
  std::uint8_t stored[SettingsRecordBytes];
  EncodeSettings(settingsRecord, stored);
  ScrambleSettings(stored, SettingsRecordBytes);
  LoadSettingsBytes(stored, sizeof stored);
  CheckLiveSettingsValid();
  Require(std::memcmp(orbs, currentOrbs, sizeof orbs) == 0);
  Require(std::memcmp(points, currentPoints, sizeof points) == 0);
  Require(settingsRecord.language == before.language);
  Require(settingsRecord.rulership == before.rulership);
  Require(settingsRecord.currentChartKey == before.currentChartKey);
  return 0;
}
