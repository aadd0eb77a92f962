// The stored settings on real files in a temporary home, checked against a
// keystream computed independently with 64-bit products.
#include "store/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <functional>

#include "chart/chart_slot.h"
#include "chart/live_settings.h"
#include "chart/object_info.h"
#include "foundation/localized_strings.h"
#include "store/settings_scramble.h"
#include "store_test_support.h"

namespace orrery {
namespace {

using store_test::Bytes;

std::uint32_t ReferenceNext(std::uint32_t x) {
  return static_cast<std::uint32_t>(16807ull * x % 2147483647ull);
}

// The documented scrambling, with the reference generator.
Bytes ReferenceScramble(Bytes bytes) {
  std::uint32_t key = ReferenceNext(SettingsKeystreamSeed);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i >= 2 && (i - 2) % 3 == 0) key = ReferenceNext(key);
    bytes[i] ^= static_cast<std::uint8_t>(key);
  }
  return bytes;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorLog();
    ResetOrbsToDefaults();
    ResetPointsToDefaults();
    rulershipIndex = 0;
    settingsRecord = SettingsRecord{};
    SetLanguage(English);
    currentRecord = ChartRecord{};
  }
  void TearDown() override { SetLanguage(English); }

  // Stores plain (unscrambled) bytes as the settings value.
  void StorePlainValue(const Bytes& plain) {
    store_test::WriteBytes(SettingsValuePath(), ReferenceScramble(plain));
  }

  // A stored value with every field valid and the defaults.
  static Bytes DefaultPlainValue() {
    Bytes plain(356, 0);
    for (int a = 0; a < AspectRowCount; ++a)
      for (int b = 0; b < BodyCount; ++b) plain[44 + 17 * a + b] = aspectInfo[a].defaultOrbs[b];
    for (int k = 0; k < BodyCount; ++k) plain[265 + k] = objectInfo[k].defaultPoints;
    return plain;
  }

  store_test::TempHome home;
};

TEST(SettingsKeystream, MatchesTheMinimalStandardGenerator) {
  std::uint32_t x = 1, reference = 1;
  for (int i = 0; i < 10000; ++i) {
    x = NextKeystreamValue(x);
    reference = ReferenceNext(reference);
    ASSERT_EQ(x, reference) << "step " << i;
  }
  EXPECT_EQ(x, 1043618065u);  // the generator's published check value
  for (std::uint32_t v : {2147483646u, 65535u, 65536u, 127773u, SettingsKeystreamSeed}) {
    EXPECT_EQ(NextKeystreamValue(v), ReferenceNext(v)) << v;
  }
}

TEST(SettingsKeystream, ScramblingTwiceRestoresAndKeysCoverTwoThenThreeBytes) {
  Bytes zeros(356, 0);
  Bytes scrambled = zeros;
  ScrambleSettings(scrambled.data(), 356);
  EXPECT_EQ(scrambled, ReferenceScramble(zeros));
  EXPECT_EQ(scrambled[0], scrambled[1]);
  EXPECT_EQ(scrambled[2], scrambled[3]);
  EXPECT_EQ(scrambled[3], scrambled[4]);
  ScrambleSettings(scrambled.data(), 356);
  EXPECT_EQ(scrambled, zeros);

  std::uint8_t one = 0x5A;
  ScrambleSettings(&one, 0);
  ScrambleSettings(&one, -3);
  EXPECT_EQ(one, 0x5A);
}

TEST_F(SettingsTest, FirstRunStoresTheDefaults) {
  EXPECT_EQ(LoadSettingsAtStartup(), 503);
  EXPECT_EQ(ErrorLogSlot(0), 503);
  EXPECT_EQ(CurrentLanguage(), English);
  Bytes stored = store_test::ReadBytes(SettingsValuePath());
  ASSERT_EQ(stored.size(), 356u);
  EXPECT_EQ(ReferenceScramble(stored), DefaultPlainValue());

  ClearErrorLog();
  EXPECT_EQ(LoadSettingsAtStartup(), 0);
  EXPECT_EQ(LastErrorCode(), 0);
  for (int a = 0; a < AspectRowCount; ++a)
    for (int b = 0; b < BodyCount; ++b) EXPECT_EQ(currentOrbs[a][b], aspectInfo[a].defaultOrbs[b]);
  for (int k = 0; k < BodyCount; ++k) EXPECT_EQ(currentPoints[k], objectInfo[k].defaultPoints);
}

