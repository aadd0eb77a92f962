#include "store/settings_scramble.h"

namespace orrery {

std::uint32_t NextKeystreamValue(std::uint32_t x) {
  std::uint32_t hi = 16807u * (x >> 16);
  std::uint32_t lo = 16807u * (x & 0xFFFFu);
  lo += (hi & 0x7FFFu) << 16;
  if (lo > 0x7FFFFFFFu) lo = (lo & 0x7FFFFFFFu) + 1;
  lo += hi >> 15;
  if (lo > 0x7FFFFFFFu) lo = (lo & 0x7FFFFFFFu) + 1;
  return lo;
}

void ScrambleSettings(std::uint8_t* buffer, int length) {
  std::uint32_t key = NextKeystreamValue(SettingsKeystreamSeed);
  int count = 0;
  for (int i = 0; i < length; ++i) {
    if (++count > 2) {
      count = 0;
      key = NextKeystreamValue(key);
    }
    buffer[i] ^= static_cast<std::uint8_t>(key & 0xFF);
  }
}

}  // namespace orrery
