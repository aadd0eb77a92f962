// Reading a stored file and telling apart why it could not be read: a file
// that is not there (a first run) from one that is there but cannot be
// opened or read (no permission, a folder, a FIFO or device, a link to
// nothing). A store that finds the second kind never writes over it.
//
// Also the file's stamp (device, inode, size, modification time): every
// store write replaces the file by a new one, so a stamp that differs from
// the one last read means another process changed the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orrery {

struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t seconds = 0, nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

struct StoredFile {
  enum class Status { Read, Missing, Unreadable };
  Status status = Status::Missing;
  std::vector<std::uint8_t> bytes;  // Read: at most the bytes asked for
  std::string problem;              // Unreadable: the cause, e.g. "Permission denied"
  FileStamp stamp;                  // Read: the stamp of the file as read
};

// At most maxBytes from the start of the file at path (links followed).
StoredFile ReadStoredFile(const std::filesystem::path& path, std::size_t maxBytes);

// The stamp of the file at path as it is now; nullopt when there is none.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace orrery
