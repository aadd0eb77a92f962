#include "store/settings_record.h"

#include <cstring>

#include "store/little_endian.h"

namespace orrery {

namespace {

constexpr int LanguageOffset = 4;
constexpr int ChartKeyOffset = 8;
constexpr int RulershipOffset = 12;
constexpr int OrbsOffset = 44;
constexpr int PointsOffset = 265;
constexpr int DisplayModeOffset = 282;

static_assert(OrbsOffset + AspectRowCount * BodyCount == PointsOffset);
static_assert(PointsOffset + BodyCount == DisplayModeOffset);

}  // namespace

SettingsRecord settingsRecord;

void EncodeSettings(const SettingsRecord& record, std::uint8_t* bytes) {
  std::memset(bytes, 0, SettingsRecordBytes);
  bytes[LanguageOffset] = static_cast<std::uint8_t>(record.language);
  PutI32(bytes + ChartKeyOffset, record.currentChartKey);
  bytes[RulershipOffset] = static_cast<std::uint8_t>(record.rulership);
  for (int a = 0; a < AspectRowCount; ++a) {
    for (int b = 0; b < BodyCount; ++b) {
      bytes[OrbsOffset + BodyCount * a + b] = static_cast<std::uint8_t>(record.orbs[a][b]);
    }
  }
  for (int k = 0; k < BodyCount; ++k) {
    bytes[PointsOffset + k] = static_cast<std::uint8_t>(record.points[k]);
  }
  bytes[DisplayModeOffset] = static_cast<std::uint8_t>(record.displayMode);
}

SettingsRecord DecodeSettings(const std::uint8_t* bytes) {
  SettingsRecord record{};
  record.language = static_cast<std::int8_t>(bytes[LanguageOffset]);
  record.currentChartKey = GetI32(bytes + ChartKeyOffset);
  record.rulership = static_cast<std::int8_t>(bytes[RulershipOffset]);
  for (int a = 0; a < AspectRowCount; ++a) {
    for (int b = 0; b < BodyCount; ++b) {
      record.orbs[a][b] = static_cast<std::int8_t>(bytes[OrbsOffset + BodyCount * a + b]);
    }
  }
  for (int k = 0; k < BodyCount; ++k) {
    record.points[k] = static_cast<std::int8_t>(bytes[PointsOffset + k]);
  }
  record.displayMode = static_cast<std::int8_t>(bytes[DisplayModeOffset]);
  return record;
}

}  // namespace orrery
