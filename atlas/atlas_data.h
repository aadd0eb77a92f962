// The atlas held in the program image: the AtlasHeap blob (data/atlas/atlas.bin,
// embedded at build time and read in place), its AtlasCharTable and the
// manifest that names the sources it was built from.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "atlas/atlas_stream.h"

namespace orrery {

std::span<const std::uint8_t> EmbeddedAtlasBlob();
// AtlasCharTableUnits code units and a NUL.
extern const char16_t AtlasCharTable[AtlasCharTableUnits + 1];
// data/atlas/manifest.txt: key=value lines (sources, tzdata version, counts).
std::string_view EmbeddedAtlasManifest();

}  // namespace orrery
