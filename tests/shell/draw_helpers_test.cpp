// The drawing helpers: text shortening, pattern lines, angle formats,
// section headings and window centring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/numbers.h"
#include "shell/draw_helpers.h"
#include "shell/platform/desktop.h"
#include "shell/shell_drawing.h"

namespace orrery {
namespace {

using platform::DrawContext;
using platform::Font;
using platform::Surface;
using platform::Typeface;

constexpr platform::Colour Ink = platform::Rgb(200, 10, 10);

int Width(const DrawContext& dc, const std::u16string& text) { return dc.TextExtent(text).width; }

class FitTextTest : public ::testing::Test {
 protected:
  Surface surface{8, 8};
  DrawContext dc{surface};
  void SetUp() override { dc.SelectFont(Font::FromPoints(Typeface::Tahoma, 11)); }
};

TEST_F(FitTextTest, ATextThatFitsIsLeftAlone) {
  std::u16string text = u"Brussels";
  FitTextWithEllipsis(dc, text, Width(dc, text));
  EXPECT_EQ(text, u"Brussels");
  std::u16string empty;
  FitTextWithEllipsis(dc, empty, 0);
  EXPECT_EQ(empty, u"");
}

TEST_F(FitTextTest, ALongTextKeepsTheLongestHeadThatFitsWithDots) {
  const std::u16string original = u"Rîmnicu-Vîlcea in the county of Vâlcea";
  for (int maxWidth : {40, 61, 100, 150}) {
    std::u16string text = original;
    FitTextWithEllipsis(dc, text, maxWidth);
    ASSERT_GE(text.size(), 3u);
    const size_t head = text.size() - 3;
    EXPECT_EQ(text.substr(head), u"...");
    EXPECT_EQ(text.substr(0, head), original.substr(0, head));
    EXPECT_LE(Width(dc, text), maxWidth);
    // One character more before the dots would not fit.
    EXPECT_GT(Width(dc, original.substr(0, head + 1) + u"..."), maxWidth) << maxWidth;
  }
}

TEST_F(FitTextTest, AShortTextThatDoesNotFitBecomesDotsAndThenFewer) {
  const int oneDot = Width(dc, u".");
  const int twoDots = Width(dc, u"..");
  ASSERT_LT(Width(dc, u"..."), Width(dc, u"Ulm"));
  std::u16string text = u"Ulm";
  FitTextWithEllipsis(dc, text, Width(dc, u"Ulm") - 1);
  EXPECT_EQ(text, u"...");
  text = u"Ulm";
  FitTextWithEllipsis(dc, text, twoDots);
  EXPECT_EQ(text, u"..");
  text = u"Ulm";
  FitTextWithEllipsis(dc, text, oneDot);
  EXPECT_EQ(text, u".");
  text = u"Ab";
  FitTextWithEllipsis(dc, text, 0);
  EXPECT_EQ(text, u"");
}

// The x (or y) of every inked pixel along a row (or column).
std::vector<int> InkedAlongRow(const Surface& s, int y) {
  std::vector<int> xs;
  for (int x = 0; x < s.Width(); ++x) {
    if (s.Pixel(x, y) == Ink) xs.push_back(x);
  }
  return xs;
}

int InkCount(const Surface& s) {
  int n = 0;
  for (uint32_t w : s.Words()) n += platform::Colour::FromPacked(w) == Ink;
  return n;
}

TEST(DrawPatternLine, DottedSetsEveryThirdPixelStartingWithTheFirst) {
  Surface s(20, 3);
  DrawContext dc(s);
  DrawPatternLine(dc, 2, 1, 12, 1, Ink, PatternDotted);  // 11 steps
  EXPECT_EQ(InkedAlongRow(s, 1), (std::vector<int>{2, 5, 8, 11}));
  EXPECT_EQ(InkCount(s), 4);
}

TEST(DrawPatternLine, DashedIsFiveOnThreeOff) {
  Surface s(30, 3);
  DrawContext dc(s);
  DrawPatternLine(dc, 0, 1, 20, 1, Ink, PatternDashed);
  EXPECT_EQ(InkedAlongRow(s, 1),
            (std::vector<int>{0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20}));
}

TEST(DrawPatternLine, StyleZeroDrawsNothingAndOtherStylesAreSolid) {
  Surface s(30, 30);
  DrawContext dc(s);
  DrawPatternLine(dc, 0, 0, 20, 20, Ink, PatternNone);
  EXPECT_EQ(InkCount(s), 0);
  DrawPatternLine(dc, 25, 0, 25, 9, Ink, 7);
  EXPECT_EQ(InkCount(s), 10);
  for (int y = 0; y <= 9; ++y) EXPECT_EQ(s.Pixel(25, y), Ink) << y;
}

TEST(DrawPatternLine, SlopedLinesIncludeBothEndsInEitherDirection) {
  for (bool reversed : {false, true}) {
    Surface s(40, 40);
    DrawContext dc(s);
    if (reversed) {
      DrawPatternLine(dc, 30, 17, 3, 5, Ink, PatternSolid);
    } else {
      DrawPatternLine(dc, 3, 5, 30, 17, Ink, PatternSolid);
    }
    EXPECT_EQ(s.Pixel(3, 5), Ink);
    EXPECT_EQ(s.Pixel(30, 17), Ink);
    EXPECT_EQ(InkCount(s), 28);  // one pixel per column of the longer axis
    for (int x = 3; x <= 30; ++x) {
      int inColumn = 0, y = 0;
      for (int row = 0; row < 40; ++row) {
        if (s.Pixel(x, row) == Ink) ++inColumn, y = row;
      }
      EXPECT_EQ(inColumn, 1);
      // Never more than half a pixel off the ideal line.
      const double ideal = 5.0 + (x - 3) * 12.0 / 27.0;
      EXPECT_LE(std::abs(y - ideal), 0.5 + 1e-9) << x;
    }
  }
}

TEST(DrawPatternLine, SteepLinesStepAlongY) {
  Surface s(20, 40);
  DrawContext dc(s);
  DrawPatternLine(dc, 2, 1, 7, 31, Ink, PatternDotted);  // 31 steps along y
  EXPECT_EQ(InkCount(s), 11);
  EXPECT_EQ(s.Pixel(2, 1), Ink);
  EXPECT_EQ(s.Pixel(7, 31), Ink);
}

std::u16string Text(unsigned flags, double degrees) {
  return FormatAngle(flags, degrees * DegToRad).text;
}

constexpr unsigned DegMinSigns = AngleDegrees | AngleMinutes | AngleDegreeSign | AngleMinuteSign;
constexpr unsigned AllSigns = DegMinSigns | AngleSeconds | AngleSecondSign;

TEST(FormatAngle, ZodiacModeShowsDegreesWithinTheSignRightAligned) {
  const FormattedAngle a = FormatAngle(DegMinSigns | AngleZodiac, 29.99 * DegToRad);
  EXPECT_EQ(a.text, u" 29\u00b059'");
  EXPECT_EQ(a.sign, 1);
  EXPECT_TRUE(a.rightAligned);
  const FormattedAngle leo = FormatAngle(DegMinSigns | AngleZodiac, (120 + 18 + 21.0 / 60) * DegToRad);
  EXPECT_EQ(leo.text, u" 18\u00b021'");
  EXPECT_EQ(leo.sign, 5);
  const FormattedAngle pisces = FormatAngle(DegMinSigns | AngleZodiac, 359.5 * DegToRad);
  EXPECT_EQ(pisces.text, u" 29\u00b030'");
  EXPECT_EQ(pisces.sign, 12);
}

TEST(FormatAngle, RoundingCarriesIntoDegreesButNeverIntoTheNextSign) {
  // 29 degrees 59 minutes 45 seconds of Taurus.
  const FormattedAngle a = FormatAngle(DegMinSigns | AngleZodiac, (59 + 59.75 / 60) * DegToRad);
  EXPECT_EQ(a.text, u" 30\u00b000'");
  EXPECT_EQ(a.sign, 2);
  EXPECT_EQ(Text(DegMinSigns, 359.9999), u"360\u00b000'");
  EXPECT_EQ(Text(DegMinSigns, 10 + 29.9 / 3600), u" 10\u00b000'");
  EXPECT_EQ(Text(DegMinSigns, 10 + 30.1 / 3600), u" 10\u00b001'");
}

TEST(FormatAngle, ModulusModeShowsAFullTurnAs360) {
  EXPECT_EQ(Text(DegMinSigns, 360.0), u"360\u00b000'");
  EXPECT_FALSE(FormatAngle(DegMinSigns, TwoPi).rightAligned);
  EXPECT_TRUE(FormatAngle(DegMinSigns | AngleRight, TwoPi).rightAligned);
  // In zodiac mode a full turn is the start of Aries.
  const FormattedAngle z = FormatAngle(DegMinSigns | AngleZodiac, TwoPi);
  EXPECT_EQ(z.text, u"  0\u00b000'");
  EXPECT_EQ(z.sign, 1);
}

TEST(FormatAngle, FieldsAndSignsFollowTheirFlags) {
  const double obliquity = 23 + 26 / 60.0 + 21.7 / 3600;
  EXPECT_EQ(Text(AllSigns, obliquity), u" 23\u00b026'21''");
  EXPECT_EQ(Text(AngleDegrees | AngleMinutes | AngleSeconds, obliquity), u" 232621");
  // Without minutes the degrees are not rounded.
  EXPECT_EQ(Text(AngleDegrees, 7.9), u"  7");
  EXPECT_EQ(Text(AngleMinutes | AngleMinuteSign, 7.25), u"15'");
  EXPECT_EQ(Text(0, 7.25), u"");
  EXPECT_EQ(Text(AngleZodiac, 7.25), u"");
}

TEST(FormatAngle, AnglesOutsideOneTurnAreNormalised) {
  EXPECT_EQ(Text(DegMinSigns, -10.5), u"349\u00b030'");
  EXPECT_EQ(Text(DegMinSigns, 730.25), u" 10\u00b015'");
  const FormattedAngle nan = FormatAngle(DegMinSigns | AngleZodiac, std::nan(""));
  EXPECT_GE(nan.sign, 1);
  EXPECT_LE(nan.sign, 12);
}

TEST(DrawAngle, RightAlignedTextEndsAtX) {
  Surface s(200, 40, platform::kWhite);
  DrawContext dc(s);
  dc.SelectFont(Font::FromPoints(Typeface::Tahoma, 11));
  dc.SetBackMode(platform::BackMode::Transparent);
  DrawAngle(dc, DegMinSigns | AngleRight, 123.5 * DegToRad, 150, 30);
  int rightmost = -1, lowest = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (s.Pixel(x, y) != platform::kWhite) rightmost = std::max(rightmost, x), lowest = std::max(lowest, y);
    }
  }
  EXPECT_LT(rightmost, 150);
  EXPECT_GE(rightmost, 145);
  EXPECT_LT(lowest, 30);
}

