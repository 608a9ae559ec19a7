// Resource numbers of the viewer's pictures by art setting (see art_choice.h),
// looked up in the resource catalog's tables.
#include "viewer/show/art_choice.h"

#include "art/resource_tables.h"

namespace catalog = resource_catalog;

BackdropChoice BackdropPicture(uint8_t backdropIndex) {
  if (backdropIndex == 0) return {true, kOwnBlank};
  return {false, catalog::BackdropFor(backdropIndex)};
}

int16_t ConsoleLibraryPicture(uint8_t consolePicture) { return catalog::ConsoleFor(consolePicture); }

bool ConsoleStyleHasOverlay(uint8_t consoleStyle) { return consoleStyle == 8 || consoleStyle == 17; }

int16_t ResultLampLibraryPicture(uint8_t consoleStyle) { return catalog::ResultLampsFor(consoleStyle); }

int16_t FontLibraryPicture(uint8_t consoleStyle) { return catalog::ConsoleFontFor(consoleStyle); }

int16_t BoardLibraryPicture(uint8_t boardIndex) { return catalog::BoardFor(boardIndex); }

int16_t PieceStripLibraryPicture(int8_t pieceSet) { return catalog::PieceStripFor(pieceSet); }

int16_t ShadowStripPicture(int8_t pieceSet) { return catalog::ShadowStripFor(pieceSet); }
