// Resource identifiers of every picture and sound, by the index that selects
// them in the programs (backdrop, board, piece set, console, console style).
#pragma once

namespace artgen {

// Backdrop index 1..14, then the picture of any other index.
constexpr int kBackdropIds[14] = {112, 148, 179, 180, 190, 189, 191, 187, 186, 185, 184, 182, 181, 188};
constexpr int kBackdropOtherId = 206;
constexpr int kBackdropThumbFirst = 511;  // 510 + index, 525 for 15 and above
constexpr int kBackdropPickerId = 309;
constexpr int kBackdropLibraryBoardId = 199;

// Board index 1..15, then index 0 and any other.
constexpr int kBoardIds[15] = {154, 151, 153, 157, 156, 158, 160, 196, 195, 197, 198, 200, 199, 201, 205};
constexpr int kBoardOtherId = 142;
constexpr int kBoardThumbFirst = 543;  // 543 + index for 0..14, 558 otherwise
constexpr int kBoardPickerId = 307;

// Piece set 1..42 (set 10 shares the picture of set 0 and any other set).
constexpr int kPieceIds[42] = {120, 119, 122, 123, 124, 117, 116, 118, 115, 121, 232, 237, 234, 235,
                               236, 233, 231, 243, 239, 240, 241, 242, 238, 247, 246, 245, 244, 248,
                               249, 254, 256, 253, 252, 255, 251, 261, 262, 260, 259, 258, 257, 250};
constexpr int kPiecePreviewFirst = 559;  // 558 + set for 1..41, 600 otherwise
constexpr int kPiecePreviewOther = 600;
constexpr int kPiecePickerId = 306;

// Console index 1..15, then index 0 and any other.
constexpr int kConsoleIds[15] = {149, 203, 219, 218, 216, 215, 214, 213, 212, 208, 211, 210, 209, 207, 221};
constexpr int kConsoleOtherId = 143;
constexpr int kConsoleFrameOverlayId = 178;  // extra overlay of console styles 8 and 17
constexpr int kConsolePickerId = 308;
constexpr int kConsoleStylePickerId = 310;

// Console style 0..17: glyph sheet; result lamps and colour tiles by style mod 9.
constexpr int kFontIds[18] = {155, 173, 176, 161, 171, 170, 174, 175, 172, 167, 165, 169, 164, 163, 162, 166, 168, 177};
constexpr int kLampIds[9] = {222, 230, 224, 225, 226, 227, 228, 229, 223};
constexpr int kStyleTileFirst = 601;

// Console thumbnail identifier for console index v (536 is never used).
constexpr int ConsoleThumbId(int v) { return v >= 0 && v <= 9 ? 526 + v : v >= 10 && v <= 14 ? 527 + v : 542; }
// Board, backdrop and piece thumbnail identifiers.
constexpr int BoardThumbId(int v) { return v >= 0 && v <= 14 ? 543 + v : 558; }
constexpr int BackdropThumbId(int v) { return v >= 1 && v <= 14 ? 510 + v : 525; }
constexpr int PiecePreviewId(int set) { return set >= 1 && set <= 41 ? 558 + set : 600; }

}  // namespace artgen
