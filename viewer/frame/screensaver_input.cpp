// The screensaver's pointer rule.
#include "viewer/frame/screensaver_input.h"

#include <cstdlib>

bool ScreensaverPointer::MovedFar(int x, int y) {
  if (!seen_) {
    seen_ = true;
    firstX_ = x;
    firstY_ = y;
    return false;
  }
  return std::abs(x - firstX_) > kStillPixels || std::abs(y - firstY_) > kStillPixels;
}
