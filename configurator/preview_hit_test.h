// The part of the miniature under the pointer. A part can only be found when
// the art library that holds its pictures is loaded.
#pragma once

struct LoadedLibraries {
  bool pieces;
  bool boards;
  bool backdrops;
  bool consoles;
};

// The part (ConfigDialog::PreviewPart) at canvas point (px, py), 0 for none.
short PreviewPartAt(int px, int py, const LoadedLibraries& libraries);
