// orrery-glyph-sheet OUT.png: a contact sheet of every glyph, icon and
// bitmap of the program: a preview of them in place at the handheld's
// scale (1x and 2x), then each at 4x on a checkerboard (its box framed in
// red) and at 1x on white, grey, red and blue.
#include <algorithm>
#include <cstdio>
#include <string>

#include "foundation/wide_string.h"
#include "shell/glyphs/register_glyphs.h"
#include "shell/glyphs/sheet_preview.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/png_io.h"

namespace {

using namespace orrery;
using platform::Colour;
using platform::Rgb;

constexpr int kZoom = 4;
constexpr int kSheetWidth = 1480;  // the preview at 2x
constexpr int kLabelHeight = 12;
constexpr Colour kFrame = Rgb(255, 0, 0);

void DrawZoomed(platform::Surface& s, const platform::Image& img, int x0, int y0) {
  for (int y = 0; y < img.Height() * kZoom; ++y) {
    for (int x = 0; x < img.Width() * kZoom; ++x) {
      const bool dark = ((x / 4) + (y / 4)) % 2;
      const Colour back = dark ? Rgb(214, 214, 214) : Rgb(240, 240, 240);
      const int ix = x / kZoom, iy = y / kZoom;
      s.SetPixel(x0 + x, y0 + y, platform::Blend(back, img.Pixel(ix, iy), img.Alpha(ix, iy)));
    }
  }
  platform::DrawContext dc(s);
  dc.SelectPen({kFrame});
  dc.SelectBrush(platform::Brush::Null());
  dc.Rectangle({x0 - 1, y0 - 1, x0 + img.Width() * kZoom + 1, y0 + img.Height() * kZoom + 1});
}

std::u16string Label(const glyphs::StoredGlyph& g) {
  return FromUtf8((g.kind == glyphs::ResourceKind::Icon ? "icon " : "bitmap ") +
                               std::to_string(g.id) + " " + g.what);
}

void DrawPlain(platform::Surface& s, const platform::Image& img, int x, int y, Colour back) {
  s.Fill(platform::Rect::At(x - 2, y - 2, img.Width() + 4, img.Height() + 4), back);
  platform::DrawContext dc(s);
  dc.DrawImage(img, x, y);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orrery-glyph-sheet OUT.png\n");
    return 2;
  }
  glyphs::RegisterGlyphResources();
  const platform::Surface preview = glyphs::Preview();
  std::vector<platform::Image> images;
  for (const glyphs::StoredGlyph& g : glyphs::StoredGlyphs()) images.push_back(glyphs::ImageOf(g));
  const auto stored = glyphs::StoredGlyphs();
  const platform::Font font = platform::Font::FromPoints(platform::Typeface::Tahoma, 8);
  const Colour backs[] = {platform::kWhite, Rgb(222, 222, 222), Rgb(255, 111, 111),
                          Rgb(111, 111, 255)};

  // Flow layout: a cell per picture, rows as tall as their tallest cell.
  std::vector<platform::Point> at;
  const int previewTop = 8, cellsTop = previewTop + preview.Height() * 3 + 16;
  int x = 8, y = cellsTop, rowHeight = 0;
  for (size_t i = 0; i < images.size(); ++i) {
    const platform::Image& img = images[i];
    const int w = std::max(img.Width() * kZoom + 8 + (img.Width() + 6) * 4,
                           font.Extent(Label(stored[i])).width) + 14;
    const int h = std::max(img.Height() * kZoom, img.Height() + 4) + kLabelHeight + 14;
    if (x + w > kSheetWidth) {
      x = 8;
      y += rowHeight;
      rowHeight = 0;
    }
    at.push_back({x, y});
    x += w;
    rowHeight = std::max(rowHeight, h);
  }
  platform::Surface sheet(kSheetWidth, y + rowHeight + 8);
  platform::DrawContext dc(sheet);
  dc.SelectFont(font);
  dc.SetBackMode(platform::BackMode::Transparent);
  dc.CopyFrom(preview, preview.Bounds(), {8, previewTop});
  for (int py = 0; py < preview.Height() * 2; ++py) {
    for (int px = 0; px < preview.Width() * 2 && px < kSheetWidth - 8; ++px) {
      sheet.SetPixel(8 + px, previewTop + preview.Height() + 8 + py, preview.Pixel(px / 2, py / 2));
    }
  }
  for (size_t i = 0; i < images.size(); ++i) {
    const platform::Image& img = images[i];
    dc.TextOut(at[i].x, at[i].y, Label(stored[i]));
    const int top = at[i].y + kLabelHeight + 3;
    DrawZoomed(sheet, img, at[i].x + 1, top);
    int px = at[i].x + img.Width() * kZoom + 8;
    for (Colour back : backs) {
      DrawPlain(sheet, img, px + 2, top + 2, back);
      px += img.Width() + 6;
    }
  }
  if (!platform::WritePng(argv[1], sheet)) {
    std::fprintf(stderr, "orrery-glyph-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
