// Taps on the wheel's glyphs: every drawn glyph answers inside its box less
// its outermost pixels; elsewhere no body does.
#include <gtest/gtest.h>

#include "astro/body_table.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/shell_drawing.h"
#include "shell/wheel/body_layout.h"
#include "shell/wheel/wheel_hit_test.h"
#include "tests/wheel/wheel_test_support.h"

namespace orrery {
namespace {

constexpr platform::Point Centre{124, 144};

// The window rectangle of a body's glyph as drawn.
platform::Rect WindowBox(int body) {
  return wheel_test::StoredGlyphBox(body).Offset(Centre.x - 84, Centre.y - 84);
}

class GlyphTaps : public ::testing::Test {
 protected:
  void SetUp() override { shellDrawing.wheelCentre = Centre; }
};

TEST_F(GlyphTaps, EveryDrawnGlyphAnswersInsideItsInnerBox) {
  for (int n = 0; n < 5; ++n) {
    wheel_test::ComputeSample(n);
    wheel_test::ResetDisplayFlags();
    BodyTable[NorthNode].drawnInWheel = 1;
    BodyTable[SouthNode].drawnInWheel = 1;
    LayoutBodyGlyphs();
    int tested = 0;
    for (int body = 0; body < BodyCount; ++body) {
      if (!BodyTable[body].drawnInWheel || body == Ascendant || body == Midheaven) continue;
      const platform::Rect box = WindowBox(body);
      // The box answers without its first two and its last column and row.
      EXPECT_EQ(WheelHitTest(box.left + 2, box.top + 2), body) << n << " " << body;
      EXPECT_EQ(WheelHitTest(box.right - 2, box.bottom - 2), body) << n << " " << body;
      EXPECT_EQ(WheelHitTest((box.left + box.right) / 2, (box.top + box.bottom) / 2), body);
      EXPECT_NE(WheelHitTest(box.left + 1, box.top + 2), body);
      EXPECT_NE(WheelHitTest(box.left + 2, box.top + 1), body);
      EXPECT_NE(WheelHitTest(box.right - 1, box.bottom - 2), body);
      EXPECT_NE(WheelHitTest(box.right - 2, box.bottom - 1), body);
      ++tested;
    }
    EXPECT_EQ(tested, 12) << n;  // Sun to Pluto and both nodes
  }
}

TEST_F(GlyphTaps, AxisMarksAnswerInTheirOwnBoxes) {
  wheel_test::ComputeSample(2);
  wheel_test::ResetDisplayFlags();
  LayoutBodyGlyphs();
  // Window positions as the wheel layer stores them.
  BodyTable[Ascendant].glyphX = 2;
  BodyTable[Ascendant].glyphY = 130;
  BodyTable[Midheaven].glyphX = 100;
  BodyTable[Midheaven].glyphY = 22;
  EXPECT_EQ(WheelHitTest(2 + 2, 130 + 2), Ascendant);
  EXPECT_EQ(WheelHitTest(2 + 5, 130 + 11), Ascendant);
  EXPECT_EQ(WheelHitTest(2 + 6, 130 + 5), -1);
  EXPECT_EQ(WheelHitTest(2 + 3, 130 + 12), -1);
  EXPECT_EQ(WheelHitTest(100 + 12, 22 + 5), Midheaven);
  EXPECT_EQ(WheelHitTest(100 + 13, 22 + 3), -1);
  EXPECT_EQ(WheelHitTest(100 + 5, 22 + 6), -1);
  // A mark that is not drawn does not answer.
  BodyTable[Midheaven].drawnInWheel = 0;
  EXPECT_EQ(WheelHitTest(100 + 12, 22 + 5), -1);
}

TEST_F(GlyphTaps, TapsBesideEveryGlyphFindNothing) {
  wheel_test::ComputeSample(0);
  wheel_test::ResetDisplayFlags();
  LayoutBodyGlyphs();
  EXPECT_EQ(WheelHitTest(Centre.x, Centre.y), -1);
  EXPECT_EQ(WheelHitTest(0, 0), -1);
  EXPECT_EQ(WheelHitTest(-500, 9000), -1);
  // Not drawn: the nodes and the Earth keep stale corners but never answer.
  for (int body : {Earth, NorthNode, SouthNode, MeanNorthNode}) {
    BodyTable[body].glyphX = BodyTable[Sun].glyphX;
    BodyTable[body].glyphY = BodyTable[Sun].glyphY;
  }
  const platform::Rect sun = WindowBox(Sun);
  EXPECT_EQ(WheelHitTest(sun.left + 7, sun.top + 7), Sun);
  BodyTable[Sun].drawnInWheel = 0;
  EXPECT_EQ(WheelHitTest(sun.left + 7, sun.top + 7), -1);
}

TEST_F(GlyphTaps, TheLowerBodyIdWinsWhereBoxesMeet) {
  wheel_test::ResetDisplayFlags();
  BodyTable[Venus].glyphX = 20;
  BodyTable[Venus].glyphY = 20;
  BodyTable[Mars].glyphX = 24;
  BodyTable[Mars].glyphY = 24;
  for (int body = 0; body < BodyCount; ++body) {
    if (body != Venus && body != Mars) BodyTable[body].drawnInWheel = 0;
  }
  const int x = Centre.x - 84 + 26;
  const int y = Centre.y - 84 + 27;
  EXPECT_EQ(WheelHitTest(x, y), Venus);
  BodyTable[Venus].drawnInWheel = 0;
  EXPECT_EQ(WheelHitTest(x, y), Mars);
}

}  // namespace
}  // namespace orrery
