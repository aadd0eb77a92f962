// The SettingsRecord: everything but the charts that survives a restart.
// Stored as 356 bytes, little-endian, scrambled (settings_scramble.h), with
// no header and no checksum:
//
//   offset width field
//        0     4 reserved, zero
//        4     1 language, signed: 0 English, 1 German
//        5     3 reserved, zero
//        8     4 current chart key, signed: id of the chart on show at the save
//       12     1 rulership system, signed
//       13    31 reserved, zero
//       44   221 orbs, signed, aspect-major: byte 44 + 17 x aspect + body
//      265    17 factor points per body, signed
//      282     1 display mode, reset to 0 on every load
//      283    73 reserved, zero
//
// In memory the language field is the live language; the other fields are
// copies of the live chart settings (chart/live_settings.h), gathered before
// a save and spread back after a load.
#pragma once

#include <cstdint>

#include "astro/body_table.h"
#include "chart/aspects.h"

namespace orrery {

inline constexpr int SettingsRecordBytes = 356;

struct SettingsRecord {
  std::int8_t language;
  std::int32_t currentChartKey;
  std::int8_t rulership;
  std::int8_t orbs[AspectRowCount][BodyCount];
  std::int8_t points[BodyCount];
  std::int8_t displayMode;
};

// The one SettingsRecord of the program; all zero until the settings load.
extern SettingsRecord settingsRecord;

// The 356-byte stored form (unscrambled); reserved bytes are written as zero.
void EncodeSettings(const SettingsRecord& record, std::uint8_t* bytes);
// The fields of the stored form (unscrambled); reserved bytes are ignored.
SettingsRecord DecodeSettings(const std::uint8_t* bytes);

}  // namespace orrery
