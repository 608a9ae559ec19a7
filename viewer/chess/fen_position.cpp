// ReadFenPosition: a FEN's fields one after another (placement, side to
// move, castling, en passant, the two counters), then the checks that make
// it a position a game can start from, then the rights and the en passant
// square that stand.
#include "viewer/chess/fen_position.h"

#include <cstring>

#include "viewer/chess/piece_letters.h"
#include "viewer/chess/square_attacks.h"

const char kFenRefusedText[] = "Can't show this game: its FEN tag is not a legal position";

namespace {

constexpr int kMaxFields = 6;

struct Field {
  const char* text = nullptr;
  int length = 0;
};

// A blank, a tab, a line end, a vertical tab, a form feed, or an underscore.
bool IsSeparator(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '_'; }

bool FieldIs(const Field& field, const char* text) {
  return field.length == static_cast<int>(std::strlen(text)) && std::memcmp(field.text, text, field.length) == 0;
}

// Splits the text at runs of separators into fields. Returns the number of
// fields, or kMaxFields + 1 when there are more.
int SplitFields(const char* text, Field (&fields)[kMaxFields]) {
  int count = 0;
  for (const char* at = text;;) {
    while (IsSeparator(*at)) ++at;
    if (*at == '\0') return count;
    if (count == kMaxFields) return kMaxFields + 1;
    fields[count].text = at;
    while (*at != '\0' && !IsSeparator(*at)) ++at;
    fields[count].length = static_cast<int>(at - fields[count].text);
    ++count;
  }
}

// A FEN letter in this board's case rule (FEN's uppercase White becomes
// lowercase), or 0 for a character that is not a piece.
unsigned char BoardLetter(char c) {
  const unsigned char letter = static_cast<unsigned char>(c);
  const int side = LetterSide(letter);
  if (side < 0) return 0;
  return static_cast<unsigned char>(side == kWhiteSide ? letter - 'a' + 'A' : letter - 'A' + 'a');
}

// Eight ranks from the eighth, each of eight squares given as piece letters
// and counts of empty squares; '/' between ranks.
bool ReadPlacement(const Field& field, Board& board) {
  std::memset(board, kBlankSquare, sizeof board);
  int row = 0, column = 0;
  for (int i = 0; i < field.length; ++i) {
    const char c = field.text[i];
    if (c == '/' && column == 8) {
      column = 0;
      if (++row == 8) return false;
    } else if (c >= '1' && c <= '8') {
      column += c - '0';
      if (column > 8) return false;
    } else {
      const unsigned char letter = BoardLetter(c);
      if (letter == 0 || column >= 8) return false;
      board[SquareAt(row, column++)] = letter;
      // A promoted piece's mark.
      if (i + 1 < field.length && field.text[i + 1] == '~') ++i;
    }
  }
  return row == 7 && column == 8;
}

// At most four digits.
bool ReadCounter(const Field& field, int16_t& value) {
  if (field.length < 1 || field.length > 4) return false;
  int number = 0;
  for (int i = 0; i < field.length; ++i) {
    if (field.text[i] < '0' || field.text[i] > '9') return false;
    number = number * 10 + (field.text[i] - '0');
  }
  value = static_cast<int16_t>(number);
  return true;
}

// The castling field as sets of back-rank columns per side, one bit per
// column: the columns named, and those of them a file letter named.
struct CastlingMarks {
  unsigned named[2] = {0, 0};
  unsigned byFileLetter[2] = {0, 0};
};

// The column K (king-side) or Q (queen-side) stands for: the outermost own
// rook on the back rank beyond the king, found as the last (or first) rook
// or king on that rank; when that is not a rook, the corner's column.
int XFenColumn(const Board& board, int side, int wing) {
  const int row = BackRankRow(side);
  const unsigned char rook = SideLetter('R', side), king = SideLetter('K', side);
  const int first = wing == kKingSide ? 7 : 0, step = wing == kKingSide ? -1 : 1;
  for (int column = first; column >= 0 && column < 8; column += step) {
    const unsigned char letter = board[SquareAt(row, column)];
    if (letter == rook) return column;
    if (letter == king) break;
  }
  return first;
}

bool ReadCastling(const Field& field, const Board& board, CastlingMarks& marks) {
  if (FieldIs(field, "-")) return true;
  for (int i = 0; i < field.length; ++i) {
    const char c = field.text[i];
    const int side = (c >= 'A' && c <= 'Z') ? kWhiteSide : kBlackSide;
    const char lower = side == kWhiteSide ? static_cast<char>(c - 'A' + 'a') : c;
    int column;
    if (lower >= 'a' && lower <= 'h') {
      column = lower - 'a';
      marks.byFileLetter[side] |= 1u << column;
    } else if (lower == 'k' || lower == 'q') {
      column = XFenColumn(board, side, lower == 'k' ? kKingSide : kQueenSide);
    } else {
      return false;
    }
    marks.named[side] |= 1u << column;
  }
  for (int side = 0; side < 2; ++side) {
    int count = 0;
    for (int column = 0; column < 8; ++column) count += (marks.named[side] >> column) & 1;
    if (count > 2) return false;
  }
  return true;
}

int CountLetter(const Board& board, unsigned char letter) {
  int count = 0;
  for (unsigned char square : board) count += square == letter;
  return count;
}

// The rights that stand: the side's one king on its back rank, and for each
// wing the outermost named column beyond it that holds an own rook.
void SettleCastling(SetUpPosition& position, const CastlingMarks& marks) {
  position.castling = CastlingRights();
  position.chess960Castling = false;
  for (int side = 0; side < 2; ++side) {
    const int row = BackRankRow(side);
    const unsigned char king = SideLetter('K', side), rook = SideLetter('R', side);
    int kingColumn = -1;
    for (int column = 0; column < 8; ++column) {
      if (position.board[SquareAt(row, column)] == king) kingColumn = column;
    }
    if (kingColumn < 0 || CountLetter(position.board, king) != 1) continue;
    unsigned rooks = 0;
    for (int column = 0; column < 8; ++column) {
      if (((marks.named[side] >> column) & 1) && position.board[SquareAt(row, column)] == rook) rooks |= 1u << column;
    }
    for (int column = 0; column < kingColumn; ++column) {
      if ((rooks >> column) & 1) {
        position.castling.rookFile[side][kQueenSide] = static_cast<int8_t>(column);
        break;
      }
    }
    for (int column = 7; column > kingColumn; --column) {
      if ((rooks >> column) & 1) {
        position.castling.rookFile[side][kKingSide] = static_cast<int8_t>(column);
        break;
      }
    }
    for (int wing = 0; wing < 2; ++wing) {
      const int column = position.castling.rookFile[side][wing];
      if (column == kNoFile) continue;
      position.castling.kingFile[side] = static_cast<int8_t>(kingColumn);
      const int standardColumn = wing == kKingSide ? 7 : 0;
      if (((marks.byFileLetter[side] >> column) & 1) || kingColumn != 4 || column != standardColumn) {
        position.chess960Castling = true;
      }
    }
  }
}

// The en passant square when a double step of the side not to move can have
// made it: on its third rank, empty, that side's pawn in front of it and
// the square the pawn came from empty. Else kNoSquare.
int8_t SettleEnPassant(const Board& board, int side, int square) {
  if (square == kNoSquare) return kNoSquare;
  const int mover = OtherSide(side);
  // The pawn of `mover` passed over `square` and stands one row further on.
  const int forward = mover == kWhiteSide ? -1 : 1;
  const int passedRow = mover == kWhiteSide ? 5 : 2;
  const int row = RowOf(square), column = ColumnOf(square);
  if (row != passedRow) return kNoSquare;
  if (board[square] != kBlankSquare) return kNoSquare;
  if (board[SquareAt(row + forward, column)] != SideLetter('P', mover)) return kNoSquare;
  if (board[SquareAt(row - forward, column)] != kBlankSquare) return kNoSquare;
  return static_cast<int8_t>(square);
}

FenRefusal CheckPosition(const Board& board, int sideToMove) {
  const int whiteKings = CountLetter(board, SideLetter('K', kWhiteSide));
  const int blackKings = CountLetter(board, SideLetter('K', kBlackSide));
  if (whiteKings == 0) return FenRefusal::kNoWhiteKing;
  if (whiteKings > 1) return FenRefusal::kWhiteKings;
  if (blackKings == 0) return FenRefusal::kNoBlackKing;
  if (blackKings > 1) return FenRefusal::kBlackKings;
  if (IsKingAttacked(board, OtherSide(sideToMove))) return FenRefusal::kSideNotToMoveInCheck;
  for (int column = 0; column < 8; ++column) {
    const unsigned char top = board[SquareAt(0, column)], bottom = board[SquareAt(7, column)];
    if (top == 'p' || top == 'P' || bottom == 'p' || bottom == 'P') return FenRefusal::kPawnOnBackRank;
  }
  return FenRefusal::kNone;
}

}  // namespace

