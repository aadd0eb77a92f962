// Screenshots of the wheel compared pixel for pixel with tests/data/wheel/:
// the five sample charts with no aspect button checked and with
// Conjunction, Square and Trine checked, and the body pop-up of the Sun in
// both angle modes.
#include <gtest/gtest.h>

#include <string>

#include "chart/aspects.h"
#include "shell/shell_ids.h"
#include "shell/wheel/body_popup.h"
#include "tests/wheel/wheel_screen.h"

namespace orrery {
namespace {

using wheel_test::ExpectMatchesWheelGolden;
using wheel_test::WheelScreen;

class WheelGolden : public ::testing::TestWithParam<int> {};

TEST_P(WheelGolden, WithoutAndWithAspectLines) {
  const int sample = GetParam();
  WheelScreen screen(sample);
  const std::string name = "sample" + std::to_string(sample) + "-wheel";
  ExpectMatchesWheelGolden(screen.Screen(), name);
  for (int aspect : {Conjunction, Square, Trine}) screen.TapAspectButton(aspect);
  ExpectMatchesWheelGolden(screen.Screen(), name + "-conjunction-square-trine");
}

INSTANTIATE_TEST_SUITE_P(Samples, WheelGolden, ::testing::Range(0, 5));

TEST(WheelGoldenPopup, TheSunInBothAngleModes) {
  WheelScreen screen(0);
  screen.TapBody(Sun);
  ASSERT_TRUE(TheBodyPopup() && TheBodyPopup()->Shown());
  ExpectMatchesWheelGolden(screen.Screen(), "sample0-sun-popup-zodiac");
  // A tap in the pop-up closes it; then modulus angles and the Sun again.
  const platform::Rect popup = TheBodyPopup()->ScreenRect();
  screen.Tap({(popup.left + popup.right) / 2, (popup.top + popup.bottom) / 2});
  ASSERT_FALSE(TheBodyPopup()->Shown());
  screen.Command(CmdModulusAngles);
  screen.TapBody(Sun);
  ASSERT_TRUE(TheBodyPopup()->Shown());
  ExpectMatchesWheelGolden(screen.Screen(), "sample0-sun-popup-modulus");
}

}  // namespace
}  // namespace orrery
