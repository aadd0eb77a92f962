// Keeping the settings between runs. The registry value "Astrology_100" under
// "Software\quorvel" is the file <home>/registry/Software/quorvel/Astrology_100
// (store_home.h), holding the 356 scrambled bytes of the SettingsRecord.
//
// Codes pushed onto the error log, never shown to the user:
//   501 the key folder cannot be created, or the value cannot be written
//   503 no stored value (first run): the record is zero, the caller saves
//   504 the stored value cannot be read: the record is zero (English)
// Closing a key (502 on the device) cannot fail with a file and never occurs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/settings_record.h"

namespace orrery {

// Gathers the live chart settings into the record and writes it, scrambled,
// atomically. Returns 0, or 501 when the value could not be written (also
// when a value is there that cannot be read: it is never written over).
int SaveSettings();
// Writes a record already encoded (EncodeSettings), as SaveSettings does.
int SaveEncodedSettings(const std::uint8_t* record);

// Reads the stored value (at most 356 bytes), unscrambles, validates and
// spreads it. Returns 0 or the code it pushed (501, 503, 504).
int LoadSettings();
// The same for a stored value already in memory: the record is zeroed, takes
// at most 356 bytes of value, is unscrambled, validated and spread.
void LoadSettingsBytes(const std::uint8_t* value, std::size_t size);

// The start-up order: the live orbs and factor points take their defaults,
// the record is zeroed, the settings loaded, and on a first run (503) the
// defaults stored at once (never tables that were not yet set). Returns LoadSettings' result.
int LoadSettingsAtStartup();

// The record into the live settings, each field made valid on the way:
// language |l|, 0 unless below 2 (and the language of the localised texts);
// chart key |k| into the record and the current chart slot (the smallest
// 32-bit value, which has no magnitude, becomes 0); rulership |r|, 0 unless
// below 4; display mode 0; an orb outside 0..30 takes its row's default for
// that body, points outside 0..9 the body's default points.
void SpreadSettings();
// The live chart settings and the current chart's id into the record.
void GatherSettings();

}  // namespace orrery
