// Picture choice of the miniature.
#include "configurator/preview_pictures.h"

int BackdropThumbnailId(signed char value) {
  if (value <= 0) return 0;
  if (value >= 15) return 525;
  return 510 + value;
}

int ConsoleThumbnailId(signed char value) {
  if (value >= 0 && value <= 9) return 526 + value;
  if (value >= 10 && value <= 14) return 527 + value;
  return 542;
}

int BoardThumbnailId(signed char value) {
  if (value >= 0 && value <= 14) return 543 + value;
  return 558;
}

int PieceStripId(signed char value) {
  if (value >= 1 && value <= 41) return 558 + value;
  return 600;
}

int ConsoleStyleTileId(signed char value) {
  if (value >= 0 && value <= 7) return 601 + value;
  if (value >= 9 && value <= 16) return 601 + value - 9;
  return 609;
}
