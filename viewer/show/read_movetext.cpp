// GameIndex::ReadMovetext: reads the movetext of one game into the two ply
// lists.
#include <algorithm>
#include <cstring>

#include "viewer/show/game_index.h"

bool GameIndex::ReadMovetext() {
  const int capacity = static_cast<int>(std::min(plies_.plyList.size(), plies_.plyDisplayList.size()));
  int slot = 0;
  plies_.loadedPlies = 0;
  bool anyToken = false;
  for (;;) {
    const PgnReader::TokenEnd end = gameFile_.ReadPlyToken(token_);
    anyToken = anyToken || end == PgnReader::TokenEnd::kToken;
    if (end != PgnReader::TokenEnd::kToken) {
      // The game ends without a result token: its last slot ends it all the same.
      if (end == PgnReader::TokenEnd::kEndOfFile) endOfFile_ = 1;
      std::strcpy(token_, "*");
    }
    // A game longer than the lists keeps its first plies and its end.
    const bool last = ChessState::IsResultToken(token_);
    if (last) SkipAfterResult();
    if (capacity > 0 && (slot < capacity - 1 || last)) {
      const int index = slot < capacity ? slot : capacity - 1;
      std::memcpy(plies_.plyList[index].text, token_, sizeof token_);
      std::memcpy(plies_.plyDisplayList[index].text, token_, sizeof token_);
      plies_.loadedPlies = static_cast<int16_t>(index + 1);
    }
    if (last) return anyToken;
    if (slot < capacity) ++slot;
  }
}
