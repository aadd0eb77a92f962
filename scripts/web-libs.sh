#!/usr/bin/env bash
# Builds the C libraries the web build links (zlib, FreeType) with emscripten,
# from Debian's source packages: emscripten's own "ports" would be fetched
# from the network at build time, which a frozen emscripten cannot do.
#
#   scripts/web-libs.sh DIR     installs into DIR/prefix (include/, lib/)
#
# Idempotent: a finished build leaves DIR/prefix/.done and a second run
# returns at once. Needs the deb-src entry scripts/install-deps.sh adds.
set -euo pipefail

dir=$(realpath -m "${1:?usage: web-libs.sh DIR}")
prefix=$dir/prefix
if [ -f "$prefix/.done" ]; then exit 0; fi
export NODE_PATH=/usr/share/nodejs
jobs=${JOBS:-2}

rm -rf "$dir/src" "$prefix"
mkdir -p "$dir/src" "$prefix/include" "$prefix/lib"
cd "$dir/src"
echo "web-libs: fetching the zlib and freetype source packages"
apt-get source --download-only -qq zlib freetype >/dev/null
for dsc in zlib_*.dsc freetype_*.dsc; do
  dpkg-source --no-check -x "$dsc" >/dev/null
done
zlib_src=$(find . -maxdepth 1 -type d -name 'zlib-*' | head -1)
freetype_src=$(find . -maxdepth 1 -type d -name 'freetype-*' | head -1)

# zlib's CMake build does not configure under emcmake; its sources compile
# as they are.
echo "web-libs: building zlib"
mkdir -p zlib-build
for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
         inftrees trees uncompr zutil; do
  emcc -Oz -DHAVE_UNISTD_H -c "$zlib_src/$c.c" -o "zlib-build/$c.o"
done
emar rcs "$prefix/lib/libz.a" zlib-build/*.o
cp "$zlib_src/zlib.h" "$zlib_src/zconf.h" "$prefix/include/"

# FreeType keeps its own inflate out (FT_REQUIRE_ZLIB) so that it does not
# clash with zlib's at link time. Of its modules the page registers only
# what the program's fonts need (TrueType outlines and embedded bitmaps, the
# auto-hinter for the Wine faces, which carry no hinting instructions, and
# monochrome rendering), so the others stay out of the program.
echo "web-libs: building freetype"
cat >"$freetype_src/include/freetype/config/ftmodule.h" <<'MODULES'
/* The modules of the web build: see scripts/web-libs.sh. */
FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )
FT_USE_MODULE( FT_Module_Class, autofit_module_class )
FT_USE_MODULE( FT_Module_Class, sfnt_module_class )
FT_USE_MODULE( FT_Renderer_Class, ft_raster1_renderer_class )
MODULES
# Nor do they need variation fonts, colour layers, BDF properties, Mac
# resource forks or glyph names.
for option in TT_CONFIG_OPTION_GX_VAR_SUPPORT TT_CONFIG_OPTION_COLOR_LAYERS TT_CONFIG_OPTION_BDF \
              FT_CONFIG_OPTION_MAC_FONTS FT_CONFIG_OPTION_GUESSING_EMBEDDED_RFORK \
              FT_CONFIG_OPTION_POSTSCRIPT_NAMES FT_CONFIG_OPTION_ADOBE_GLYPH_LIST; do
  sed -i "s|^#define $option\b|/* #undef $option */|" "$freetype_src/include/freetype/config/ftoption.h"
done
emcmake cmake -S "$freetype_src" -B freetype-build -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-Oz -DNDEBUG" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -DFT_REQUIRE_ZLIB=ON -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" \
  -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON \
  >freetype-configure.log
cmake --build freetype-build -j "$jobs" >freetype-build.log
cmake --install freetype-build >/dev/null
touch "$prefix/.done"
echo "web-libs: done in $prefix"
