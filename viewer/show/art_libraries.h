// The four art libraries the viewer loads by file name at start-up; a
// handle is null while its library is missing (the viewer's own pictures
// stand in, see art_choice.h).
#pragma once

#include "platform/win32.h"

struct ArtLibraries {
  HMODULE boardsLibrary = nullptr;
  HMODULE piecesLibrary = nullptr;
  HMODULE consolesLibrary = nullptr;
  HMODULE backdropsLibrary = nullptr;

  void Load();
  // Frees each loaded library once: pieces, consoles, boards, backdrops.
  void Release();
};
