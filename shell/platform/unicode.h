// Conversions between the UTF-8 of files and hosts and the UTF-16 of the
// program's texts.
#pragma once

#include <string>
#include <string_view>

namespace orrery::platform {

// The code point starting at text[i]; advances i past it. An unpaired
// surrogate decodes as U+FFFD.
char32_t NextCodePoint(std::u16string_view text, size_t& i);

// Malformed UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace orrery::platform
