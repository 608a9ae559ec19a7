// ReadCoordinateMove: [piece] square [- x :] square [=] [promotion] [ep]
// [marks], or a null move, with nothing else in the text.
#include "viewer/chess/coordinate_move.h"

#include <cstring>

namespace {

bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

// The check, mate and annotation signs that may end a ply: + or # (the
// check sign written once or twice), then up to two of ! and ?.
bool IsMarksOnly(const char* text) {
  int signs = 0;
  while (*text == '+' || *text == '#') {
    ++text;
    if (++signs > 2) return false;
  }
  int annotations = 0;
  while (*text == '!' || *text == '?') {
    ++text;
    if (++annotations > 2) return false;
  }
  return *text == '\0';
}

bool ReadSquare(const char*& text, int8_t& square) {
  if (!IsFile(text[0]) || !IsRank(text[1])) return false;
  square = static_cast<int8_t>(('8' - text[1]) * 8 + (text[0] - 'a'));
  text += 2;
  return true;
}

char PromotionLetter(char c) {
  if (c != 0 && std::memchr("NBRQ", c, 4) != nullptr) return c;
  if (c != 0 && std::memchr("nbrq", c, 4) != nullptr) return static_cast<char>(c - 'a' + 'A');
  return 0;
}

}  // namespace

bool ReadCoordinateMove(const char* text, CoordinateMove& move) {
  if (text == nullptr) return false;
  CoordinateMove read;
  if ((text[0] == '-' && text[1] == '-') || (text[0] == 'Z' && text[1] == '0')) {
    if (!IsMarksOnly(text + 2)) return false;
    read.kind = CoordinateMove::kNullMove;
    move = read;
    return true;
  }

  const char* at = text;
  if (*at != '\0' && std::strchr("PNBRQK", *at) != nullptr) read.piece = *at++;
  if (!ReadSquare(at, read.from)) return false;
  if (*at == '-') {
    ++at;
  } else if (*at == 'x' || *at == ':') {
    read.capture = true;
    ++at;
  }
  if (!ReadSquare(at, read.to) || read.to == read.from) return false;
  // A promotion only for a pawn (or a move without a piece letter).
  if (read.piece == 0 || read.piece == 'P') {
    const bool sign = *at == '=';
    const char letter = PromotionLetter(at[sign ? 1 : 0]);
    if (letter != 0) {
      read.promotion = letter;
      at += sign ? 2 : 1;
    } else if (sign) {
      return false;
    }
  }
  // An en passant capture's mark.
  if (std::strncmp(at, "e.p.", 4) == 0) {
    at += 4;
  } else if (at[0] == 'e' && at[1] == 'p') {
    at += 2;
  }
  if (!IsMarksOnly(at)) return false;
  move = read;
  return true;
}
