// Text of the views: printf-style formatting into the program's UTF-16
// text, and the fixed-size text fields of a ChartRecord as strings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orrery {

// printf into UTF-16 (the format and its %s arguments are UTF-8).
std::u16string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of a NUL-terminated field of capacity units (never read beyond it).
std::u16string FieldText(const char16_t* field, std::size_t capacity);
template <std::size_t N>
std::u16string FieldText(const char16_t (&field)[N]) {
  return FieldText(field, N);
}

// Whether text equals word, comparing ASCII letters without regard to case.
bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view word);

}  // namespace orrery
