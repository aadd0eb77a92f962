#include "foundation/input_file.h"

#include <filesystem>
#include <system_error>

namespace orrery {

std::string OpenInputFile(const std::string& name, std::ifstream& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(name, error);
  const std::string quoted = "'" + name + "'";
  if (status.type() == std::filesystem::file_type::not_found) return quoted + " does not exist";
  if (error) return "cannot read " + quoted + ": " + error.message();
  if (status.type() == std::filesystem::file_type::directory) return quoted + " is a folder, not a file";
  if (status.type() != std::filesystem::file_type::regular) return quoted + " is not a regular file";
  file.open(name, std::ios::binary);
  if (!file) return "cannot read " + quoted;
  return {};
}

LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxBytes) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  bool any = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any ? LineRead::Line : LineRead::End;
    }
    any = true;
    if (c == '\n') return LineRead::Line;
    if (line.size() == maxBytes) return LineRead::TooLong;
    line.push_back(static_cast<char>(c));
  }
}

bool ReadBoundedText(std::istream& in, std::string& text, std::size_t maxBytes) {
  text.clear();
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    const std::size_t room = maxBytes + 1 - text.size();
    const std::size_t n = static_cast<std::size_t>(in.gcount());
    text.append(block, n < room ? n : room);
    if (text.size() > maxBytes) return false;
  }
  return true;
}

}  // namespace orrery
