// When the screensaver's input ends it: any key or click, and a mouse
// movement of more than a few pixels from where the pointer first was (the
// first movement message only says where that is; Windows sends one when a
// window appears under a pointer that did not move).
#pragma once

class ScreensaverPointer {
 public:
  // A movement farther than this from the first position, on either axis, ends the screensaver.
  static constexpr int kStillPixels = 4;

  // The pointer was seen at (x, y): true when it has moved far enough.
  bool MovedFar(int x, int y);

 private:
  bool seen_ = false;
  int firstX_ = 0;
  int firstY_ = 0;
};
