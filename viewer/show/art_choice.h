// Which picture the viewer takes for each art setting: resource numbers in
// the art libraries and in the program's own resources.
#pragma once

#include <cstdint>

// The program's own pictures.
constexpr int16_t kOwnWhitePieces = 119;  // 288 x 100, cream
constexpr int16_t kOwnBlackPieces = 124;  // 288 x 100, red
constexpr int16_t kOwnBlank = 152;        // 800 x 600, black
constexpr int16_t kOwnBoard = 157;        // 480 x 480
constexpr int16_t kOwnHighlights = 159;   // 450 x 100, two rows of nine frames
constexpr int16_t kOwnFont = 161;         // 512 x 168 glyph sheet
constexpr int16_t kOwnBackdrop = 190;     // 800 x 600
constexpr int16_t kOwnConsole = 203;      // 800 x 600
constexpr int16_t kOwnTurnLamps = 204;    // 60 x 30
constexpr int16_t kOwnResultLamps = 225;  // 108 x 25

// Backdrop index 0 shows the program's own black picture, not a library one.
struct BackdropChoice {
  bool ownPicture;
  int16_t id;
};
BackdropChoice BackdropPicture(uint8_t backdropIndex);

// Pictures of the consoles library.
int16_t ConsoleLibraryPicture(uint8_t consolePicture);
constexpr int16_t kConsoleOverlayPicture = 178;
bool ConsoleStyleHasOverlay(uint8_t consoleStyle);
int16_t ResultLampLibraryPicture(uint8_t consoleStyle);
int16_t FontLibraryPicture(uint8_t consoleStyle);

// Pictures of the boards library.
int16_t BoardLibraryPicture(uint8_t boardIndex);

// Piece strip of the pieces library for a piece-set index.
int16_t PieceStripLibraryPicture(int8_t pieceSet);
// The program's own shadow strip that goes with a piece-set index.
int16_t ShadowStripPicture(int8_t pieceSet);
