#include "cli/json_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace orrery::cli {
namespace {

TEST(JsonReader, ReadsNestedValuesEscapesAndSurrogatePairs) {
  JsonValue v;
  ASSERT_EQ(ParseJson(R"( {"a": [1, -2.5e1, true, false, null], "s": "q\"\\\/\n\u00e9\ud83d\ude00",
                          "o": {}} )",
                      v),
            "");
  ASSERT_EQ(v.kind, JsonValue::Kind::Object);
  const JsonValue* a = v.Find("a");
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->items.size(), 5u);
  EXPECT_EQ(a->items[0].number, 1);
  EXPECT_EQ(a->items[1].number, -25);
  EXPECT_TRUE(a->items[2].boolean);
  EXPECT_EQ(a->items[3].kind, JsonValue::Kind::Bool);
  EXPECT_FALSE(a->items[3].boolean);
  EXPECT_EQ(a->items[4].kind, JsonValue::Kind::Null);
  EXPECT_EQ(v.Find("s")->text, "q\"\\/\n\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(v.Find("o")->kind, JsonValue::Kind::Object);
  EXPECT_EQ(v.Find("missing"), nullptr);
}

TEST(JsonReader, RefusesMalformedTextWithItsOffset) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "offset 0: unexpected end of input"},
      {"[1,]", "offset 3: expected a value"},
      {"{\"a\":1,\"a\":2}", "offset 10: member \"a\" appears twice"},
      {"\"abc", "offset 4: unterminated string"},
      {"\"a\tb\"", "offset 3: control character in a string"},
      {"\"\\ud800x\"", "offset 7: unpaired surrogate"},
      {"\"\\udc00\"", "offset 7: unpaired surrogate"},
      {"01", "offset 1: unexpected text after the value"},
      {"1e999", "offset 5: number out of range"},
      {"[1 2]", "offset 3: expected ',' or ']'"},
      {"{\"a\" 1}", "offset 5: expected ':'"},
      {"tru", "offset 0: unknown literal"},
      {"-", "offset 0: expected a value"},
  };
  for (auto [text, error] : cases) {
    JsonValue v;
    EXPECT_EQ(ParseJson(text, v), error) << text;
    EXPECT_EQ(v.kind, JsonValue::Kind::Null) << text;
  }
}

TEST(JsonReader, LimitsNesting) {
  JsonValue v;
  EXPECT_EQ(ParseJson(std::string(64, '[') + std::string(64, ']'), v), "");
  EXPECT_EQ(ParseJson(std::string(100000, '['), v), "offset 65: nested too deeply");
}

}  // namespace
}  // namespace orrery::cli
