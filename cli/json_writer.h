// A small streaming JSON writer for orrery-cli's machine-readable output.
// Numbers are printed with 17 significant digits ("%.17g") so that every
// double reads back exactly; non-finite numbers are written as null.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orrery::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view key);
  JsonWriter& Number(double value);
  JsonWriter& Integer(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& String(std::u16string_view text);
  JsonWriter& Null();

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();

  std::string text_;
  std::vector<bool> needsComma_;  // one per open object or array
  bool afterKey_ = false;
};

}  // namespace orrery::cli
