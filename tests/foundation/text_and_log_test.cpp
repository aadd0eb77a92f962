#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/crc31.h"
#include "foundation/error_log.h"
#include "foundation/localized_strings.h"
#include "foundation/wide_string.h"

namespace orrery {
namespace {

TEST(WideString, SearchAndReplace) {
  EXPECT_EQ(IndexOfChar(u"abc", u'c'), 2);
  EXPECT_EQ(IndexOfChar(u"abc", u'x'), -1);
  EXPECT_EQ(IndexOfChar(u"abc", 0), 3);
  EXPECT_EQ(FindSubstring(u"saint louis", u"saint"), 0);
  EXPECT_EQ(FindSubstring(u"saint louis", u"paul"), -1);
  EXPECT_EQ(FindSubstring(u"", u"a"), -1);
  EXPECT_EQ(FindSubstring(u"a", u""), -1);

  char16_t buffer[16];
  EXPECT_EQ(ReplaceFirst(u"sankt gallen", buffer, 16, u"sankt ", u"st "), 0);
  EXPECT_EQ(std::u16string(buffer), u"st gallen");
  // In place, and the result must stay below the capacity.
  char16_t name[16] = u"le saint ours";
  EXPECT_EQ(ReplaceFirst(name, name, 16, u" saint ", u" st "), 2);
  EXPECT_EQ(std::u16string(name), u"le st ours");
  char16_t small[8] = u"abc";
  EXPECT_EQ(ReplaceFirst(small, small, 8, u"b", u"123456"), -1);  // 8 units leave no NUL
  EXPECT_EQ(std::u16string(small), u"abc");
  EXPECT_EQ(ReplaceFirst(small, small, 8, u"b", u"12345"), 1);
  EXPECT_EQ(std::u16string(small), u"a12345c");
}

TEST(WideString, CollapseSpaces) {
  char16_t text[] = u"  one   two ";
  CollapseSpaces(text);
  EXPECT_EQ(std::u16string(text), u"one two");
  char16_t blank[] = u"    ";
  CollapseSpaces(blank);
  EXPECT_EQ(std::u16string(blank), u"");
}

TEST(WideString, BoundedCopiesAndUtf8) {
  char16_t field[4];
  CopyText(field, 4, u"abcdef");
  EXPECT_EQ(std::u16string(field), u"abc");
  EXPECT_EQ(BoundedLength(u"abcdef", 4), 4u);
  EXPECT_EQ(ToUtf8(u"Löwe \u2609 \U0001F30D"), "L\xC3\xB6we \xE2\x98\x89 \xF0\x9F\x8C\x8D");
  EXPECT_EQ(FromUtf8("L\xC3\xB6we \xF0\x9F\x8C\x8D"), u"Löwe \U0001F30D");
  EXPECT_EQ(FromUtf8("a\xFF" "b\xC3"), u"a\uFFFDb\uFFFD");
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(ErrorLog, KeepsTheTwentyThreeMostRecentCodes) {
  ClearErrorLog();
  for (int code = 1; code <= 24; ++code) EXPECT_EQ(PushError(code), code);
  EXPECT_EQ(ErrorLogSlot(0), 24);
  EXPECT_EQ(ErrorLogSlot(22), 2);
  EXPECT_EQ(ErrorLogSlot(23), 0);
  EXPECT_EQ(LastErrorCode(), 24);
  ClearErrorLog();
  EXPECT_EQ(LastErrorCode(), 0);
}

TEST(ErrorLog, DumpListsEverySlot) {
  ClearErrorLog();
  PushError(603);
  std::string dump = ToUtf8(DumpErrorLog());
  EXPECT_EQ(dump.substr(0, 12), "\r\nErrors: \r\n");
  EXPECT_NE(dump.find("\r\n  [0]  603"), std::string::npos);
  EXPECT_NE(dump.find("\r\n  [22]  0\r\n\r\n"), std::string::npos);
  int lines = 0;
  for (std::size_t at = 0; (at = dump.find("\r\n  [", at)) != std::string::npos; ++at) ++lines;
  EXPECT_EQ(lines, 23);
  ClearErrorLog();
}

TEST(Crc31, CheckValuesAndTheSkippedField) {
  std::uint8_t tableBytes[1024];
  for (int i = 0; i < 256; ++i)
    for (int b = 0; b < 4; ++b) tableBytes[4 * i + b] = (Crc32Table[i] >> (8 * b)) & 0xFF;
  EXPECT_EQ(Crc31(tableBytes, 1024, -1), 0x6FCF9E13u);
  const char* digits = "123456789";
  EXPECT_EQ(Crc31(reinterpret_cast<const std::uint8_t*>(digits), 9, -1), 0x4BF43926u);
  EXPECT_EQ(Crc31(tableBytes, 0, -1), 0u);

  std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  std::uint32_t covered = Crc31(eight, 4, -1);
  EXPECT_EQ(Crc31(eight, 8, 4), covered);  // bytes 0..3 only
  eight[7] = 99;
  eight[5] = 42;
  EXPECT_EQ(Crc31(eight, 8, 4), covered);
  eight[2] = 0;
  EXPECT_NE(Crc31(eight, 8, 4), covered);
}

TEST(LocalizedString, FallsBackToEnglish) {
  SetLanguage(German);
  EXPECT_EQ(std::u16string(LocalizedString(7)), u"Venus");
  EXPECT_EQ(std::u16string(LocalizedString(15)), u"NN");
  EXPECT_EQ(std::u16string(LocalizedString(22)), u"Löwe");
  EXPECT_EQ(std::u16string(LocalizedString(62)), u"");
  SetLanguage(English);
  EXPECT_EQ(std::u16string(LocalizedString(61)), u"South Node");
  EXPECT_EQ(std::u16string(LocalizedString(-1)), u"");
}

}  // namespace
}  // namespace orrery
