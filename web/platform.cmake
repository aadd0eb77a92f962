# The platform layer's part of the web build, included by shell/platform/.
#
# FreeType and zlib: built by scripts/web-libs.sh into ORRERY_WEB_LIBS.
if(NOT EXISTS ${ORRERY_WEB_LIBS}/lib/libfreetype.a)
  message(FATAL_ERROR "ORRERY_WEB_LIBS=${ORRERY_WEB_LIBS} holds no FreeType: run scripts/web-libs.sh")
endif()
add_library(Freetype::Freetype STATIC IMPORTED)
set_target_properties(Freetype::Freetype PROPERTIES
  IMPORTED_LOCATION ${ORRERY_WEB_LIBS}/lib/libfreetype.a
  INTERFACE_INCLUDE_DIRECTORIES ${ORRERY_WEB_LIBS}/include/freetype2
  INTERFACE_LINK_LIBRARIES ${ORRERY_WEB_LIBS}/lib/libz.a)

# The symbol font is only the fallback for characters the Tahoma faces lack
# (its astrological glyphs are drawn into the glyph tables at build time), so
# the page carries just those characters (web/font_subset.py).
find_program(ORRERY_FONTTOOLS_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(symbol_subset ${CMAKE_BINARY_DIR}/fonts/DejaVuSans-web.ttf)
set(atlas_chars ${CMAKE_SOURCE_DIR}/data/atlas/char_table.inc)
add_custom_command(OUTPUT ${symbol_subset}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fonts
  COMMAND ${ORRERY_FONTTOOLS_PYTHON} ${CMAKE_SOURCE_DIR}/web/font_subset.py ${ORRERY_FONT_SYMBOL}
          ${atlas_chars} ${symbol_subset} ${ORRERY_FONT_TAHOMA} ${ORRERY_FONT_TAHOMA_BOLD}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/font_subset.py ${ORRERY_FONT_SYMBOL} ${atlas_chars}
  COMMENT "Cutting the symbol font down to the page's characters")
set(ORRERY_FONT_SYMBOL ${symbol_subset})
