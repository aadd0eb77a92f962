// Every picture the program looks up is registered under its id with the
// size the views place it by, and the compiled pixels are the artwork's.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "shell/glyphs/glyph_catalogue.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/glyphs/register_glyphs.h"
#include "shell/platform/resources.h"
#include "tests/glyphs/image_checks.h"

namespace orrery::glyphs {
namespace {

struct Expected {
  ResourceKind kind;
  int id;
  int width;
  int height;
};

constexpr ResourceKind I = ResourceKind::Icon;
constexpr ResourceKind B = ResourceKind::Bitmap;

// The ids and sizes the program's screens name, written out as they stand
// there: body glyphs large and small, axis marks, sex icons, retrograde
// mark, heading decorations and glyphs, element and quadrant glyphs, chart
// kind marks, About icons, the tool-bar strip and the present-moment button.
constexpr Expected kNamed[] = {
    {I, 136, 15, 15}, {I, 137, 11, 13}, {I, 139, 11, 18}, {I, 140, 8, 13},
    {I, 142, 10, 18}, {I, 143, 7, 13},  {I, 145, 10, 16}, {I, 146, 7, 13},
    {I, 148, 15, 15}, {I, 149, 11, 13}, {I, 151, 16, 16}, {I, 152, 11, 13},
    {I, 154, 14, 17}, {I, 155, 10, 13}, {I, 157, 14, 18}, {I, 158, 11, 13},
    {I, 160, 12, 17}, {I, 161, 9, 13},  {I, 163, 16, 16}, {I, 164, 11, 13},
    {I, 166, 9, 15},  {I, 167, 8, 13},  {I, 169, 15, 15}, {I, 170, 12, 13},
    {I, 172, 15, 15}, {I, 173, 12, 13}, {I, 175, 17, 13}, {I, 177, 18, 13},
    {I, 256, 15, 15}, {I, 257, 15, 15}, {I, 258, 12, 13}, {I, 259, 12, 13},
    {I, 134, 7, 13},  {I, 135, 14, 7},  {I, 211, 11, 13}, {I, 212, 10, 13},
    {I, 213, 7, 13},  {I, 217, 4, 7},   {I, 222, 11, 19}, {I, 223, 11, 19},
    {I, 224, 25, 19}, {I, 225, 16, 16}, {I, 226, 16, 16}, {I, 238, 16, 16},
    {I, 243, 16, 16}, {I, 251, 16, 16}, {I, 239, 12, 12}, {I, 240, 12, 12},
    {I, 241, 12, 12}, {I, 242, 12, 12}, {I, 244, 16, 16}, {I, 245, 16, 16},
    {I, 246, 16, 16}, {I, 247, 16, 16}, {I, 253, 16, 16}, {I, 254, 16, 16},
    {I, 249, 32, 32}, {I, 255, 30, 40}, {B, 219, 12 * 13, 12}, {B, 221, 16, 16},
};

// Named without a size: the program icon, the caution icon, the Options
// pages' aspect bitmaps and the bodies' third glyphs.
constexpr Expected kNamedWithoutSize[] = {
    {I, 101, 0, 0}, {I, 233, 0, 0}, {B, 199, 0, 0}, {B, 200, 0, 0}, {B, 201, 0, 0},
    {B, 202, 0, 0}, {B, 203, 0, 0}, {B, 204, 0, 0}, {B, 205, 0, 0}, {B, 206, 0, 0},
    {B, 232, 0, 0}, {B, 208, 0, 0}, {B, 209, 0, 0}, {B, 210, 0, 0}, {B, 138, 0, 0},
    {B, 141, 0, 0}, {B, 144, 0, 0}, {B, 147, 0, 0}, {B, 150, 0, 0}, {B, 153, 0, 0},
    {B, 156, 0, 0}, {B, 159, 0, 0}, {B, 162, 0, 0}, {B, 165, 0, 0}, {B, 168, 0, 0},
    {B, 171, 0, 0}, {B, 174, 0, 0}, {B, 176, 0, 0}, {B, 178, 0, 0}, {B, 234, 0, 0},
    {B, 233, 0, 0},
};

const platform::Image* Find(ResourceKind kind, int id) {
  return kind == ResourceKind::Icon ? platform::FindIcon(id) : platform::FindBitmap(id);
}

class Registered : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterGlyphResources(); }
};