TEST(DrawSectionHeading, RestoresThePenAndFontOfTheContext) {
  CreateDrawingObjects();
  Surface s(240, 60);
  DrawContext dc(s);
  const Font font = Font::FromPoints(Typeface::Tahoma, 14);
  const platform::Pen pen{Ink};
  dc.SelectFont(font);
  dc.SelectPen(pen);
  for (int style = 0; style <= 4; ++style) {
    DrawSectionHeading(dc, 30, 20, 190, 0, u" Elements", style);
    EXPECT_EQ(dc.CurrentFont(), font);
    EXPECT_EQ(dc.CurrentPen(), pen);
  }
}

TEST(DrawSectionHeading, StyleZeroRulesInGreyUnderTheText) {
  CreateDrawingObjects();
  Surface s(240, 60);
  DrawContext dc(s);
  DrawSectionHeading(dc, 30, 20, 190, 0, u"Aspect", 0);
  // The rule runs from x + 1 up to (not including) x + width - 15.
  EXPECT_EQ(s.Pixel(31, 31), HeadingGrey);
  EXPECT_EQ(s.Pixel(204, 31), HeadingGrey);
  EXPECT_EQ(s.Pixel(205, 31), platform::kWhite);
  EXPECT_EQ(s.Pixel(30, 31), platform::kWhite);
}

TEST(CentreInParent, CentresAChildAndAnOwnedWindow) {
  platform::Desktop desktop;
  platform::Window& main = desktop.Add<platform::Window>(0, platform::kWorkArea);
  platform::Window& child = main.Add<platform::Window>(1, platform::Rect::At(0, 0, 100, 51));
  CentreInParent(child);
  EXPECT_EQ(child.Frame(), platform::Rect::At(70, 121, 100, 51));

  platform::Window& owned = desktop.Add<platform::Window>(2, platform::Rect::At(0, 0, 200, 300));
  owned.SetOwner(&main);
  CentreInParent(owned);
  // Taller than its owner: kept at the owner's top, in screen coordinates.
  EXPECT_EQ(owned.Frame(), platform::Rect::At(20, 26, 200, 300));
}

}  // namespace
}  // namespace orrery
