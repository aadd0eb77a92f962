// Breaking text into lines that fit a width: at "\n" (a "\r" before it is
// dropped), and between words where a line would be too wide. A word wider
// than the width is broken between characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/platform/font.h"

namespace orrery::platform {

std::vector<std::u16string> WrapText(const Font& font, std::u16string_view text, int width);

}  // namespace orrery::platform
