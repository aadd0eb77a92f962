#include "shell/text_format.h"

#include <cstdarg>
#include <cstdio>

#include "foundation/wide_string.h"

namespace orrery {

std::u16string FormatText(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return FromUtf8(text);
}

std::u16string FieldText(const char16_t* field, std::size_t capacity) {
  return std::u16string(field, BoundedLength(field, capacity));
}

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view word) {
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (lower(text[i]) != lower(word[i])) return false;
  }
  return true;
}

}  // namespace orrery
