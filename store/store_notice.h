// What the store has to tell the user: a chart file that cannot be read, a
// damaged one that was repaired in memory (and copied aside), a change that
// could not be saved. The store only words the notice; the program shows it
// (its caution notice with the text), orrery-cli prints it.
#pragma once

#include <filesystem>
#include <string>

#include "store/chart_file.h"

namespace orrery {

// The notice for what a load of the file at path found; empty when all was well.
std::string LoadNotice(const ChartFileStatus& status, const std::filesystem::path& path);
// The notice for a save of the file at path that failed for cause.
std::string SaveFailureNotice(const std::filesystem::path& path, const std::string& cause);

// Keeps the notice for the program and calls the notice hook.
void PostStoreNotice(std::string text);
// The notices kept since the last call, one paragraph each; empty when none.
std::string TakeStoreNotice();
// Called when a notice is posted; none until the program sets one.
void SetStoreNoticeHook(void (*hook)());

}  // namespace orrery
