// NormalisePlyText: recognises a game's result token and strips the marks
// of a ply text (check, mate, capture, en passant, annotation marks),
// setting the ply flags.
#include <cstdio>
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

void ChessState::NormalisePlyText(const char* text) {
  if (text != plyText_) std::snprintf(plyText_, sizeof plyText_, "%s", text);
  checkFlag_ = captureFlag_ = mateFlag_ = 0;
  plyText_[sizeof plyText_ - 1] = '\0';

  if (IsResultToken(plyText_)) {
    // "*" ends a game without a result flag.
    int16_t* resultFlag = nullptr;
    if (std::strcmp(plyText_, "0-1") == 0) {
      resultFlag = &blackWon_;
    } else if (std::strcmp(plyText_, "1-0") == 0) {
      resultFlag = &whiteWon_;
    } else if (plyText_[0] == '1') {
      resultFlag = &drawn_;
    }
    gameState_ = kGameOver;
    if (resultFlag != nullptr) *resultFlag = 1;
    return;
  }

  char* out = plyText_;
  for (const char* in = plyText_; *in != '\0'; ++in) {
    switch (*in) {
      case 'e':
        if (in[1] == 'p') {
          ++in;
          continue;
        }
        break;
      case '+': checkFlag_ = 1; continue;
      case 'x': captureFlag_ = 1; continue;
      case '#': mateFlag_ = 1; continue;
      case '!':
      case '?': continue;
      default: break;
    }
    *out++ = *in;
  }
  *out = '\0';
}
