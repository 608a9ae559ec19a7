// Resource numbers of the viewer's pictures by art setting (see art_choice.h).
#include "viewer/show/art_choice.h"

namespace {

constexpr int16_t kBackdrops[14] = {112, 148, 179, 180, 190, 189, 191, 187, 186, 185, 184, 182, 181, 188};
constexpr int16_t kConsoles[15] = {149, 203, 219, 218, 216, 215, 214, 213, 212, 208, 211, 210, 209, 207, 221};
constexpr int16_t kBoards[15] = {154, 151, 153, 157, 156, 158, 160, 196, 195, 197, 198, 200, 199, 201, 205};
constexpr int16_t kResultLamps[9] = {222, 230, 224, 225, 226, 227, 228, 229, 223};
constexpr int16_t kFonts[17] = {155, 173, 176, 161, 171, 170, 174, 175, 172, 167, 165, 169, 164, 163, 162, 166, 168};
constexpr int16_t kPieceSets1To9[9] = {120, 119, 122, 123, 124, 117, 116, 118, 115};
constexpr int16_t kPieceSets11To42[32] = {232, 237, 234, 235, 236, 233, 231, 243, 239, 240, 241,
                                          242, 238, 247, 246, 245, 244, 248, 249, 254, 256, 253,
                                          252, 255, 251, 261, 262, 260, 259, 258, 257, 250};

}  // namespace

BackdropChoice BackdropPicture(uint8_t backdropIndex) {
  if (backdropIndex == 0) return {true, kOwnBlank};
  if (backdropIndex <= 14) return {false, kBackdrops[backdropIndex - 1]};
  return {false, 206};
}

int16_t ConsoleLibraryPicture(uint8_t consolePicture) {
  if (consolePicture >= 1 && consolePicture <= 15) return kConsoles[consolePicture - 1];
  return 143;
}

bool ConsoleStyleHasOverlay(uint8_t consoleStyle) { return consoleStyle == 8 || consoleStyle == 17; }

int16_t ResultLampLibraryPicture(uint8_t consoleStyle) {
  if (consoleStyle <= 16) return kResultLamps[consoleStyle % 9];
  return 223;
}

int16_t FontLibraryPicture(uint8_t consoleStyle) {
  if (consoleStyle <= 16) return kFonts[consoleStyle];
  return 177;
}

int16_t BoardLibraryPicture(uint8_t boardIndex) {
  if (boardIndex >= 1 && boardIndex <= 15) return kBoards[boardIndex - 1];
  return 142;
}

int16_t PieceStripLibraryPicture(int8_t pieceSet) {
  if (pieceSet >= 1 && pieceSet <= 9) return kPieceSets1To9[pieceSet - 1];
  if (pieceSet >= 11 && pieceSet <= 42) return kPieceSets11To42[pieceSet - 11];
  return 121;
}

int16_t ShadowStripPicture(int8_t pieceSet) {
  if (pieceSet == 29 || pieceSet == 42) return 266;
  if (pieceSet >= 30 && pieceSet <= 35) return 264;
  if (pieceSet >= 36 && pieceSet <= 41) return 263;
  return 265;
}
