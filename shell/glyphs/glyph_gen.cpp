// orrery-glyph-gen OUT.cpp: draws every picture of the catalogue and writes
// their pixels as C++ data (the StoredGlyphs of register_glyphs.h). The
// build runs it; the output is not kept in the source tree.
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/glyphs/glyph_catalogue.h"

namespace {

using namespace orrery::glyphs;

void WritePixels(std::ofstream& out, size_t index, const orrery::platform::Image& image) {
  out << "const uint32_t kPixels" << index << "[] = {";
  char word[16];
  for (int y = 0; y < image.Height(); ++y) {
    out << "\n   ";
    for (int x = 0; x < image.Width(); ++x) {
      const uint32_t v = (uint32_t(image.Alpha(x, y)) << 24) | image.Pixel(x, y).Packed();
      std::snprintf(word, sizeof word, v ? " 0x%08X," : " 0,", unsigned(v));
      out << word;
    }
  }
  out << "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orrery-glyph-gen OUT.cpp\n");
    return 2;
  }
  const std::vector<GlyphResource> all = DrawGlyphResources();
  const std::string temp = std::string(argv[1]) + ".tmp";
  std::ofstream out(temp);
  out << "// Written by orrery-glyph-gen from the glyph artwork of shell/glyphs.\n"
         "#include \"shell/glyphs/register_glyphs.h\"\n\n"
         "namespace orrery::glyphs {\n\nnamespace {\n\n";
  for (size_t i = 0; i < all.size(); ++i) WritePixels(out, i, all[i].image);
  out << "\nconst StoredGlyph kStored[] = {\n";
  for (size_t i = 0; i < all.size(); ++i) {
    const GlyphResource& r = all[i];
    out << "    {ResourceKind::" << (r.kind == ResourceKind::Icon ? "Icon" : "Bitmap") << ", "
        << r.id << ", \"" << r.what << "\", " << r.image.Width() << ", " << r.image.Height()
        << ", kPixels" << i << "},\n";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const StoredGlyph> StoredGlyphs() { return kStored; }\n\n"
         "}  // namespace orrery::glyphs\n";
  out.close();
  if (!out || std::rename(temp.c_str(), argv[1]) != 0) {
    std::fprintf(stderr, "orrery-glyph-gen: cannot write %s\n", argv[1]);
    std::remove(temp.c_str());
    return 1;
  }
  return 0;
}
