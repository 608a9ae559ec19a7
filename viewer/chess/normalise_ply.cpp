// NormalisePlyText: recognises a game's result token and strips the marks
// of a ply text (check, mate, capture, en passant, annotation marks),
// setting the ply flags.
#include <cstring>

#include "viewer/chess/chess_state.h"

bool ChessState::IsResultToken(const char* text) {
  return std::strcmp(text, "0-1") == 0 || std::strcmp(text, "1-0") == 0 || std::strcmp(text, "1/2-1/2") == 0 ||
         std::strcmp(text, "1/2") == 0 || std::strcmp(text, "*") == 0;
}

void ChessState::NormalisePlyText(NormaliseMode mode) {
  checkFlag = captureFlag = mateFlag = 0;
  plyText[sizeof plyText - 1] = '\0';

  int16_t* resultFlag = nullptr;
  bool result = true;
  if (std::strcmp(plyText, "0-1") == 0) {
    resultFlag = &blackWon;
  } else if (std::strcmp(plyText, "1-0") == 0) {
    resultFlag = &whiteWon;
  } else if (std::strcmp(plyText, "1/2-1/2") == 0 || std::strcmp(plyText, "1/2") == 0) {
    resultFlag = &drawn;
  } else if (std::strcmp(plyText, "*") != 0) {
    result = false;  // "*" ends a game without a result flag
  }
  if (result) {
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
      case '+':
        checkFlag = 1;
        continue;
      case 'x':
        captureFlag = 1;
        continue;
      case '#':
        mateFlag = 1;
        continue;
      case '!':
      case '?':
        continue;
      default:
        break;
    }
    *out++ = *in;
  }
  *out = '\0';
}