TEST_F(Registered, EveryNamedPictureHasItsSize) {
  for (const Expected& e : kNamed) {
    const platform::Image* img = Find(e.kind, e.id);
    ASSERT_NE(img, nullptr) << e.id;
    EXPECT_EQ(img->Dimensions(), (platform::Size{e.width, e.height})) << e.id;
  }
  for (const Expected& e : kNamedWithoutSize) {
    const platform::Image* img = Find(e.kind, e.id);
    ASSERT_NE(img, nullptr) << e.id;
    EXPECT_FALSE(img->Empty()) << e.id;
  }
}

TEST_F(Registered, EveryTableEntryHasTheTablesSize) {
  auto check = [](ResourceKind kind, const GlyphRef& ref) {
    const platform::Image* img = Find(kind, ref.id);
    ASSERT_NE(img, nullptr) << ref.id;
    EXPECT_EQ(img->Dimensions(), (platform::Size{ref.width, ref.height})) << ref.id;
  };
  for (const BodyGlyphs& b : kBodyGlyphs) {
    if (b.large.id) check(ResourceKind::Icon, b.large);
    check(ResourceKind::Icon, b.small);
    check(ResourceKind::Bitmap, b.symbol);
  }
  for (int s = 1; s <= 12; ++s) {
    check(ResourceKind::Icon, kSignGlyphs[s].wheel);
    check(ResourceKind::Icon, kSignGlyphs[s].text);
    EXPECT_EQ(kSignGlyphs[s].text.height, kTextGlyphHeight);
  }
  for (int a = 1; a <= 12; ++a) {
    check(ResourceKind::Icon, kAspectGlyphs[a].icon);
    check(ResourceKind::Bitmap, kAspectGlyphs[a].symbol);
  }
}

TEST_F(Registered, IdsAreUniqueWithinTheirKindAndNoneIsLeftOut) {
  std::set<std::pair<ResourceKind, int>> stored;
  for (const StoredGlyph& g : StoredGlyphs()) {
    EXPECT_TRUE(stored.insert({g.kind, g.id}).second) << "twice: " << g.id;
  }
  std::set<std::pair<ResourceKind, int>> expected;
  for (const Expected& e : kNamed) expected.insert({e.kind, e.id});
  for (const Expected& e : kNamedWithoutSize) expected.insert({e.kind, e.id});
  for (int s = 1; s <= 12; ++s) {
    expected.insert({ResourceKind::Icon, kSignGlyphs[s].wheel.id});
    expected.insert({ResourceKind::Icon, kSignGlyphs[s].text.id});
  }
  for (int a = 1; a <= 12; ++a) expected.insert({ResourceKind::Icon, kAspectGlyphs[a].icon.id});
  EXPECT_EQ(stored, expected);
}

TEST(CompiledPictures, AreTheArtworkDrawnAgain) {
  const std::vector<GlyphResource> drawn = DrawGlyphResources();
  const auto stored = StoredGlyphs();
  ASSERT_EQ(drawn.size(), stored.size());
  for (size_t i = 0; i < drawn.size(); ++i) {
    EXPECT_EQ(drawn[i].id, stored[i].id);
    EXPECT_TRUE(testing::SamePixels(drawn[i].image, ImageOf(stored[i]))) << drawn[i].id;
  }
}

TEST(CompiledPictures, DrawingTwiceGivesTheSamePixels) {
  const std::vector<GlyphResource> first = DrawGlyphResources();
  const std::vector<GlyphResource> second = DrawGlyphResources();
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_TRUE(testing::SamePixels(first[i].image, second[i].image)) << first[i].id;
  }
}

}  // namespace
}  // namespace orrery::glyphs
