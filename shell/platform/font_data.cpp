// Embeds the font files named by the build (ORRERY_FONT_* definitions) into
// the read-only data of the program, so it needs no font files at run time.
#include "shell/platform/font_data.h"

#define ORRERY_EMBED(symbol, path)                                   \
  __asm__(".section .rodata\n"                                       \
          ".balign 16\n"                                             \
          ".global " #symbol "_start\n" #symbol "_start:\n"          \
          ".incbin \"" path "\"\n"                                   \
          ".global " #symbol "_end\n" #symbol "_end:\n"              \
          ".byte 0\n"                                                \
          ".previous\n");                                            \
  extern "C" const uint8_t symbol##_start[];                         \
  extern "C" const uint8_t symbol##_end[];

ORRERY_EMBED(orrery_font_tahoma, ORRERY_FONT_TAHOMA)
ORRERY_EMBED(orrery_font_tahomabd, ORRERY_FONT_TAHOMA_BOLD)
ORRERY_EMBED(orrery_font_system, ORRERY_FONT_SYSTEM)
ORRERY_EMBED(orrery_font_dejavu, ORRERY_FONT_SYMBOL)

namespace orrery::platform {

std::span<const uint8_t> FontFileData(Typeface face) {
  switch (face) {
    case Typeface::Tahoma:
      return {orrery_font_tahoma_start, orrery_font_tahoma_end};
    case Typeface::TahomaBold:
      return {orrery_font_tahomabd_start, orrery_font_tahomabd_end};
    case Typeface::System:
      return {orrery_font_system_start, orrery_font_system_end};
    case Typeface::Symbol:
      break;
  }
  return {orrery_font_dejavu_start, orrery_font_dejavu_end};
}

}  // namespace orrery::platform
