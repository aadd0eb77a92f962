#include "shell/platform/headless_host.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "foundation/input_file.h"
#include "foundation/wide_string.h"
#include "shell/platform/desktop.h"
#include "shell/platform/key_names.h"
#include "shell/platform/png_io.h"

namespace orrery::platform {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Whole-number arguments separated by blanks; nothing unless exactly count.
std::optional<std::vector<int>> Numbers(std::string_view args, size_t count) {
  std::vector<int> out;
  while (!(args = Trim(args)).empty()) {
    int v = 0;
    const auto [end, ec] = std::from_chars(args.data(), args.data() + args.size(), v);
    if (ec != std::errc() || (end != args.data() + args.size() && *end != ' ' && *end != '\t')) {
      return std::nullopt;
    }
    out.push_back(v);
    args.remove_prefix(size_t(end - args.data()));
  }
  if (out.size() != count) return std::nullopt;
  return out;
}

// A shot name is a plain file name: no directories, nothing hidden.
bool ValidShotName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  for (char c : name) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

}  // namespace

void HeadlessHost::SetScript(std::string_view text) {
  lines_.clear();
  std::string line;
  std::istringstream in{std::string(text)};
  while (std::getline(in, line)) lines_.push_back(line);
  next_ = 0;
  events_.clear();
  error_.clear();
  stopped_ = false;
}

std::string HeadlessHost::LoadScript(const std::string& path) {
  std::ifstream f;
  if (std::string problem = OpenInputFile(path, f); !problem.empty()) return problem;
  std::vector<std::string> lines;
  std::size_t total = 0;
  std::string line;
  for (LineRead read; (read = ReadBoundedLine(f, line, kMaxScriptLine)) != LineRead::End;) {
    if (read == LineRead::TooLong)
      return "script line " + std::to_string(lines.size() + 1) + " is longer than " +
             std::to_string(kMaxScriptLine) + " bytes";
    if (lines.size() == kMaxScriptLines)
      return "the script has more than " + std::to_string(kMaxScriptLines) + " lines";
    total += line.size() + 1;
    if (total > kMaxScriptBytes)
      return "the script is larger than " + std::to_string(kMaxScriptBytes >> 20) + " MB";
    lines.push_back(std::move(line));
  }
  if (f.bad()) return "cannot read the script " + path;
  SetScript({});
  lines_ = std::move(lines);
  return {};
}

void HeadlessHost::AddCommand(std::string word, Command command) {
  commands_[std::move(word)] = std::move(command);
}

void HeadlessHost::QueueEvent(std::function<void(Desktop&)> event, uint32_t gapMs) {
  events_.push_back({std::move(event), gapMs});
}

bool HeadlessHost::WaitInput(Desktop& desktop) {
  while (events_.empty()) {
    if (stopped_ || next_ >= lines_.size()) return false;
    const size_t number = ++next_;
    if (!RunLine(desktop, lines_[number - 1])) {
      error_ = "script line " + std::to_string(number) + ": " + error_;
      stopped_ = true;
      return false;
    }
    if (stopped_ || !desktop.Idle()) return true;  // let the program handle what the line did
  }
  Event event = std::move(events_.front());
  events_.pop_front();
  clock_ += event.gapMs;
  desktop.SetInputTime(clock_);
  event.run(desktop);
  return true;
}

bool HeadlessHost::RunLine(Desktop& desktop, std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#') return true;
  const size_t space = line.find_first_of(" \t");
  const std::string_view word = line.substr(0, space);
  const std::string_view args = space == std::string_view::npos ? "" : line.substr(space + 1);
  auto custom = commands_.find(word);
  error_ = custom != commands_.end() ? custom->second(desktop, args) : RunBuiltIn(desktop, word, args);
  return error_.empty();
}

std::string HeadlessHost::RunBuiltIn(Desktop& desktop, std::string_view word, std::string_view args) {
  auto tapEvent = [](MsgType kind, Point p) {
    return [kind, p](Desktop& d) { d.InjectTap(kind, p); };
  };
  if (word == "tap") {
    const auto n = Numbers(args, 2);
    if (!n) return "tap needs X Y";
    QueueEvent(tapEvent(MsgType::TapDown, {(*n)[0], (*n)[1]}));
    QueueEvent(tapEvent(MsgType::TapUp, {(*n)[0], (*n)[1]}));
    return "";
  }
  if (word == "dtap") {
    const auto n = Numbers(args, 2);
    if (!n) return "dtap needs X Y";
    const Point p{(*n)[0], (*n)[1]};
    QueueEvent(tapEvent(MsgType::TapDown, p));
    QueueEvent(tapEvent(MsgType::TapUp, p), 50);
    QueueEvent(tapEvent(MsgType::TapDown, p), 50);
    QueueEvent(tapEvent(MsgType::TapUp, p), 50);
    return "";
  }
  if (word == "drag") {
    const auto n = Numbers(args, 4);
    if (!n) return "drag needs X1 Y1 X2 Y2";
    const Point a{(*n)[0], (*n)[1]}, b{(*n)[2], (*n)[3]};
    QueueEvent(tapEvent(MsgType::TapDown, a));
    const int steps = std::max(1, std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / 4);
    for (int i = 1; i <= steps; ++i) {
      QueueEvent(tapEvent(MsgType::TapMove, {a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps}));
    }
    QueueEvent(tapEvent(MsgType::TapUp, b));
    return "";
  }
  if (word == "key") {
    const auto k = ParseKeyName(Trim(args));
    if (!k) return "unknown key '" + std::string(Trim(args)) + "'";
    QueueEvent([k = *k](Desktop& d) { d.InjectKey(k.key, k.modifiers); });
    return "";
  }
  if (word == "text") {
    for (char16_t c : FromUtf8(args)) {
      QueueEvent([c](Desktop& d) { d.InjectChar(c); });
    }
    return "";
  }
  if (word == "command") {
    const auto n = Numbers(args, 1);
    if (!n) return "command needs ID";
    if (!desktop.MainWindow()) return "no main window for command";
    desktop.MainWindow()->Post(Message::Command((*n)[0]));
    return "";
  }
  if (word == "shot") {
    const std::string name(Trim(args));
    if (!ValidShotName(name)) return "shot needs a file name";
    const std::string path = shotDir_ + "/" + name + ".png";
    if (!WritePng(path, desktop.Screen())) return "cannot write " + path;
    return "";
  }
  if (word == "quit") {
    stopped_ = true;
    desktop.RequestClose();
    return "";
  }
  return "unknown command '" + std::string(word) + "'";
}

}  // namespace orrery::platform
