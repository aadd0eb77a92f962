// The code points of the program's UTF-16 texts, for the fonts. The
// conversions to and from UTF-8 are foundation's (foundation/wide_string.h).
#pragma once

#include <string_view>

#include "foundation/wide_string.h"

namespace orrery::platform {

// The code point starting at text[i]; advances i past it. An unpaired
// surrogate decodes as U+FFFD.
char32_t NextCodePoint(std::u16string_view text, size_t& i);

}  // namespace orrery::platform