FenRefusal ReadFenPosition(const char* text, SetUpPosition& position) {
  position = SetUpPosition();
  std::memset(position.board, kBlankSquare, sizeof position.board);
  if (text == nullptr) return FenRefusal::kEmpty;
  Field fields[kMaxFields];
  const int count = SplitFields(text, fields);
  if (count == 0) return FenRefusal::kEmpty;
  if (count > kMaxFields) return FenRefusal::kExtraFields;

  Board board;
  if (!ReadPlacement(fields[0], board)) return FenRefusal::kPlacement;

  int16_t side = kWhiteSide;
  if (count > 1 && !FieldIs(fields[1], "w")) {
    if (!FieldIs(fields[1], "b")) return FenRefusal::kSideToMove;
    side = kBlackSide;
  }

  CastlingMarks marks;
  if (count > 2 && !ReadCastling(fields[2], board, marks)) return FenRefusal::kCastling;

  int square = kNoSquare;
  if (count > 3 && !FieldIs(fields[3], "-")) {
    const Field& field = fields[3];
    if (field.length != 2 || field.text[0] < 'a' || field.text[0] > 'h' || field.text[1] < '1' || field.text[1] > '8') {
      return FenRefusal::kEnPassant;
    }
    square = SquareAt('8' - field.text[1], field.text[0] - 'a');
  }

  int16_t halfMoves = 0, fullMoves = 1;
  if (count > 4 && !ReadCounter(fields[4], halfMoves)) return FenRefusal::kMoveCounters;
  if (count > 5 && !ReadCounter(fields[5], fullMoves)) return FenRefusal::kMoveCounters;

  const FenRefusal refusal = CheckPosition(board, side);
  if (refusal != FenRefusal::kNone) return refusal;

  std::memcpy(position.board, board, sizeof board);
  position.sideToMove = side;
  position.halfMoveClock = halfMoves;
  position.fullMoveNumber = fullMoves < 1 ? 1 : fullMoves;
  SettleCastling(position, marks);
  position.enPassantSquare = SettleEnPassant(board, side, square);
  return FenRefusal::kNone;
}

