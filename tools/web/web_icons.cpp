// Draws the web page's home-screen icons from the program's own icon (101,
// the chart wheel): web-icons OUTDIR writes icon-192.png and icon-512.png,
// the icon enlarged by whole pixels on white, inside the middle 80 % that
// launchers keep when they round or cut an icon's corners.
#include <cstdio>
#include <string>

#include "shell/glyphs/glyph_ids.h"
#include "shell/glyphs/register_glyphs.h"
#include "shell/platform/png_io.h"
#include "shell/platform/resources.h"

namespace {

using orrery::platform::Image;
using orrery::platform::Surface;

Surface Enlarged(const Image& icon, int size) {
  const int scale = size * 8 / 10 / icon.Width();
  const int left = (size - icon.Width() * scale) / 2;
  const int top = (size - icon.Height() * scale) / 2;
  Surface s(size, size);
  for (int y = 0; y < icon.Height() * scale; ++y) {
    for (int x = 0; x < icon.Width() * scale; ++x) {
      const int a = icon.Alpha(x / scale, y / scale);
      const auto over = orrery::platform::Blend(s.Pixel(left + x, top + y),
                                                icon.Pixel(x / scale, y / scale), a);
      s.SetPixel(left + x, top + y, over);
    }
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: web-icons OUTDIR\n");
    return 2;
  }
  orrery::glyphs::RegisterGlyphResources();
  const Image* icon = orrery::platform::FindIcon(orrery::glyphs::kProgramIcon.id);
  if (!icon || icon->Empty()) {
    std::fprintf(stderr, "web-icons: no program icon\n");
    return 1;
  }
  for (int size : {192, 512}) {
    const std::string path = std::string(argv[1]) + "/icon-" + std::to_string(size) + ".png";
    if (!orrery::platform::WritePng(path, Enlarged(*icon, size))) {
      std::fprintf(stderr, "web-icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
