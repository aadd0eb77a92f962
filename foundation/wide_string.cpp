#include "foundation/wide_string.h"

#include <algorithm>

namespace orrery {

std::size_t BoundedLength(const char16_t* s, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && s[n] != 0) ++n;
  return n;
}

void CopyText(char16_t* dst, std::size_t capacity, std::u16string_view src) {
  if (capacity == 0) return;
  std::size_t n = std::min(capacity - 1, src.size());
  std::copy_n(src.data(), n, dst);
  dst[n] = 0;
}

int IndexOfChar(const char16_t* s, char16_t ch) {
  for (int i = 0;; ++i) {
    if (s[i] == ch) return i;
    if (s[i] == 0) return -1;
  }
}

int FindSubstring(const char16_t* s, const char16_t* f) {
  std::u16string_view text(s), find(f);
  if (text.empty() || find.empty()) return -1;
  std::size_t at = text.find(find);
  return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

int ReplaceFirst(const char16_t* src, char16_t* dst, int capacity, const char16_t* find,
                 const char16_t* repl) {
  std::u16string_view text(src), pattern(find), replacement(repl);
  int at = FindSubstring(src, find);
  if (at < 0) return -1;
  long resultLength = static_cast<long>(replacement.size()) -
                      static_cast<long>(pattern.size()) + static_cast<long>(text.size());
  if (resultLength >= capacity) return -1;
  std::u16string result;
  result.reserve(static_cast<std::size_t>(resultLength));
  result.append(text.substr(0, static_cast<std::size_t>(at)));
  result.append(replacement);
  result.append(text.substr(static_cast<std::size_t>(at) + pattern.size()));
  std::copy(result.begin(), result.end(), dst);
  dst[result.size()] = 0;
  return at;
}

void CollapseSpaces(char16_t* s) {
  std::size_t out = 0;
  bool pendingSpace = false;
  for (std::size_t in = 0; s[in] != 0; ++in) {
    if (s[in] == u' ') {
      pendingSpace = out > 0;
      continue;
    }
    if (pendingSpace) s[out++] = u' ';
    pendingSpace = false;
    s[out++] = s[in];
  }
  s[out] = 0;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

namespace {

// Decodes one UTF-8 sequence at s[i]; advances i; U+FFFD for malformed input.
char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
  unsigned char lead = static_cast<unsigned char>(s[i++]);
  int extra;
  char32_t c;
  char32_t minimum;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return 0xFFFD;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
}

}  // namespace

std::u16string FromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = DecodeUtf8(s, i);
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

}  // namespace orrery
