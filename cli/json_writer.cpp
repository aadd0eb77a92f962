#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

#include "foundation/wide_string.h"

namespace orrery::cli {

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!needsComma_.empty()) {
    if (needsComma_.back()) text_ += ',';
    needsComma_.back() = true;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  needsComma_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  needsComma_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  needsComma_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  needsComma_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  text_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  text_ += buffer;
  return *this;
}

JsonWriter& JsonWriter::Integer(long long value) {
  BeforeValue();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  text_ += '"';
  for (char c : utf8) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      text_ += escape;
    } else {
      text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::String(std::u16string_view text) { return String(ToUtf8(text)); }

}  // namespace orrery::cli
