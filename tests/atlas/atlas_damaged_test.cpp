// Damaged blobs: every defect gives its error code or empty results, never
// a read outside the blob (run under AddressSanitizer: ORRERY_SANITIZE=ON).
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "atlas/atlas_browse.h"
#include "atlas/atlas_cursor.h"
#include "atlas/atlas_entry.h"
#include "atlas/atlas_open.h"
#include "atlas/city_search.h"
#include "atlas_exercise.h"
#include "blob_writer.h"
#include "foundation/error_log.h"
#include "sample_atlas.h"

namespace orrery {
namespace {

using testing::HeapWriter;
using testing::SampleAtlas;
using testing::TestCharTable;

class DamagedAtlasTest : public ::testing::Test {
 protected:
  void TearDown() override { UseEmbeddedAtlas(); }

  // Opens a copy of the blob (held here, so that reads past it are caught).
  int Open(std::vector<std::uint8_t> blob) {
    blob_ = std::move(blob);
    UseAtlasData(blob_, TestCharTable());
    ClearErrorLog();
    return OpenAtlas();
  }

  // A root of the given elements, element 0 a stream string unless given.
  static std::vector<std::uint8_t> Root(std::size_t count, std::uint32_t element0,
                                        std::uint32_t element242) {
    HeapWriter h;
    std::uint32_t root = h.Vector(std::vector<std::uint32_t>(count, 0));
    std::uint32_t items = (root & 0x7FFFFF) + (count <= 255 ? 2 : 4);
    if (count > 0) h.Patch(items, element0);
    if (count > 242) h.Patch(items + 3 * 242, element242);
    return h.Finish();
  }

