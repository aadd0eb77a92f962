// Whole-file writing for the stored files. Writing is atomic: the bytes go
// to a temporary file beside the target (<target>.tmp-<process id>), are
// flushed to the disk, and only then renamed over the target, so a crash or
// power loss at any moment leaves either the old file or the new one, never
// a mixture. A stored file that is a symbolic link is written through: the
// link stays, and the file it points to is the one replaced.
//
// This and stored_file.h are the store's uses of the operating system
// beyond the standard library (POSIX open, fsync, rename), because the
// standard library cannot flush a file to the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace orrery {

// The file a write of path replaces: path itself, or the final target of
// the link at path; empty (with problem set) when the link leads nowhere.
std::filesystem::path WriteTarget(const std::filesystem::path& path, std::string* problem = nullptr);

// Replaces the file at path (write target) by size bytes of data; false,
// with the old file untouched, the temporary file removed and problem set
// to the cause, when any step fails.
bool WriteFileAtomically(const std::filesystem::path& path, const std::uint8_t* data,
                         std::size_t size, std::string* problem = nullptr);

// Writes all size bytes to fd, again after an interrupted or partial write;
// false with errno set (ENOSPC when the disk takes no more).
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size);

// Removes the temporary files that writers of path left behind (killed
// before their rename). Only for a caller that holds the file's lock, so
// that no writer is at work.
void RemoveStaleTempFiles(const std::filesystem::path& path);

// For the crash tests only: a function called once the temporary file is
// complete and flushed, just before the rename. nullptr (the default) for none.
void SetBeforeRenameHook(void (*hook)());

}  // namespace orrery
