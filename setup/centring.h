// Where a page goes so that it sits in the middle of the screen.
#pragma once

namespace orrery {

struct ScreenPoint {
    int x;
    int y;
};

// Top-left corner that centres a window of the given size on a screen of the given
// size: each half difference rounded toward zero, and raised to 0 when the window is
// larger than the screen so that its title bar stays reachable.
ScreenPoint CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace orrery
