// Embeds the font files named by the build (ORRERY_FONT_* definitions) into
// the read-only data of the program, so it needs no font files at run time.
#include "shell/platform/font_data.h"

#include "foundation/embedded_file.h"

ORRERY_EMBED_FILE(orrery_font_tahoma, ORRERY_FONT_TAHOMA);
ORRERY_EMBED_FILE(orrery_font_tahomabd, ORRERY_FONT_TAHOMA_BOLD);
ORRERY_EMBED_FILE(orrery_font_system, ORRERY_FONT_SYSTEM);
ORRERY_EMBED_FILE(orrery_font_dejavu, ORRERY_FONT_SYMBOL);

namespace orrery::platform {

std::span<const uint8_t> FontFileData(Typeface face) {
  switch (face) {
    case Typeface::Tahoma:
      return {orrery_font_tahoma, orrery_font_tahoma_end};
    case Typeface::TahomaBold:
      return {orrery_font_tahomabd, orrery_font_tahomabd_end};
    case Typeface::System:
      return {orrery_font_system, orrery_font_system_end};
    case Typeface::Symbol:
      break;
  }
  return {orrery_font_dejavu, orrery_font_dejavu_end};
}

}  // namespace orrery::platform
