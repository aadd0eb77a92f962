// Keeping a damaged stored file before anything repairs it: an exact copy
// beside it, <file>.damaged-YYYYMMDD-HHMMSS (local time; -2, -3 ... added
// when that name is taken). A file whose copy is already there (same bytes)
// is not copied again, so a damaged file looked at many times leaves one copy.
#pragma once

#include <filesystem>
#include <string>

namespace orrery {

// The copy of the file at path (made now, or found); empty with problem
// set when no copy could be made.
std::filesystem::path KeepDamagedCopy(const std::filesystem::path& path, std::string& problem);

}  // namespace orrery
