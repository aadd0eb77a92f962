#include "shell/platform/text_layout.h"

#include <algorithm>

namespace orrery::platform {

namespace {

// Appends the lines of one paragraph (no line breaks in it).
void WrapParagraph(const Font& font, std::u16string_view p, int width, std::vector<std::u16string>& out) {
  while (true) {
    if (font.Extent(p).width <= width) {
      out.emplace_back(p);
      return;
    }
    const size_t fit = size_t(std::max(1, font.FitCount(p, width)));
    // Break after the last space that fits, else inside the word.
    size_t cut = p.substr(0, fit + 1).find_last_of(u' ');
    size_t next = cut;
    if (cut == std::u16string_view::npos || cut == 0) {
      cut = next = fit;
    } else {
      next = cut + 1;
    }
    out.emplace_back(p.substr(0, cut));
    p.remove_prefix(std::min(next, p.size()));
    while (!p.empty() && p.front() == u' ') p.remove_prefix(1);
    if (p.empty()) return;
  }
}

}  // namespace

std::vector<std::u16string> WrapText(const Font& font, std::u16string_view text, int width) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view paragraph = text.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() == u'\r') paragraph.remove_suffix(1);
    WrapParagraph(font, paragraph, width, lines);
    start = end + 1;
  }
  return lines;
}

}  // namespace orrery::platform
