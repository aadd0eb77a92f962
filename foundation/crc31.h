// The chart file's 31-bit checksum: reflected CRC-32 (polynomial 0xEDB88320)
// with its top bit cleared and an optional skipped 4-byte field.
#pragma once

#include <array>
#include <cstdint>

namespace orrery {

// The standard 256-entry table of the reflected CRC-32.
extern const std::array<std::uint32_t, 256> Crc32Table;

// Checksum of length bytes. With skipOffset >= 0 the four bytes at skipOffset
// are passed over; the position count then runs one ahead of the data, so the
// last byte of the range (offset length - 1) is never included. Stored chart
// files depend on exactly this coverage. skipOffset -1: no skipped field.
std::uint32_t Crc31(const std::uint8_t* data, int length, int skipOffset);

}  // namespace orrery
