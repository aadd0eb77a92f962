// orrery-icon-gen DIR: draws the program's icon (the chart wheel of the
// glyph art, as the main window shows it) at the desktop's sizes and writes
// DIR/orrery-48.png and DIR/orrery-256.png, with transparency, for the
// hicolor icon theme. The build runs it; the pictures are not kept in the
// source tree.
#include <cstdio>
#include <string>

#include "shell/glyphs/art.h"
#include "shell/glyphs/canvas.h"
#include "shell/platform/png_io.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orrery-icon-gen DIR\n");
    return 2;
  }
  for (int size : {48, 256}) {
    orrery::glyphs::Canvas canvas(size, size);
    orrery::glyphs::DrawProgramIcon(canvas, {0, 0, double(size), double(size)});
    const std::string path = std::string(argv[1]) + "/orrery-" + std::to_string(size) + ".png";
    if (!orrery::platform::WritePng(path, canvas.Picture())) {
      std::fprintf(stderr, "orrery-icon-gen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
