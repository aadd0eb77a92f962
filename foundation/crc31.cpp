#include "foundation/crc31.h"

#include <array>

namespace orrery {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrc32Table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

const std::array<std::uint32_t, 256> Crc32Table = MakeCrc32Table();

std::uint32_t Crc31(const std::uint8_t* data, int length, int skipOffset) {
  if (length < 1) return 0;
  std::uint32_t crc = 0xFFFFFFFFu;
  const std::uint8_t* p = data;
  for (int i = 0; i < length;) {
    if (i == skipOffset) {
      p += 4;
      i += 5;
      continue;
    }
    crc = Crc32Table[(crc ^ *p) & 0xFF] ^ (crc >> 8);
    ++p;
    ++i;
  }
  return ~crc & 0x7FFFFFFFu;
}

}  // namespace orrery
