#include "shell/platform/unicode.h"

namespace orrery::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  const char16_t u = text[i++];
  if (u < 0xD800 || u > 0xDFFF) return u;
  if (u <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
    const char16_t low = text[i++];
    return 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00);
  }
  return kReplacement;
}

}  // namespace orrery::platform
