// What the screens rely on in the pictures: visible ink, boxes that fit
// their ink, transparent borders where pictures meet lines or neighbours,
// colours, and the strip's twelve distinct pictures.
#include <gtest/gtest.h>

#include <map>

#include "shell/glyphs/glyph_ids.h"
#include "shell/glyphs/register_glyphs.h"
#include "tests/glyphs/image_checks.h"

namespace orrery::glyphs {
namespace {

using platform::Colour;
using platform::Rect;
using platform::Rgb;
using testing::InkBounds;

// Pixels at least half opaque count as visible ink.
constexpr int kVisible = 128;

const std::map<std::pair<ResourceKind, int>, platform::Image>& Pictures() {
  static const auto pictures = [] {
    std::map<std::pair<ResourceKind, int>, platform::Image> m;
    for (const StoredGlyph& g : StoredGlyphs()) m[{g.kind, g.id}] = ImageOf(g);
    return m;
  }();
  return pictures;
}

const platform::Image& Icon(int id) { return Pictures().at({ResourceKind::Icon, id}); }
const platform::Image& Bitmap(int id) { return Pictures().at({ResourceKind::Bitmap, id}); }

bool BorderIsTransparent(const platform::Image& img, const Rect& r) {
  for (int x = r.left; x < r.right; ++x) {
    if (img.Alpha(x, r.top) || img.Alpha(x, r.bottom - 1)) return false;
  }
  for (int y = r.top; y < r.bottom; ++y) {
    if (img.Alpha(r.left, y) || img.Alpha(r.right - 1, y)) return false;
  }
  return true;
}

TEST(Pictures, EveryOneHasVisibleInk) {
  for (const auto& [key, img] : Pictures()) {
    EXPECT_FALSE(InkBounds(img, kVisible).Empty()) << key.second;
  }
}

TEST(Pictures, BodyGlyphsFillTheirBoxes) {
  // The wheel keeps glyphs apart by their boxes, so a box may not be much
  // larger than its ink: the ink spans the box one way and nearly the other.
  auto check = [](const GlyphRef& ref) {
    const Rect ink = InkBounds(Icon(ref.id));
    const bool fullWidth = ink.left == 0 && ink.right == ref.width;
    const bool fullHeight = ink.top == 0 && ink.bottom == ref.height;
    EXPECT_TRUE(fullWidth || fullHeight) << ref.id;
    EXPECT_GE(ink.Width(), ref.width - 3) << ref.id;
    EXPECT_GE(ink.Height(), ref.height - 3) << ref.id;
  };
  for (const BodyGlyphs& b : kBodyGlyphs) {
    if (b.large.id) check(b.large);
    check(b.small);
  }
}

TEST(Pictures, WheelSignsFillTheirBoxesExactly) {
  for (int s = 1; s <= 12; ++s) {
    const GlyphRef& ref = kSignGlyphs[s].wheel;
    EXPECT_EQ(InkBounds(Icon(ref.id)), (Rect{0, 0, ref.width, ref.height})) << s;
  }
}

TEST(Pictures, TextSignsStandOnTheBaseline) {
  for (int s = 1; s <= 12; ++s) {
    const GlyphRef& ref = kSignGlyphs[s].text;
    const Rect ink = InkBounds(Icon(ref.id));
    EXPECT_EQ(ink.left, 0) << s;
    EXPECT_EQ(ink.right, ref.width) << s;
    EXPECT_GE(ink.top, 0) << s;
  }
  // Aries sits on the baseline; Virgo's tail hangs below it; Aquarius's
  // waves stay above it.
  EXPECT_EQ(InkBounds(Icon(kSignGlyphs[1].text.id), kVisible).bottom, kTextBaseline);
  EXPECT_GT(InkBounds(Icon(kSignGlyphs[6].text.id), kVisible).bottom, kTextBaseline);
  EXPECT_LT(InkBounds(Icon(kSignGlyphs[11].text.id), kVisible).bottom, kTextBaseline);
}

TEST(Pictures, SignsAndBodiesAreBlack) {
  auto allBlack = [](const platform::Image& img) {
    for (int y = 0; y < img.Height(); ++y) {
      for (int x = 0; x < img.Width(); ++x) {
        if (img.Alpha(x, y) && img.Pixel(x, y) != platform::kBlack) return false;
      }
    }
    return true;
  };
  for (int s = 1; s <= 12; ++s) {
    EXPECT_TRUE(allBlack(Icon(kSignGlyphs[s].wheel.id))) << s;
    EXPECT_TRUE(allBlack(Icon(kSignGlyphs[s].text.id))) << s;
  }
  for (const BodyGlyphs& b : kBodyGlyphs) {
    if (b.large.id) {
      EXPECT_TRUE(allBlack(Icon(b.large.id))) << b.large.id;
    }
    EXPECT_TRUE(allBlack(Icon(b.small.id))) << b.small.id;
  }
}

// The aspect colours of the chart's aspect table, by AspectId.
constexpr Colour kAspectColours[13] = {
    Rgb(255, 255, 255), Rgb(255, 0, 0),     Rgb(255, 0, 0),     Rgb(255, 0, 0),
    Rgb(0, 0, 255),     Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 0),
    Rgb(255, 100, 255), Rgb(255, 100, 255), Rgb(0, 0, 255),     Rgb(255, 100, 255),
    Rgb(0, 0, 0)};

TEST(Pictures, AspectGlyphsAreInTheirAspectsColour) {
  for (int a = 1; a <= 12; ++a) {
    for (const platform::Image* img :
         {&Icon(kAspectGlyphs[a].icon.id), &Bitmap(kAspectGlyphs[a].symbol.id)}) {
      int opaque = 0;
      for (int y = 0; y < img->Height(); ++y) {
        for (int x = 0; x < img->Width(); ++x) {
          if (!img->Alpha(x, y)) continue;
          EXPECT_EQ(img->Pixel(x, y), kAspectColours[a]) << a;
          opaque += img->Alpha(x, y) == 255;
        }
      }
      EXPECT_GT(opaque, 8) << a;
    }
  }
}

TEST(Pictures, AspectGridIconsKeepOffTheGridLines) {
  // A grid cell's icon covers the cell's left line: its border stays clear.
  for (int a = 1; a <= 12; ++a) {
    const platform::Image& img = Icon(kAspectGlyphs[a].icon.id);
    EXPECT_TRUE(BorderIsTransparent(img, {0, 0, 16, 16})) << a;
  }
}

TEST(Pictures, ToolBarStripHoldsTwelveDistinctPictures) {
  const platform::Image& strip = Bitmap(kAspectToolBarStrip);
  std::vector<platform::Image> pictures;
  for (int i = 0; i < kToolBarImageCount; ++i) {
    pictures.push_back(strip.Crop(Rect::At(i * kToolBarImage.width, 0, kToolBarImage.width,
                                           kToolBarImage.height)));
    const platform::Image& p = pictures.back();
    EXPECT_TRUE(BorderIsTransparent(p, {0, 0, p.Width(), p.Height()})) << i;
    EXPECT_FALSE(InkBounds(p, kVisible).Empty()) << i;
  }
  for (size_t i = 0; i < pictures.size(); ++i) {
    for (size_t j = i + 1; j < pictures.size(); ++j) {
      EXPECT_FALSE(testing::SamePixels(pictures[i], pictures[j])) << i << " " << j;
    }
  }
}

TEST(Pictures, HeadingDecorationsMeetTheirRules) {
  // The rule of a heading runs on row 11 below the heading's y; the end
  // pictures stand 3 rows higher, the frame 9 rows higher with its rules
  // entering on both sides.
  const platform::Image& left = Icon(kHeadingLeftEnd.id);
  const platform::Image& right = Icon(kHeadingRightEnd.id);
  const platform::Image& frame = Icon(kHeadingFrame.id);
  EXPECT_GE(left.Alpha(left.Width() - 1, 14), kVisible);
  EXPECT_GE(right.Alpha(0, 14), kVisible);
  EXPECT_GE(frame.Alpha(0, 9), kVisible);
  EXPECT_GE(frame.Alpha(frame.Width() - 1, 9), kVisible);
  // Where the heading's glyph stands the frame is clear.
  for (int y = 2; y < 18; ++y) {
    for (int x = 5; x < 21; ++x) EXPECT_EQ(frame.Alpha(x, y), 0) << x << "," << y;
  }
}

}  // namespace
}  // namespace orrery::glyphs
