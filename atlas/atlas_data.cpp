// The atlas data files become part of the program here. The blob and the
// manifest are embedded with the assembler's .incbin, so the 5 MB blob is
// neither compiled as C++ nor copied at start-up; the character table and the
// rule table are C++ initialisers written by the atlas builder (tools/atlas/).
#include "atlas/atlas_data.h"

#include "atlas/daylight_saving.h"

#define ORRERY_EMBED(symbol, file)                 \
  asm(".section .rodata\n"                         \
      ".balign 16\n"                               \
      ".globl " #symbol "\n"                       \
      ".type " #symbol ", @object\n" #symbol ":\n" \
      ".incbin \"" ORRERY_ATLAS_DIR "/" file "\"\n" \
      ".globl " #symbol "_end\n" #symbol "_end:\n" \
      ".byte 0\n"                                  \
      ".previous\n")

ORRERY_EMBED(orrery_atlas_blob, "atlas.bin");
ORRERY_EMBED(orrery_atlas_manifest, "manifest.txt");

extern "C" const std::uint8_t orrery_atlas_blob[];
extern "C" const std::uint8_t orrery_atlas_blob_end[];
extern "C" const char orrery_atlas_manifest[];
extern "C" const char orrery_atlas_manifest_end[];

namespace orrery {

std::span<const std::uint8_t> EmbeddedAtlasBlob() {
  return {orrery_atlas_blob, orrery_atlas_blob_end};
}

std::string_view EmbeddedAtlasManifest() {
  return {orrery_atlas_manifest, orrery_atlas_manifest_end};
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