TEST_F(SettingsTest, RoundTripAtTheDocumentedOffsets) {
  settingsRecord.language = German;
  currentRecord.id = 4711;
  rulershipIndex = 1;
  currentOrbs[3][14] = 27;
  currentOrbs[12][0] = 1;
  currentPoints[16] = 9;
  currentPoints[0] = 0;
  ASSERT_EQ(SaveSettings(), 0);

  Bytes plain = ReferenceScramble(store_test::ReadBytes(SettingsValuePath()));
  ASSERT_EQ(plain.size(), 356u);
  EXPECT_EQ(plain[4], 1);
  EXPECT_EQ(store_test::U32At(plain, 8), 4711u);
  EXPECT_EQ(plain[12], 1);
  EXPECT_EQ(plain[44 + 17 * 3 + 14], 27);
  EXPECT_EQ(plain[44 + 17 * 12 + 0], 1);
  EXPECT_EQ(plain[265 + 16], 9);
  EXPECT_EQ(plain[265], 0);
  for (int i : {0, 1, 2, 3, 5, 6, 7, 13, 43, 282, 283, 355}) EXPECT_EQ(plain[i], 0) << i;

  ResetOrbsToDefaults();
  ResetPointsToDefaults();
  rulershipIndex = 0;
  settingsRecord = SettingsRecord{};
  SetLanguage(English);
  ASSERT_EQ(LoadSettings(), 0);
  EXPECT_EQ(CurrentLanguage(), German);
  EXPECT_EQ(settingsRecord.currentChartKey, 4711);
  EXPECT_EQ(CurrentSlot().record.id, 4711);
  EXPECT_EQ(rulershipIndex, 1);
  EXPECT_EQ(currentOrbs[3][14], 27);
  EXPECT_EQ(currentOrbs[12][0], 1);
  EXPECT_EQ(currentPoints[16], 9);
  EXPECT_EQ(currentPoints[0], 0);
}

TEST_F(SettingsTest, OrbsAndPointsOutsideTheirRangesTakeTheDefaults) {
  Bytes plain = DefaultPlainValue();
  plain[44 + 17 * 1 + 0] = 31;    // Conjunction, Sun
  plain[44 + 17 * 2 + 1] = 0xFF;  // Opposition, Moon: -1
  plain[44 + 17 * 3 + 5] = 0x80;  // Square, Mars: -128
  plain[44 + 17 * 4 + 6] = 30;    // Trine, Jupiter: the largest valid orb
  plain[44 + 17 * 5 + 7] = 0;     // Sextile, Saturn
  plain[265 + 0] = 10;
  plain[265 + 1] = 9;
  plain[265 + 2] = 0xFF;
  plain[265 + 3] = 0;
  StorePlainValue(plain);
  ASSERT_EQ(LoadSettings(), 0);
  EXPECT_EQ(currentOrbs[1][0], aspectInfo[1].defaultOrbs[0]);
  EXPECT_EQ(currentOrbs[2][1], aspectInfo[2].defaultOrbs[1]);
  EXPECT_EQ(currentOrbs[3][5], aspectInfo[3].defaultOrbs[5]);
  EXPECT_EQ(currentOrbs[4][6], 30);
  EXPECT_EQ(currentOrbs[5][7], 0);
  EXPECT_EQ(currentPoints[0], objectInfo[0].defaultPoints);
  EXPECT_EQ(currentPoints[1], 9);
  EXPECT_EQ(currentPoints[2], objectInfo[2].defaultPoints);
  EXPECT_EQ(currentPoints[3], 0);
}

