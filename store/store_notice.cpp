#include "store/store_notice.h"

#include <utility>

namespace orrery {

namespace {

std::string kept;
void (*noticeHook)() = nullptr;

std::string DroppedText(int dropped) {
  if (dropped == 0) return "no chart was lost";
  return std::to_string(dropped) + (dropped == 1 ? " damaged chart is" : " damaged charts are") +
         " left out";
}

}  // namespace

std::string LoadNotice(const ChartFileStatus& status, const std::filesystem::path& path) {
  using State = ChartFileStatus::State;
  if (status.state == State::Unreadable) {
    return "The chart file " + path.string() + " cannot be read: " + status.problem +
           ". It is left as it is: charts stored now are not saved until it can be read.";
  }
  if (status.state != State::Repaired) return {};
  std::string text = "The chart file " + path.string() + " is damaged: " +
                     DroppedText(status.droppedRecords) + ". ";
  if (status.damagedCopy.empty())
    return text + "No copy of it could be kept (" + status.problem +
           "), so it is left as it is and no change is saved.";
  return text + "The next change saves the rest; the file as it is now is kept as " +
         status.damagedCopy.filename().string() + ".";
}

std::string SaveFailureNotice(const std::filesystem::path& path, const std::string& cause) {
  return "Charts not saved: " + path.string() + " could not be written (" + cause +
         "). The change is kept and saved again with the next one.";
}

void PostStoreNotice(std::string text) {
  if (text.empty()) return;
  kept += (kept.empty() ? "" : "\n") + text;
  if (noticeHook != nullptr) noticeHook();
}

std::string TakeStoreNotice() { return std::exchange(kept, {}); }

void SetStoreNoticeHook(void (*hook)()) { noticeHook = hook; }

}  // namespace orrery
