// Shared helpers of the store tests: a temporary home folder, a home laid
// out from the store in memory, whole-file reading and writing, and a reference checksum written independently of
// the program's table-driven one (bit by bit, over explicit byte ranges).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart_record.h"
#include "foundation/error_log.h"
#include "foundation/wide_string.h"
#include "store/chart_file.h"
#include "store/store_home.h"
#include "store/store_lock.h"

namespace orrery::store_test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, made the store's home
// for the life of the object and removed afterwards.
class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orrery-store-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    SetStoreHome(path_);
  }
  ~TempHome() {
    SetStoreHome({});
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Lays out a home: the whole store in memory written as the chart file,
// under its lock, the way the program's saves write it.
inline bool SaveWholeStore() {
  if (!PrepareHome()) return false;
  StoreLock lock(ChartFilePath(), StoreLock::Mode::Exclusive);
  return lock.Held() && WriteChartFile(nullptr);
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// CRC-32 (reflected, polynomial 0xEDB88320) with the top bit cleared, over
// the half-open byte ranges given, computed one bit at a time.
inline std::uint32_t ReferenceCrc31(
    const Bytes& bytes, std::initializer_list<std::pair<std::size_t, std::size_t>> ranges,
    std::size_t base = 0) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (auto [from, to] : ranges) {
    for (std::size_t i = base + from; i < base + to; ++i) {
      crc ^= bytes[i];
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
    }
  }
  return ~crc & 0x7FFFFFFFu;
}

// The chart file checksum as documented: bytes 0..3 and 8..L-2.
inline std::uint32_t ReferenceFileChecksum(const Bytes& file) {
  return ReferenceCrc31(file, {{0, 4}, {8, file.size() - 1}});
}

// The record check of the slot at byte offset base: bit 15 of the checksum
// over the slot's bytes 0..3 and 8..450.
inline std::uint16_t ReferenceRecordCheck(const Bytes& file, std::size_t base) {
  return (ReferenceCrc31(file, {{0, 4}, {8, 451}}, base) & 0x8000u) ? 0x8000 : 0;
}

inline std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::uint16_t U16At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
inline void PutU32At(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void PutU16At(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A UTF-16LE text field of a file, up to its NUL or its end.
inline std::u16string TextAt(const Bytes& b, std::size_t at, int units) {
  std::u16string text;
  for (int i = 0; i < units && U16At(b, at + 2 * i) != 0; ++i) text += U16At(b, at + 2 * i);
  return text;
}

// Seals a hand-made chart file: every slot's record check, then the file checksum.
inline void SealChartFile(Bytes& file) {
  for (std::size_t base = 16; base + 452 <= file.size(); base += 452) {
    PutU16At(file, base + 4, ReferenceRecordCheck(file, base));
  }
  PutU32At(file, 4, ReferenceFileChecksum(file));
}

// A plausible birth record with the given name.
inline ChartRecord MakeRecord(std::u16string_view name) {
  ChartRecord r{};
  CopyText(r.name, RecordNameUnits, name);
  r.sex = 2;
  r.year = 1950;
  r.month = 3;
  r.day = 1;
  r.hour = 9;
  r.minute = 5;
  CopyText(r.country, RecordCountryUnits, u"Germany");
  CopyText(r.state, RecordStateUnits, u"Bayern");
  CopyText(r.city, RecordCityUnits, u"München");
  r.latDegrees = 48;
  r.latMinutes = 8;
  r.north = 1;
  r.lonDegrees = 11;
  r.lonMinutes = 34;
  r.east = 1;
  r.zoneHours = 1;
  r.zonePlus = 1;
  r.dstPlus = 1;
  return r;
}

}  // namespace orrery::store_test
