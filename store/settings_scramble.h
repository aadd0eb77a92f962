// The keystream that scrambles the stored settings: the minimal standard
// multiplicative congruential generator x' = 16807 x mod (2^31 - 1), in
// Carta's form without 64-bit products, started from a fixed seed.
//
// Scrambling XORs byte i with the low byte of a key value: the first value
// covers bytes 0 and 1, every later value three bytes (2..4, 5..7, ...).
// Scrambling and unscrambling are the same operation.
#pragma once

#include <cstdint>

namespace orrery {

// The seed of this program's keystream. Stored settings are readable only
// with the same seed, so it never changes.
inline constexpr std::uint32_t SettingsKeystreamSeed = 271;

// 16807 x mod (2^31 - 1) for 1 <= x < 2^31 - 1.
std::uint32_t NextKeystreamValue(std::uint32_t x);

// XORs the keystream into length bytes in place; a length below 1 changes nothing.
void ScrambleSettings(std::uint8_t* buffer, int length);

}  // namespace orrery
