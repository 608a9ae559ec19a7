// Loading and freeing the viewer's art libraries.
#include "viewer/show/art_libraries.h"

namespace {

void FreeArtLibrary(HMODULE& library) {
  if (library != nullptr) FreeLibrary(library);
  library = nullptr;
}

}  // namespace

void ArtLibraries::Load() {
  boardsLibrary = LoadLibraryA("Tarnwicket_Checkerlib.dll");
  piecesLibrary = LoadLibraryA("Tarnwicket_Figurinelib.dll");
  consolesLibrary = LoadLibraryA("Tarnwicket_Dashlib.dll");
  backdropsLibrary = LoadLibraryA("Tarnwicket_Backdroplib.dll");
}

void ArtLibraries::Release() {
  FreeArtLibrary(piecesLibrary);
  FreeArtLibrary(consolesLibrary);
  FreeArtLibrary(boardsLibrary);
  FreeArtLibrary(backdropsLibrary);
}
