// Loading and freeing the viewer's art libraries.
#include "viewer/show/art_libraries.h"

#include "art/resource_catalog.h"

namespace {

void FreeArtLibrary(HMODULE& library) {
  if (library != nullptr) FreeLibrary(library);
  library = nullptr;
}

}  // namespace

void ArtLibraries::Load() {
  boardsLibrary = LoadLibraryA(resource_catalog::kBoardsLibraryFile);
  piecesLibrary = LoadLibraryA(resource_catalog::kPiecesLibraryFile);
  consolesLibrary = LoadLibraryA(resource_catalog::kConsolesLibraryFile);
  backdropsLibrary = LoadLibraryA(resource_catalog::kBackdropsLibraryFile);
}

void ArtLibraries::Release() {
  FreeArtLibrary(piecesLibrary);
  FreeArtLibrary(consolesLibrary);
  FreeArtLibrary(boardsLibrary);
  FreeArtLibrary(backdropsLibrary);
}
