// Embeds a file into the program's read-only data when the program is built,
// with the assembler's .incbin, so large files are neither compiled as C++
// nor copied at start-up. ORRERY_EMBED_FILE(name, "path") defines the byte
// arrays name (the file's bytes) and name_end (one past them, followed by a
// 0 byte, so a text file is also a terminated string).
//
// WebAssembly objects keep each data symbol in a section of its own with a
// size, and know no .previous; ELF objects share .rodata.
#pragma once

#include <cstdint>

#if defined(__wasm__)
#define ORRERY_EMBED_SECTION(name) ".section .rodata." #name ",\"\",@\n"
#define ORRERY_EMBED_SIZE(name) ".size " #name ", . - " #name "\n"
#define ORRERY_EMBED_END_SIZE(name) ".size " #name "_end, 1\n"
#define ORRERY_EMBED_RETURN ".text\n"
#else
#define ORRERY_EMBED_SECTION(name) ".section .rodata\n"
#define ORRERY_EMBED_SIZE(name) ".type " #name ", @object\n"
#define ORRERY_EMBED_END_SIZE(name) ""
#define ORRERY_EMBED_RETURN ".previous\n"
#endif

#define ORRERY_EMBED_FILE(name, path)                           \
  __asm__(ORRERY_EMBED_SECTION(name) ".balign 16\n"             \
          ".globl " #name "\n" #name ":\n"                      \
          ".incbin \"" path "\"\n" ORRERY_EMBED_SIZE(name)      \
          ".globl " #name "_end\n" #name "_end:\n"              \
          ".byte 0\n" ORRERY_EMBED_END_SIZE(name)               \
          ORRERY_EMBED_RETURN);                                 \
  extern "C" const std::uint8_t name[];                         \
  extern "C" const std::uint8_t name##_end[]
