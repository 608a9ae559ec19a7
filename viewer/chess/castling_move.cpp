// Castling squares found on the back rank, the rights' bookkeeping after a
// move, and castling written as a king move.
#include "viewer/chess/castling_move.h"

#include "viewer/chess/piece_letters.h"

namespace {

// Columns a castling ends on: the king on g or c, the rook on f or d.
constexpr int kKingToColumn[2] = {6, 2};
constexpr int kRookToColumn[2] = {5, 3};

bool InsideBoard(int square) { return square >= 0 && square < 64; }

// The own king's column on the back rank: the rights' king file when the
// king stands there, else the first own king on the rank; -1 when none.
int KingColumn(const Board& board, int side, const CastlingRights& rights) {
  const int row = BackRankRow(side);
  const unsigned char king = SideLetter('K', side);
  const int recorded = rights.kingFile[side];
  if (recorded >= 0 && recorded < 8 && board[SquareAt(row, recorded)] == king) return recorded;
  for (int column = 0; column < 8; ++column) {
    if (board[SquareAt(row, column)] == king) return column;
  }
  return -1;
}

// True when `column` lies on `wing`'s side of the king's column.
bool OnWing(int column, int kingColumn, int wing) {
  return wing == kKingSide ? column > kingColumn : column < kingColumn;
}

// The castling rook's column: the right's rook when it fits the board, else
// the outermost own rook on that wing of the king; -1 when none.
int RookColumn(const Board& board, int side, int wing, int kingColumn, const CastlingRights& rights) {
  const int row = BackRankRow(side);
  const unsigned char rook = SideLetter('R', side);
  const int recorded = rights.rookFile[side][wing];
  if (recorded >= 0 && recorded < 8 && OnWing(recorded, kingColumn, wing) && board[SquareAt(row, recorded)] == rook) {
    return recorded;
  }
  const int corner = wing == kKingSide ? 7 : 0, inward = wing == kKingSide ? -1 : 1;
  for (int column = corner; OnWing(column, kingColumn, wing); column += inward) {
    if (board[SquareAt(row, column)] == rook) return column;
  }
  return -1;
}

}  // namespace

bool FindCastlingSquares(const Board& board, int side, int wing, const CastlingRights& rights,
                         CastlingSquares& squares) {
  if ((side != kWhiteSide && side != kBlackSide) || (wing != kKingSide && wing != kQueenSide)) return false;
  const int kingColumn = KingColumn(board, side, rights);
  if (kingColumn < 0) return false;
  const int rookColumn = RookColumn(board, side, wing, kingColumn, rights);
  if (rookColumn < 0) return false;
  const int row = BackRankRow(side);
  squares.kingFrom = static_cast<int8_t>(SquareAt(row, kingColumn));
  squares.kingTo = static_cast<int8_t>(SquareAt(row, kKingToColumn[wing]));
  squares.rookFrom = static_cast<int8_t>(SquareAt(row, rookColumn));
  squares.rookTo = static_cast<int8_t>(SquareAt(row, kRookToColumn[wing]));
  return true;
}

void PlayCastling(Board& board, int side, const CastlingSquares& squares) {
  if (!InsideBoard(squares.kingFrom) || !InsideBoard(squares.kingTo) || !InsideBoard(squares.rookFrom) ||
      !InsideBoard(squares.rookTo)) {
    return;
  }
  board[squares.kingFrom] = kBlankSquare;
  board[squares.rookFrom] = kBlankSquare;
  board[squares.kingTo] = SideLetter('K', side);
  board[squares.rookTo] = SideLetter('R', side);
}

void UpdateCastlingRights(CastlingRights& rights, int from, int to) {
  for (int side = 0; side < 2; ++side) {
    const int row = BackRankRow(side);
    if (rights.kingFile[side] != kNoFile && from == SquareAt(row, rights.kingFile[side])) {
      rights.rookFile[side][kKingSide] = kNoFile;
      rights.rookFile[side][kQueenSide] = kNoFile;
    }
    for (int wing = 0; wing < 2; ++wing) {
      const int column = rights.rookFile[side][wing];
      if (column == kNoFile) continue;
      const int square = SquareAt(row, column);
      if (from == square || to == square) rights.rookFile[side][wing] = kNoFile;
    }
    if (!rights.Has(side, kKingSide) && !rights.Has(side, kQueenSide)) rights.kingFile[side] = kNoFile;
  }
}

bool IsCastlingKingMove(const Board& board, int side, int from, int to, int& wing) {
  if (!InsideBoard(from) || !InsideBoard(to) || from == to) return false;
  if (side != kWhiteSide && side != kBlackSide) return false;
  const int row = BackRankRow(side);
  if (RowOf(from) != row || RowOf(to) != row || board[from] != SideLetter('K', side)) return false;
  const int fromColumn = ColumnOf(from), toColumn = ColumnOf(to);
  const int direction = toColumn > fromColumn ? kKingSide : kQueenSide;
  const bool ontoOwnRook = board[to] == SideLetter('R', side);
  const int distance = toColumn > fromColumn ? toColumn - fromColumn : fromColumn - toColumn;
  const bool twoFilesToCastlingSquare = distance >= 2 && toColumn == kKingToColumn[direction];
  if (!ontoOwnRook && !twoFilesToCastlingSquare) return false;
  wing = direction;
  return true;
}