  std::vector<std::uint8_t> blob_;
};

TEST_F(DamagedAtlasTest, RootChecksGiveTheirCodesInOrder) {
  const std::uint32_t integer = 0x400005;
  const std::uint32_t vector = 0x040000;  // the empty vector
  EXPECT_EQ(Open(Root(0, 0, 0)), 5001);
  EXPECT_EQ(Open(Root(242, integer, vector)), 5002);
  EXPECT_EQ(Open(Root(244, integer, vector)), 5002);
  EXPECT_EQ(Open(Root(300, integer, vector)), 5002);
  EXPECT_EQ(Open(Root(243, integer, vector)), 5003);
  EXPECT_EQ(Open(Root(243, 0x020000, vector)), 5004);  // the empty string
  EXPECT_EQ(ErrorLogSlot(0), 5004);
  EXPECT_EQ(LastErrorCode(), 5004);

  HeapWriter h;
  std::uint32_t root = h.Vector(std::vector<std::uint32_t>(243, 0));
  std::uint32_t text = h.String({0x12, 0x34});
  h.Patch((root & 0x7FFFFF) + 2, text);
  std::vector<std::uint8_t> noIndex = h.Finish();
  EXPECT_EQ(Open(noIndex), 5005);
  h.Patch((root & 0x7FFFFF) + 2 + 3 * 242, 0x040000);
  EXPECT_EQ(Open(h.Finish()), 0);
  EXPECT_EQ(OpenedAtlas().cityCount, 0);  // a valid atlas without cities
  EXPECT_EQ(ReadCity(ReadEverything), 0);
  EXPECT_EQ(SeekCityName(u"ulm"), 0);
}

TEST_F(DamagedAtlasTest, TruncatedAndGarbageBlobs) {
  const std::vector<std::uint8_t>& whole = SampleAtlas().blob;
  // Cut anywhere: the header's length no longer fits, the root is missing.
  for (std::size_t cut : {std::size_t{0}, std::size_t{5}, std::size_t{6}, std::size_t{100},
                          whole.size() / 2, whole.size() - 1}) {
    EXPECT_EQ(Open({whole.begin(), whole.begin() + static_cast<long>(cut)}), 5001) << cut;
    EXPECT_EQ(OpenedAtlas().cityCount, 0);
    EXPECT_EQ(ReadCity(ReadEverything), 0);
    EXPECT_EQ(SeekCityName(u"ber"), 0);
    atlasCursor.moment = {2000, 1, 1, 12, 0};
    LoadAtlasEntry(MakeAtlasRef(0, 1, 0, 0));
    EXPECT_EQ(atlasCursor.zoneHours, 0);
    EXPECT_EQ(std::u16string(atlasCursor.countryName), u"");
  }
  // Cut with a repaired header: the stream string and index no longer fit.
  std::vector<std::uint8_t> cut(whole.begin(), whole.end() - 40);
  cut[3] = static_cast<std::uint8_t>(cut.size() >> 16);
  cut[4] = static_cast<std::uint8_t>(cut.size() >> 8);
  cut[5] = static_cast<std::uint8_t>(cut.size());
  int code = Open(cut);
  EXPECT_TRUE(code == 5003 || code == 5005) << code;

  std::mt19937 random(4);
  for (int i = 0; i < 200; ++i) {
    std::vector<std::uint8_t> garbage(1 + random() % 3000);
    for (auto& b : garbage) b = static_cast<std::uint8_t>(random());
    EXPECT_EQ(Open(garbage), 5001);
    if (garbage.size() > 6) {
      garbage[3] = 0;
      garbage[4] = static_cast<std::uint8_t>(garbage.size() >> 8);
      garbage[5] = static_cast<std::uint8_t>(garbage.size());
      blob_ = garbage;
      UseAtlasData(blob_, TestCharTable());
      EXPECT_EQ(testing::ExerciseAtlas(), "");
    }
  }
}

TEST_F(DamagedAtlasTest, IndexEntriesPastTheStreamAreLeftOut) {
  std::vector<std::uint8_t> blob = SampleAtlas().blob;
  ASSERT_EQ(Open(blob), 0);
  const std::int32_t count = OpenedAtlas().cityCount;
  const std::int32_t entries = OpenedAtlas().indexLength;
  const std::uint32_t index = OpenedAtlas().cityIndex & 0x7FFFFF;
  // The last entry now points far past the end of the stream.
  const std::uint32_t last = index + 2 + 3 * static_cast<std::uint32_t>(entries - 1);
  blob[last] = 0x7F;
  ASSERT_EQ(Open(blob), 0);
  EXPECT_EQ(OpenedAtlas().indexLength, entries - 1);
  EXPECT_EQ(OpenedAtlas().cityCount, 10 * (entries - 1));
  EXPECT_LT(OpenedAtlas().cityCount, count);
  EXPECT_EQ(testing::ExerciseAtlas(), "");
  // The first entry broken: no cities at all.
  blob = SampleAtlas().blob;
  blob[index + 2] = 0x7F;
  ASSERT_EQ(Open(blob), 0);
  EXPECT_EQ(OpenedAtlas().cityCount, 0);
  EXPECT_EQ(testing::ExerciseAtlas(), "");
}

TEST_F(DamagedAtlasTest, AnIndexThatDoesNotRiseMeansNoCities) {
  std::vector<std::uint8_t> blob = SampleAtlas().blob;
  ASSERT_EQ(Open(blob), 0);
  ASSERT_GE(OpenedAtlas().indexLength, 3);
  const std::uint32_t index = OpenedAtlas().cityIndex & 0x7FFFFF;
  // The middle entry now points before the first city: searches starting
  // there would leave the city records.
  blob[index + 2 + 3 + 1] = 0;
  blob[index + 2 + 3 + 2] = 1;
  ASSERT_EQ(Open(blob), 0);
  EXPECT_EQ(OpenedAtlas().cityCount, 0);
  EXPECT_EQ(SeekCityName(u"ber"), 0);
  EXPECT_EQ(testing::ExerciseAtlas(), "");
}

TEST_F(DamagedAtlasTest, RuleBlocksRunningPastTheStreamEnd) {
  testing::AtlasPlan plan;
  testing::CountryPlan land{1, 6, u"Land", {}, {}};
  land.rules.PeriodRule(3, 1900, 1, 1, 0, 0, 2047, 12, 31, 23, 59, testing::PackCorrection(2, 0, true));
  land.rules.Unit(3);  // a period rule cut short by the end of the stream
  plan.countries.push_back(std::move(land));
  plan.cities.push_back({1, 0, 1, 2, true, 3, 4, true, u"Town"});
  testing::BuiltAtlas built = testing::BuildAtlas(plan);
  ASSERT_EQ(Open(built.blob), 0);
  // Give the block a length far beyond the stream.
  const AtlasStream& s = OpenedAtlas().stream;
  const std::int32_t block = IntegerValue(VectorElement(OpenedAtlas().heap, CountryEntry(1), 3));
  ASSERT_EQ(ReadNumber(s, block, 4), 4u + 18u + 1u);
  std::size_t streamStart = static_cast<std::size_t>(s.bytes - blob_.data());
  std::vector<std::uint8_t> damaged = built.blob;
  for (int bit = 5 * block; bit < 5 * block + 20; ++bit) {
    damaged[streamStart + static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
  }
  ASSERT_EQ(Open(damaged), 0);
  atlasCursor.moment = {2000, 6, 1, 12, 0};
  LoadAtlasEntry(MakeAtlasRef(0, 1, 0, 0));
  EXPECT_EQ(atlasCursor.zoneHours, 2);
  EXPECT_EQ(testing::ExerciseAtlas(), "");
}

TEST_F(DamagedAtlasTest, RandomMutationsOfAValidBlob) {
  std::mt19937 random(7);
  const std::vector<std::uint8_t>& whole = SampleAtlas().blob;
  int opened = 0;
  for (int i = 0; i < 1500; ++i) {
    std::vector<std::uint8_t> blob = whole;
    int flips = 1 + static_cast<int>(random() % 8);
    for (int f = 0; f < flips; ++f) {
      blob[6 + random() % (blob.size() - 6)] = static_cast<std::uint8_t>(random());
    }
    blob_ = blob;
    UseAtlasData(blob_, TestCharTable());
    ASSERT_EQ(testing::ExerciseAtlas(), "") << "mutation " << i;
    opened += OpenedAtlas().cityCount > 0;
  }
  EXPECT_GT(opened, 500);  // most mutations leave an atlas to read
}

}  // namespace
}  // namespace orrery
