// The look shared by the platform's own windows and controls: plain Pocket
// PC style, white background, black text, one-pixel frames.
#pragma once

#include <string>
#include <string_view>

#include "shell/platform/font.h"
#include "shell/platform/geometry.h"

namespace orrery::platform::theme {

inline constexpr Colour kText = kBlack;
inline constexpr Colour kBackground = kWhite;
inline constexpr Colour kFrame = kBlack;
inline constexpr Colour kGreyText = Rgb(128, 128, 128);
inline constexpr Colour kHighlight = Rgb(16, 52, 148);  // selection, pressed buttons
inline constexpr Colour kHighlightText = kWhite;
inline constexpr Colour kFace = Rgb(222, 222, 222);      // bars, tabs, scroll tracks
inline constexpr Colour kShadow = Rgb(128, 128, 128);
inline constexpr Colour kTipBackground = Rgb(255, 255, 225);

// Tahoma 8 pt: controls and dialogs. Tahoma 9 pt: menus and the menu bar.
inline Font ControlFont() { return Font::FromPoints(Typeface::Tahoma, 8); }
inline Font MenuFont() { return Font::FromPoints(Typeface::Tahoma, 9); }

// Menu and control texts mark a keyboard mnemonic with "&" (shown without
// it; "&&" shows one "&").
inline std::u16string DisplayText(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    else if (text[i] == u'&') continue;
    out += text[i];
  }
  return out;
}

}  // namespace orrery::platform::theme
