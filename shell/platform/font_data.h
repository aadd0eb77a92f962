// The font files built into the program (font_data.cpp).
#pragma once

#include <cstdint>
#include <span>

#include "shell/platform/font.h"

namespace orrery::platform {

std::span<const uint8_t> FontFileData(Typeface face);

}  // namespace orrery::platform
