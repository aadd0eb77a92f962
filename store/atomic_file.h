// Whole-file reading and writing for the stored files. Writing is atomic: the
// bytes go to a temporary file beside the target, are flushed to the disk,
// and only then renamed over the target, so a crash or power loss at any
// moment leaves either the old file or the new one, never a mixture.
//
// This is the store's one use of the operating system beyond the standard
// library (POSIX open, fsync, rename), because the standard library cannot
// flush a file to the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace orrery {

// Replaces the file at path by size bytes of data; false, with the old file
// untouched and the temporary file removed, when any step fails.
bool WriteFileAtomically(const std::filesystem::path& path, const std::uint8_t* data,
                         std::size_t size);

// At most maxBytes from the start of the regular file at path; nullopt when
// it is missing, not a regular file, or cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::filesystem::path& path,
                                                        std::size_t maxBytes);

// For the crash tests only: a function called once the temporary file is
// complete and flushed, just before the rename. nullptr (the default) for none.
void SetBeforeRenameHook(void (*hook)());

}  // namespace orrery
