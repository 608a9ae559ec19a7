// Dialog units to pixels as the dialogs of 8-point MS Sans Serif measure them:
// x times 6/4 and y times 13/8, rounded half away from zero.
#pragma once

namespace artgen {

constexpr int DuX(int du) { return (du * 6 + 2) / 4; }
constexpr int DuY(int du) { return (du * 13 + 4) / 8; }

struct PixelRect {
  int x, y, w, h;
};
// A rectangle given in dialog units, in pixels.
constexpr PixelRect DuRect(int x, int y, int w, int h) {
  return {DuX(x), DuY(y), DuX(x + w) - DuX(x), DuY(y + h) - DuY(y)};
}

}  // namespace artgen
