// The places on the 800 x 600 screen that the viewer draws into over the
// console: text windows, lamps, trays, and the board area that stays open.
#pragma once

namespace artgen {

struct Place {
  int x, y, w, h;
};

constexpr Place kBlackName{67, 17, 29 * 16, 24};
constexpr Place kWhiteName{67, 557, 29 * 16, 24};
constexpr Place kTopResultLamp{549, 17, 36, 25};
constexpr Place kBottomResultLamp{549, 557, 36, 25};
constexpr Place kMoveNumber{614, 244, 3 * 16, 24};
constexpr Place kPlyText{674, 244, 7 * 16, 24};
constexpr Place kGameNumber{566, 302, 5 * 16, 24};
constexpr Place kGameCount{698, 302, 5 * 16, 24};
constexpr Place kTicker{559, 336, 14 * 16, 24};
constexpr Place kTopTurnLamp{656, 206, 30, 30};
constexpr Place kBottomTurnLamp{656, 359, 30, 30};
// Where captured pieces stand (their sprites reach higher, with empty tops).
constexpr Place kTopTray{546, 48, 248, 154};
constexpr Place kBottomTray{546, 392, 248, 148};
constexpr Place kBoardArea{60, 60, 480, 480};

constexpr Place kTextPlaces[7] = {kBlackName, kWhiteName, kMoveNumber, kPlyText, kGameNumber, kGameCount, kTicker};

}  // namespace artgen
