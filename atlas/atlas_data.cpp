// The atlas data files become part of the program here. The blob and the
// manifest are embedded with the assembler's .incbin, so the 5 MB blob is
// neither compiled as C++ nor copied at start-up; the character table and the
// rule table are C++ initialisers written by the atlas builder (tools/atlas/).
#include "atlas/atlas_data.h"

#include "atlas/daylight_saving.h"
#include "foundation/embedded_file.h"

ORRERY_EMBED_FILE(orrery_atlas_blob, ORRERY_ATLAS_DIR "/atlas.bin");
ORRERY_EMBED_FILE(orrery_atlas_manifest, ORRERY_ATLAS_DIR "/manifest.txt");

namespace orrery {

std::span<const std::uint8_t> EmbeddedAtlasBlob() {
  return {orrery_atlas_blob, orrery_atlas_blob_end};
}

std::string_view EmbeddedAtlasManifest() {
  return {reinterpret_cast<const char*>(orrery_atlas_manifest),
          std::size_t(orrery_atlas_manifest_end - orrery_atlas_manifest)};
}

const char16_t AtlasCharTable[AtlasCharTableUnits + 1] = {
#include "data/atlas/char_table.inc"
};

namespace {

const DaylightSavingRule rules[] = {
#include "data/atlas/dst_rules.inc"
};

}  // namespace

std::span<const DaylightSavingRule> DaylightSavingRules() { return rules; }

}  // namespace orrery