const char* FenRefusalText(FenRefusal refusal) {
  switch (refusal) {
    case FenRefusal::kNone: return "";
    case FenRefusal::kEmpty: return "Can't show this game: its FEN tag is empty";
    case FenRefusal::kExtraFields: return "Can't show this game: its FEN tag is malformed (more than six fields)";
    case FenRefusal::kPlacement:
      return "Can't show this game: its FEN tag is not a legal position (not 8 ranks of 8 squares)";
    case FenRefusal::kSideToMove:
      return "Can't show this game: its FEN tag is malformed (the side to move is not w or b)";
    case FenRefusal::kCastling: return "Can't show this game: its FEN tag is malformed (castling rights)";
    case FenRefusal::kEnPassant: return "Can't show this game: its FEN tag is malformed (en passant square)";
    case FenRefusal::kMoveCounters: return "Can't show this game: its FEN tag is malformed (move counters)";
    case FenRefusal::kNoWhiteKing: return "Can't show this game: its FEN tag is not a legal position (no White king)";
    case FenRefusal::kWhiteKings:
      return "Can't show this game: its FEN tag is not a legal position (more than one White king)";
    case FenRefusal::kNoBlackKing: return "Can't show this game: its FEN tag is not a legal position (no Black king)";
    case FenRefusal::kBlackKings:
      return "Can't show this game: its FEN tag is not a legal position (more than one Black king)";
    case FenRefusal::kSideNotToMoveInCheck:
      return "Can't show this game: its FEN tag is not a legal position (the side not to move is in check)";
    case FenRefusal::kPawnOnBackRank:
      return "Can't show this game: its FEN tag is not a legal position (a pawn on the first or last rank)";
  }
  return kFenRefusedText;
}