TEST_F(SettingsTest, LanguageRulershipKeyAndDisplayModeAreMadeValid) {
  struct Case {
    std::uint8_t language, rulership;
    std::int32_t key;
    int wantLanguage, wantRulership;
    std::int32_t wantKey;
  };
  const Case cases[] = {
      {0xFF, 0xFD, -42, German, 3, 42},  // -1, -3
      {2, 4, 17, English, 0, 17},
      {0xFE, 0x80, INT32_MIN, English, 0, 0},  // -2, -128, and a key without magnitude
      {1, 1, INT32_MAX, German, 1, INT32_MAX},
  };
  for (const Case& c : cases) {
    Bytes plain = DefaultPlainValue();
    plain[4] = c.language;
    plain[12] = c.rulership;
    store_test::PutU32At(plain, 8, static_cast<std::uint32_t>(c.key));
    plain[282] = 7;
    StorePlainValue(plain);
    ASSERT_EQ(LoadSettings(), 0);
    EXPECT_EQ(CurrentLanguage(), c.wantLanguage) << c.key;
    EXPECT_EQ(settingsRecord.language, c.wantLanguage) << c.key;
    EXPECT_EQ(rulershipIndex, c.wantRulership) << c.key;
    EXPECT_EQ(settingsRecord.rulership, c.wantRulership) << c.key;
    EXPECT_EQ(settingsRecord.currentChartKey, c.wantKey);
    EXPECT_EQ(CurrentSlot().record.id, c.wantKey);
    EXPECT_EQ(settingsRecord.displayMode, 0);
  }
}

TEST_F(SettingsTest, AnOverlongValueIsReadOnlyToTheRecordsEnd) {
  Bytes plain = DefaultPlainValue();
  plain[4] = 1;
  plain[265 + 5] = 7;
  Bytes stored = ReferenceScramble(plain);
  stored.insert(stored.end(), 4000, 0x03);
  store_test::WriteBytes(SettingsValuePath(), stored);
  ASSERT_EQ(LoadSettings(), 0);
  EXPECT_EQ(CurrentLanguage(), German);
  EXPECT_EQ(currentPoints[5], 7);
}

TEST_F(SettingsTest, UnreadableValueLeavesAZeroRecordAndTheLiveDefaultsAndIsNotWrittenOver) {
  const std::function<void(const std::filesystem::path&)> unreadable[] = {
      [](const std::filesystem::path& p) { std::filesystem::create_directories(p); },  // a folder
#ifndef __EMSCRIPTEN__  // node's file system under emscripten makes no FIFOs
      [](const std::filesystem::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },   // a FIFO
#endif
  };
  for (const auto& make : unreadable) {
    std::filesystem::remove_all(SettingsValuePath());
    std::filesystem::create_directories(SettingsKeyPath());
    make(SettingsValuePath());
    const auto before = std::filesystem::symlink_status(SettingsValuePath()).type();
    SetLanguage(German);
    settingsRecord.rulership = 1;
    EXPECT_EQ(LoadSettings(), 504);
    EXPECT_EQ(LastErrorCode(), 504);
    EXPECT_EQ(CurrentLanguage(), English);
    EXPECT_EQ(settingsRecord.rulership, 0);
    EXPECT_EQ(currentOrbs[1][0], aspectInfo[1].defaultOrbs[0]);
    EXPECT_EQ(SaveSettings(), 501);
    EXPECT_EQ(std::filesystem::symlink_status(SettingsValuePath()).type(), before);
  }
}

TEST_F(SettingsTest, KeyThatCannotBeCreatedGives501AndChangesNothing) {
  store_test::WriteBytes(home.Path() / "registry", {1});  // a file where the key folder goes
  currentOrbs[1][0] = 3;
  EXPECT_EQ(LoadSettings(), 501);
  EXPECT_EQ(SaveSettings(), 501);
  EXPECT_EQ(ErrorLogSlot(0), 501);
  EXPECT_EQ(ErrorLogSlot(1), 501);
  EXPECT_EQ(currentOrbs[1][0], 3);
  SetStoreHome({});
  EXPECT_EQ(LoadSettings(), 501);
}

TEST_F(SettingsTest, FailedWriteIsReportedAndKeepsTheOldValue) {
  ASSERT_EQ(SaveSettings(), 0);
  const Bytes before = store_test::ReadBytes(SettingsValuePath());
  std::filesystem::path blocker = SettingsValuePath();
  blocker += ".tmp-" + std::to_string(getpid());
  std::filesystem::create_directory(blocker);
  currentOrbs[1][0] = 3;
  EXPECT_EQ(SaveSettings(), 501);
  EXPECT_EQ(store_test::ReadBytes(SettingsValuePath()), before);
}

}  // namespace
}  // namespace orrery
