// ReadMovetext: reads the movetext of one game into the two ply lists.
#include <algorithm>
#include <cstring>

#include "viewer/chess/chess_state.h"

void ChessState::ReadMovetext() {
  const int capacity = static_cast<int>(std::min(plyList.size(), plyDisplayList.size()));
  int slot = 0;
  loadedPlies = 0;
  for (;;) {
    const PgnReader::TokenEnd end = gameFile.ReadPlyToken(plyText);
    if (end != PgnReader::TokenEnd::kToken) {
      // The game ends without a result token: its last slot ends it all the same.
      if (end == PgnReader::TokenEnd::kEndOfFile) endOfFile = 1;
      std::strcpy(plyText, "*");
    }
    // A game longer than the lists keeps its first plies and its end.
    char token[sizeof plyText];
    std::memcpy(token, plyText, sizeof token);
    const bool last = IsResultToken(token);
    NormalisePlyText(kReadingMode);
    if (capacity > 0 && (slot < capacity - 1 || last)) {
      const int index = slot < capacity ? slot : capacity - 1;
      std::memcpy(plyList[index].text, token, sizeof token);
      std::memcpy(plyDisplayList[index].text, token, sizeof token);
      loadedPlies = static_cast<int16_t>(index + 1);
    }
    if (last) return;
    if (slot < capacity) ++slot;
  }
}
