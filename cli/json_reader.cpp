#include "cli/json_reader.h"

#include <cmath>
#include <cstdlib>

namespace orrery::cli {

namespace {

constexpr int MaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(JsonValue& value) {
    if (!Value(value, 0)) return false;
    SkipSpace();
    return at_ == text_.size() || Fail("unexpected text after the value");
  }

  std::string Error() const { return "offset " + std::to_string(at_) + ": " + error_; }

 private:
  bool Fail(const std::string& message) {
    error_ = message;
    return false;
  }

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return Fail("unknown literal");
    at_ += word.size();
    return true;
  }

  bool Value(JsonValue& value, int depth) {
    if (depth > MaxDepth) return Fail("nested too deeply");
    if (++values_ > MaxJsonValues) return Fail("more than " + std::to_string(MaxJsonValues) + " values");
    SkipSpace();
    if (at_ >= text_.size()) return Fail("unexpected end of input");
    char c = text_[at_];
    value = JsonValue{};
    switch (c) {
      case '{':
        value.kind = JsonValue::Kind::Object;
        return Object(value, depth);
      case '[':
        value.kind = JsonValue::Kind::Array;
        return Array(value, depth);
      case '"':
        value.kind = JsonValue::Kind::String;
        return String(value.text);
      case 't':
        value.kind = JsonValue::Kind::Bool;
        value.boolean = true;
        return Literal("true");
      case 'f':
        value.kind = JsonValue::Kind::Bool;
        return Literal("false");
      case 'n':
        return Literal("null");
      default:
        value.kind = JsonValue::Kind::Number;
        return Number(value.number);
    }
  }

  bool Object(JsonValue& value, int depth) {
    ++at_;
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    for (;;) {
      SkipSpace();
      if (at_ >= text_.size() || text_[at_] != '"') return Fail("expected a member name");
      std::string key;
      if (!String(key)) return false;
      if (value.Find(key) != nullptr) return Fail("member \"" + key + "\" appears twice");
      SkipSpace();
      if (at_ >= text_.size() || text_[at_] != ':') return Fail("expected ':'");
      ++at_;
      value.members.emplace_back(std::move(key), JsonValue{});
      if (!Value(value.members.back().second, depth + 1)) return false;
      SkipSpace();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
      return Fail("expected ',' or '}'");
    }
  }

  bool Array(JsonValue& value, int depth) {
    ++at_;
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    for (;;) {
      value.items.emplace_back();
      if (!Value(value.items.back(), depth + 1)) return false;
      SkipSpace();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
      return Fail("expected ',' or ']'");
    }
  }

  bool Hex4(unsigned& code) {
    if (at_ + 4 > text_.size()) return Fail("short \\u escape");
    code = 0;
    for (int i = 0; i < 4; ++i) {
      char c = text_[at_++];
      int digit = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
      if (digit < 0) return Fail("bad \\u escape");
      code = code * 16 + static_cast<unsigned>(digit);
    }
    return true;
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool Escape(std::string& out) {
    if (at_ >= text_.size()) return Fail("unterminated string");
    char c = text_[at_++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        return Fail("unknown escape");
    }
    unsigned code;
    if (!Hex4(code)) return false;
    if (code >= 0xDC00 && code <= 0xDFFF) return Fail("unpaired surrogate");
    if (code >= 0xD800 && code <= 0xDBFF) {
      unsigned low;
      if (text_.substr(at_, 2) != "\\u") return Fail("unpaired surrogate");
      at_ += 2;
      if (!Hex4(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) return Fail("unpaired surrogate");
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(out, code);
    return true;
  }

  bool String(std::string& out) {
    ++at_;
    for (;;) {
      if (at_ >= text_.size()) return Fail("unterminated string");
      char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        out += c;
      } else if (!Escape(out)) {
        return false;
      }
    }
  }

  bool Digits() {
    std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  bool Number(double& number) {
    std::size_t start = at_;
    if (text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!Digits()) {
      at_ = start;
      return Fail("expected a value");
    }
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (!Digits()) return Fail("expected digits after '.'");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!Digits()) return Fail("expected exponent digits");
    }
    number = std::strtod(std::string(text_.substr(start, at_ - start)).c_str(), nullptr);
    return std::isfinite(number) || Fail("number out of range");
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t values_ = 0;
  std::string error_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return &value;
  }
  return nullptr;
}

std::string ParseJson(std::string_view text, JsonValue& value) {
  Parser parser(text);
  if (parser.Document(value)) return {};
  value = JsonValue{};
  return parser.Error();
}

}  // namespace orrery::cli
