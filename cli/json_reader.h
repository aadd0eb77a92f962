// A small JSON reader for orrery-cli's input files (RFC 8259): objects,
// arrays, strings (escapes and surrogate pairs to UTF-8), numbers, true,
// false and null. Nesting is limited to 64 levels and a document to
// MaxJsonValues values (so memory stays a small multiple of the text);
// anything malformed gives an error message with the byte offset instead
// of a value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orrery::cli {

inline constexpr std::size_t MaxJsonValues = 100000;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // String: UTF-8
  std::vector<JsonValue> items;
  // Object members in the order read; a repeated key is an error.
  std::vector<std::pair<std::string, JsonValue>> members;

  // The member with that key, or nullptr (also when this is no object).
  const JsonValue* Find(std::string_view key) const;
};

// Parses the whole text; returns an empty string and fills value, or the
// first problem, e.g. "offset 17: expected ':'".
std::string ParseJson(std::string_view text, JsonValue& value);

}  // namespace orrery::cli
