// Picture choice of the miniature, looked up in the resource catalog's tables.
#include "configurator/preview_pictures.h"

#include "art/resource_tables.h"

namespace catalog = resource_catalog;

int BackdropThumbnailId(signed char value) { return catalog::BackdropThumbnailFor(value); }

int ConsoleThumbnailId(signed char value) { return catalog::ConsoleThumbnailFor(value); }

int BoardThumbnailId(signed char value) { return catalog::BoardThumbnailFor(value); }

int PieceStripId(signed char value) { return catalog::PiecePreviewFor(value); }

int ConsoleStyleTileId(signed char value) { return catalog::StyleTileFor(value); }
