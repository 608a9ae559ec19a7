// The loaded game's plies as text: one 100-byte slot per ply (at most 99
// characters and a terminating zero), ply k of the game in slot k, White's
// ply of move m in slot 2(m - 1) and Black's in slot 2m - 1. The game
// library fills them when it loads a game; the play bookkeeping fetches
// from them ply by ply.
#pragma once

#include <cstdint>
#include <vector>

struct PlySlot {
  char text[100];
};

struct PlyLists {
  std::vector<PlySlot> plyList;         // the plies, with their marks
  std::vector<PlySlot> plyDisplayList;  // the same, as the console shows them
  int16_t loadedPlies = 0;              // slots the loaded game filled

  // Sizes both lists to `slots` zeroed slots, none filled.
  void Allocate(int slots);
  void Release();
  // Copies slot `index` of both lists; a slot past the loaded game reads as "*".
  void Fetch(int index, char (&text)[100], char (&displayText)[100]) const;
  // The same, for the ply list alone.
  void FetchText(int index, char (&text)[100]) const;
};
