// Which picture shows each part of the miniature for an appearance value:
// resource ids in the art libraries, from the resource catalog's tables.
// The program's own stand-ins are IDB_OWN_* of art/resource_catalog.h.
#pragma once

// Backdrop thumbnail; 0 for no picture (values 0 and below show black).
int BackdropThumbnailId(signed char value);
int ConsoleThumbnailId(signed char value);
int BoardThumbnailId(signed char value);
// Preview strip of a piece set (six 10 x 20 cells).
int PieceStripId(signed char value);
// 4 x 5 colour tile of a console style (styles k and k + 9 look alike).
int ConsoleStyleTileId(signed char value);
