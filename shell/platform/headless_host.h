// The headless host: no display; input comes from a script, one command a
// line, and screenshots go to PNG files.
//
// Commands (coordinates in screen pixels):
//   tap X Y              stylus down and up at (X, Y)
//   dtap X Y             a double tap at (X, Y)
//   drag X1 Y1 X2 Y2     down at the first point, moves every 4 pixels, up at the second
//   key NAME             one key (key_names.h)
//   text STRING          the rest of the line typed, one character at a time
//   command ID           Command ID posted to the main window
//   shot NAME            the 240 x 320 screen written to SHOTDIR/NAME.png
//   quit                 asks the program to close; the script ends
// Blank lines and lines starting with # are skipped. Programs add commands
// of their own with AddCommand. Each input event is delivered when the
// program is idle (all messages handled, screen painted), one at a time.
// An unknown or malformed line ends the script with an error naming its
// line number; the end of the script closes the program like quit.
//
// The input clock (Desktop::SetInputTime) advances 1000 ms before each
// event, so separate taps are never a double tap; the two taps of dtap are
// 100 ms apart.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/platform/host.h"

namespace orrery::platform {

class HeadlessHost : public Host {
 public:
  // A command of the program's own: gets the text after the command word
  // and returns an error message, or an empty string on success. It may
  // inject input or act on windows directly.
  using Command = std::function<std::string(Desktop&, std::string_view args)>;

  HeadlessHost() = default;
  void SetScript(std::string_view text);
  // The script of a file: a regular file of at most kMaxScriptLines lines of
  // at most kMaxScriptLine bytes, kMaxScriptBytes in all (checked while it
  // is read). Returns why it cannot be the script, or empty.
  std::string LoadScript(const std::string& path);
  static constexpr size_t kMaxScriptLine = 64 * 1024;
  static constexpr size_t kMaxScriptLines = 200000;
  static constexpr size_t kMaxScriptBytes = 16u << 20;
  void SetShotDirectory(std::string dir) { shotDir_ = std::move(dir); }
  void AddCommand(std::string word, Command command);
  // Queues one input event of a command, delivered after the events queued
  // before it, when the program is idle; gapMs: input clock advance before it.
  void QueueEvent(std::function<void(Desktop&)> event, uint32_t gapMs = 1000);

  // Empty while the script ran without error.
  const std::string& Error() const { return error_; }
  bool Finished() const { return next_ >= lines_.size() && events_.empty(); }

  bool WaitInput(Desktop& desktop) override;
  void Present(const Surface&, const Rect&) override {}

 private:
  // Runs one script line; false on an error (error_ set).
  bool RunLine(Desktop& desktop, std::string_view line);
  std::string RunBuiltIn(Desktop& desktop, std::string_view word, std::string_view args);

  std::vector<std::string> lines_;
  size_t next_ = 0;
  struct Event {
    std::function<void(Desktop&)> run;
    uint32_t gapMs;
  };
  std::deque<Event> events_;
  uint32_t clock_ = 0;
  std::map<std::string, Command, std::less<>> commands_;
  std::string shotDir_ = ".";
  std::string error_;
  bool stopped_ = false;
};

}  // namespace orrery::platform
