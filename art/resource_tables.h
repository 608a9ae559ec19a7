// Which resource a setting's value chooses: backdrop, board, piece set,
// console and console style to library pictures and their thumbnails, piece
// set to the viewer's shadow strip, digit to the configurator's counter
// picture. Values are taken as ints, so a signed settings byte (-128..127)
// and an unsigned one (0..255) both find their picture; every value outside
// a table gets the "other" picture of its kind.
#pragma once

#include <cstdint>

#include "art/resource_catalog.h"

namespace resource_catalog {

// Backdrop index 1..14.
constexpr int16_t kBackdropPictures[14] = {IDB_BACKDROP_1,  IDB_BACKDROP_2,  IDB_BACKDROP_3,  IDB_BACKDROP_4,
                                           IDB_BACKDROP_5,  IDB_BACKDROP_6,  IDB_BACKDROP_7,  IDB_BACKDROP_8,
                                           IDB_BACKDROP_9,  IDB_BACKDROP_10, IDB_BACKDROP_11, IDB_BACKDROP_12,
                                           IDB_BACKDROP_13, IDB_BACKDROP_14};
constexpr int kBackdropCount = 14;

// Board index 1..15.
constexpr int16_t kBoardPictures[15] = {IDB_BOARD_1,  IDB_BOARD_2,  IDB_BOARD_3,  IDB_BOARD_4,  IDB_BOARD_5,
                                        IDB_BOARD_6,  IDB_BOARD_7,  IDB_BOARD_8,  IDB_BOARD_9,  IDB_BOARD_10,
                                        IDB_BOARD_11, IDB_BOARD_12, IDB_BOARD_13, IDB_BOARD_14, IDB_BOARD_15};
constexpr int kBoardCount = 15;

// Piece set 1..42; set 10 shares the strip of set 0 and of any other set.
constexpr int16_t kPieceStrips[42] = {
    IDB_PIECE_SET_1,  IDB_PIECE_SET_2,  IDB_PIECE_SET_3,  IDB_PIECE_SET_4,     IDB_PIECE_SET_5,  IDB_PIECE_SET_6,
    IDB_PIECE_SET_7,  IDB_PIECE_SET_8,  IDB_PIECE_SET_9,  IDB_PIECE_SET_OTHER, IDB_PIECE_SET_11, IDB_PIECE_SET_12,
    IDB_PIECE_SET_13, IDB_PIECE_SET_14, IDB_PIECE_SET_15, IDB_PIECE_SET_16,    IDB_PIECE_SET_17, IDB_PIECE_SET_18,
    IDB_PIECE_SET_19, IDB_PIECE_SET_20, IDB_PIECE_SET_21, IDB_PIECE_SET_22,    IDB_PIECE_SET_23, IDB_PIECE_SET_24,
    IDB_PIECE_SET_25, IDB_PIECE_SET_26, IDB_PIECE_SET_27, IDB_PIECE_SET_28,    IDB_PIECE_SET_29, IDB_PIECE_SET_30,
    IDB_PIECE_SET_31, IDB_PIECE_SET_32, IDB_PIECE_SET_33, IDB_PIECE_SET_34,    IDB_PIECE_SET_35, IDB_PIECE_SET_36,
    IDB_PIECE_SET_37, IDB_PIECE_SET_38, IDB_PIECE_SET_39, IDB_PIECE_SET_40,    IDB_PIECE_SET_41, IDB_PIECE_SET_42};
constexpr int kPieceSetCount = 42;
// The piece set whose strip is the "other" one.
constexpr int kPieceSetSharingOther = 10;
// Piece sets 1..41 have a preview strip of their own.
constexpr int kPiecePreviewCount = 41;

// Console index 1..15.
constexpr int16_t kConsolePictures[15] = {IDB_CONSOLE_1,  IDB_CONSOLE_2,  IDB_CONSOLE_3,  IDB_CONSOLE_4,
                                          IDB_CONSOLE_5,  IDB_CONSOLE_6,  IDB_CONSOLE_7,  IDB_CONSOLE_8,
                                          IDB_CONSOLE_9,  IDB_CONSOLE_10, IDB_CONSOLE_11, IDB_CONSOLE_12,
                                          IDB_CONSOLE_13, IDB_CONSOLE_14, IDB_CONSOLE_15};
constexpr int kConsoleCount = 15;
// Console indices 0..9 and 10..14 have thumbnails; see IDB_CONSOLE_THUMB_BASE.
constexpr int kFirstLateConsoleThumb = 10;
constexpr int kConsoleThumbCount = 15;

// Console styles 0..17 are offered; the glyph sheet of style 17 is the "other" one.
constexpr int kConsoleStyleCount = 18;
constexpr int16_t kConsoleFonts[17] = {IDB_FONT_0,  IDB_FONT_1,  IDB_FONT_2,  IDB_FONT_3,  IDB_FONT_4,  IDB_FONT_5,
                                       IDB_FONT_6,  IDB_FONT_7,  IDB_FONT_8,  IDB_FONT_9,  IDB_FONT_10, IDB_FONT_11,
                                       IDB_FONT_12, IDB_FONT_13, IDB_FONT_14, IDB_FONT_15, IDB_FONT_16};

// Console styles k and k + 9 share a colour (0..8) for their result lamps and
// colour tile; colour 8 is also that of every style outside 0..16.
constexpr int kStyleColourCount = 9;
constexpr int kOtherStyleColour = 8;
constexpr int16_t kResultLampStrips[9] = {IDB_RESULT_LAMPS_0, IDB_RESULT_LAMPS_1, IDB_RESULT_LAMPS_2,
                                          IDB_RESULT_LAMPS_3, IDB_RESULT_LAMPS_4, IDB_RESULT_LAMPS_5,
                                          IDB_RESULT_LAMPS_6, IDB_RESULT_LAMPS_7, IDB_RESULT_LAMPS_OTHER};

constexpr int ConsoleStyleColour(int style) {
  return style >= 0 && style <= 16 ? style % kStyleColourCount : kOtherStyleColour;
}

// Library pictures of the viewer's scene.
constexpr int16_t BackdropFor(int index) {
  return index >= 1 && index <= kBackdropCount ? kBackdropPictures[index - 1] : IDB_BACKDROP_OTHER;
}
constexpr int16_t BoardFor(int index) {
  return index >= 1 && index <= kBoardCount ? kBoardPictures[index - 1] : IDB_BOARD_OTHER;
}
constexpr int16_t PieceStripFor(int set) {
  return set >= 1 && set <= kPieceSetCount ? kPieceStrips[set - 1] : IDB_PIECE_SET_OTHER;
}
constexpr int16_t ConsoleFor(int index) {
  return index >= 1 && index <= kConsoleCount ? kConsolePictures[index - 1] : IDB_CONSOLE_OTHER;
}
constexpr int16_t ConsoleFontFor(int style) {
  return style >= 0 && style <= 16 ? kConsoleFonts[style] : IDB_FONT_OTHER;
}
constexpr int16_t ResultLampsFor(int style) { return kResultLampStrips[ConsoleStyleColour(style)]; }

// The viewer's own shadow strip for a piece set: the shadow of its family of shapes.
constexpr int16_t ShadowStripFor(int set) {
  if (set == 29 || set == 42) return IDB_VIEWER_SHADOWS_MODERN;
  if (set >= 30 && set <= 35) return IDB_VIEWER_SHADOWS_SYMBOLS;
  if (set >= 36 && set <= 41) return IDB_VIEWER_SHADOWS_OUTLINES;
  return IDB_VIEWER_SHADOWS_TURNED;
}

// Library pictures of the configurator's miniature. A backdrop index of 0 or
// below has no thumbnail (0): the miniature stays black there.
constexpr int16_t BackdropThumbnailFor(int index) {
  if (index <= 0) return 0;
  return index <= kBackdropCount ? IDB_BACKDROP_THUMB_BASE + index : IDB_BACKDROP_THUMB_OTHER;
}
constexpr int16_t BoardThumbnailFor(int index) {
  return index >= 0 && index < kBoardCount ? IDB_BOARD_THUMB_BASE + index : IDB_BOARD_THUMB_OTHER;
}
constexpr int16_t ConsoleThumbnailFor(int index) {
  if (index >= 0 && index < kFirstLateConsoleThumb) return IDB_CONSOLE_THUMB_BASE + index;
  if (index >= kFirstLateConsoleThumb && index < kConsoleThumbCount) return IDB_CONSOLE_THUMB_LATE_BASE + index;
  return IDB_CONSOLE_THUMB_OTHER;
}
constexpr int16_t PiecePreviewFor(int set) {
  return set >= 1 && set <= kPiecePreviewCount ? IDB_PIECE_PREVIEW_BASE + set : IDB_PIECE_PREVIEW_OTHER;
}
constexpr int16_t StyleTileFor(int style) {
  const int colour = ConsoleStyleColour(style);
  return colour == kOtherStyleColour ? IDB_STYLE_TILE_OTHER : IDB_STYLE_TILE_BASE + colour;
}

// The configurator's picture of one digit 0..9 of the layout counter.
constexpr int16_t CounterDigitFor(int digit) { return digit == 9 ? IDB_DIGIT_NINE : IDB_DIGIT_ZERO + digit; }

}  // namespace resource_catalog
