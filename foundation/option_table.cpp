#include "foundation/option_table.h"

namespace orrery {

namespace {

constexpr std::size_t HelpColumn = 24;
constexpr std::size_t LineWidth = 79;

// One paragraph (no newline) wrapped at spaces; the first line continues
// whatever stands before it at column `indent`.
void WrapParagraph(std::string_view text, std::size_t indent, std::string& out) {
  std::size_t column = indent;
  bool lineEmpty = true;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    if (word.empty()) continue;
    if (!lineEmpty && column + 1 + word.size() > LineWidth) {
      out += '\n';
      out.append(indent, ' ');
      column = indent;
      lineEmpty = true;
    }
    if (!lineEmpty) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
    lineEmpty = false;
  }
  out += '\n';
}

}  // namespace

const OptionEntry* FindOption(const OptionTable& table, std::string_view name) {
  for (const OptionEntry& entry : table) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

OptionTable JoinOptions(std::initializer_list<OptionTable> tables) {
  OptionTable joined;
  for (const OptionTable& table : tables) joined.insert(joined.end(), table.begin(), table.end());
  return joined;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    lines.push_back(text.substr(0, newline));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return lines;
}

std::string WrapText(std::string_view text) {
  std::string out;
  for (std::string_view line : Lines(text)) WrapParagraph(line, 0, out);
  return out;
}

std::string FormatRows(const std::vector<HelpRow>& rows) {
  std::string out;
  for (const HelpRow& row : rows) {
    out += "  " + row.label;
    if (row.label.size() + 4 > HelpColumn) {
      out += '\n';
      out.append(HelpColumn, ' ');
    } else {
      out.append(HelpColumn - 2 - row.label.size(), ' ');
    }
    WrapParagraph(row.help, HelpColumn, out);
  }
  return out;
}

std::string FormatOptions(const OptionTable& table) {
  std::vector<HelpRow> rows;
  for (const OptionEntry& entry : table) {
    std::string label = "--" + std::string(entry.name);
    if (!entry.value.empty()) label += " " + std::string(entry.value);
    rows.push_back({label, entry.help});
  }
  return FormatRows(rows);
}

}  // namespace orrery
