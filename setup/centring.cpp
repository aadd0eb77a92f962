#include "setup/centring.h"

namespace orrery {

namespace {

// Widened so that extreme sizes cannot overflow the difference.
int CentredOffset(int screenSize, int windowSize) {
    long long offset = (static_cast<long long>(screenSize) - windowSize) / 2;
    return offset < 0 ? 0 : static_cast<int>(offset);
}

}  // namespace

ScreenPoint CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {CentredOffset(screenWidth, windowWidth), CentredOffset(screenHeight, windowHeight)};
}

}  // namespace orrery
