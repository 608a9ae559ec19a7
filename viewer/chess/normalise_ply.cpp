// NormalisePlyText: recognises a game's result token and strips the marks
// of a ply text (check, mate, capture, en passant, annotation marks),
// setting the ply flags.
#include <cstring>

#include "viewer/chess/chess_state.h"

bool ChessState::IsResultToken(const char* text) {
  switch (text[0]) {
    case '*': return text[1] == '\0';
    case '0': return std::strcmp(text, "0-1") == 0;
    case '1':
      return std::strcmp(text, "1-0") == 0 || std::strcmp(text, "1/2-1/2") == 0 || std::strcmp(text, "1/2") == 0;
    default: return false;
  }
}

void ChessState::NormalisePlyText(NormaliseMode mode) {
  checkFlag = captureFlag = mateFlag = 0;
  plyText[sizeof plyText - 1] = '\0';

  if (IsResultToken(plyText)) {
    // "*" ends a game without a result flag.
    int16_t* resultFlag = nullptr;
    if (std::strcmp(plyText, "0-1") == 0) {
      resultFlag = &blackWon;
    } else if (std::strcmp(plyText, "1-0") == 0) {
      resultFlag = &whiteWon;
    } else if (plyText[0] == '1') {
      resultFlag = &drawn;
    }
    gameState = kGameOver;
    if (resultFlag != nullptr) *resultFlag = 1;
    if (mode == kReadingMode && !gameFile.SkipFiller()) endOfFile = 1;
    return;
  }

  char* out = plyText;
  for (const char* in = plyText; *in != '\0'; ++in) {
    switch (*in) {
      case 'e':
        if (in[1] == 'p') {
          ++in;
          continue;
        }
        break;
      case '+': checkFlag = 1; continue;
      case 'x': captureFlag = 1; continue;
      case '#': mateFlag = 1; continue;
      case '!':
      case '?': continue;
      default: break;
    }
    *out++ = *in;
  }
  *out = '\0';
}
