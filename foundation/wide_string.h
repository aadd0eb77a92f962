// Helpers for the program's UTF-16 text: NUL-terminated char16_t strings in
// fixed-size fields, edited in place where noted, and conversions to and from
// UTF-8 for files and the command line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orrery {

// Length up to the first NUL, never reading more than capacity units.
std::size_t BoundedLength(const char16_t* s, std::size_t capacity);
// Copies src into dst (capacity units incl. the NUL), truncating; always terminates.
void CopyText(char16_t* dst, std::size_t capacity, std::u16string_view src);

// Index of the first ch in s, or -1; a search for the terminator gives the length.
int IndexOfChar(const char16_t* s, char16_t ch);
// Index of the first occurrence of f in s, or -1 (also when s or f is empty).
int FindSubstring(const char16_t* s, const char16_t* f);
// Writes src with its first occurrence of find replaced by repl to dst (which
// may be src). Returns the position, or -1 with dst untouched when find does
// not occur, src or find is empty, or the result would not fit below capacity.
int ReplaceFirst(const char16_t* src, char16_t* dst, int capacity, const char16_t* find,
                 const char16_t* repl);
// In place: leading and trailing spaces removed, runs of spaces reduced to one.
void CollapseSpaces(char16_t* s);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view s);
// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string FromUtf8(std::string_view s);

}  // namespace orrery
