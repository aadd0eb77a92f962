// The options of a command line together with their help text. Each command
// keeps one table: the parser accepts only what the table declares and the
// help (and from it the manual page and the shell completion) is printed
// from the same table, so the two cannot drift apart.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct OptionEntry {
  std::string_view name;   // without the leading "--"
  std::string_view value;  // placeholder of the value ("DIR"); empty for a flag
  std::string_view help;   // meaning, units and format of the value
};

using OptionTable = std::vector<OptionEntry>;

// The entry named name, or nullptr.
const OptionEntry* FindOption(const OptionTable& table, std::string_view name);

// The tables one after the other (commands share groups of options).
OptionTable JoinOptions(std::initializer_list<OptionTable> tables);

// A two-column list: "  label" and its help from column 25 on, wrapped
// before column 80; a label too long for the first column puts its help on
// the next line.
struct HelpRow {
  std::string label;
  std::string_view help;
};
std::string FormatRows(const std::vector<HelpRow>& rows);

// The options as rows "--name VALUE" and their help.
std::string FormatOptions(const OptionTable& table);

// The --help entry every table implies.
inline constexpr OptionEntry HelpEntry{"help", "", "shows this help (also -h)"};

// The lines of a text, without their newlines.
std::vector<std::string_view> Lines(std::string_view text);

// Text wrapped before column 80 (at spaces); a newline in the text starts a
// new line.
std::string WrapText(std::string_view text);

}  // namespace orrery
