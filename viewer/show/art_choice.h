// Which picture the viewer takes for each art setting: resource numbers in
// the art libraries and in the program's own resources, all from the
// resource catalog (art/resource_catalog.h, art/resource_tables.h).
#pragma once

#include <cstdint>

#include "art/resource_catalog.h"

// The program's own pictures.
constexpr int16_t kOwnWhitePieces = IDB_VIEWER_WHITE_PIECES;
constexpr int16_t kOwnBlackPieces = IDB_VIEWER_BLACK_PIECES;
constexpr int16_t kOwnBlank = IDB_VIEWER_BLANK;
constexpr int16_t kOwnBoard = IDB_VIEWER_BOARD;
constexpr int16_t kOwnHighlights = IDB_VIEWER_HIGHLIGHTS;
constexpr int16_t kOwnFont = IDB_VIEWER_FONT;
constexpr int16_t kOwnBackdrop = IDB_VIEWER_BACKDROP;
constexpr int16_t kOwnConsole = IDB_VIEWER_CONSOLE;
constexpr int16_t kOwnTurnLamps = IDB_VIEWER_TURN_LAMPS;
constexpr int16_t kOwnResultLamps = IDB_VIEWER_RESULT_LAMPS;

// Backdrop index 0 shows the program's own black picture, not a library one.
struct BackdropChoice {
  bool ownPicture;
  int16_t id;
};
BackdropChoice BackdropPicture(uint8_t backdropIndex);

// Pictures of the consoles library.
int16_t ConsoleLibraryPicture(uint8_t consolePicture);
constexpr int16_t kConsoleOverlayPicture = IDB_CONSOLE_OVERLAY;
bool ConsoleStyleHasOverlay(uint8_t consoleStyle);
int16_t ResultLampLibraryPicture(uint8_t consoleStyle);
int16_t FontLibraryPicture(uint8_t consoleStyle);

// Pictures of the boards library.
int16_t BoardLibraryPicture(uint8_t boardIndex);

// Piece strip of the pieces library for a piece-set index.
int16_t PieceStripLibraryPicture(int8_t pieceSet);
// The program's own shadow strip that goes with a piece-set index.
int16_t ShadowStripPicture(int8_t pieceSet);
