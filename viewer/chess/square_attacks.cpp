// Attacks on a square, looked for from the square outward: along the eight
// lines for the sliding pieces, then the knight, king and pawn squares.
#include "viewer/chess/square_attacks.h"

#include "viewer/chess/piece_letters.h"

namespace {

struct Step {
  int row, column;
};

const Step kStraightLines[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
const Step kDiagonalLines[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const Step kKnightJumps[] = {{-1, -2}, {-2, -1}, {-1, 2}, {-2, 1}, {1, -2}, {2, -1}, {1, 2}, {2, 1}};
const Step kKingSteps[] = {{0, -1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {1, 1}, {1, 0}, {1, -1}};

// The first piece met from `square` along each line is an attacker when it
// is one of the two letters given.
bool LineAttack(const Board& board, int square, const Step (&lines)[4], unsigned char piece, unsigned char queen) {
  for (const Step& line : lines) {
    int row = RowOf(square) + line.row, column = ColumnOf(square) + line.column;
    for (; OnBoard(row, column); row += line.row, column += line.column) {
      const unsigned char letter = board[SquareAt(row, column)];
      if (letter == kBlankSquare) continue;
      if (letter == piece || letter == queen) return true;
      break;
    }
  }
  return false;
}

bool StepAttack(const Board& board, int square, const Step (&steps)[8], unsigned char piece) {
  for (const Step& step : steps) {
    const int row = RowOf(square) + step.row, column = ColumnOf(square) + step.column;
    if (OnBoard(row, column) && board[SquareAt(row, column)] == piece) return true;
  }
  return false;
}

}  // namespace

bool IsSquareAttacked(const Board& board, int square, int attacker) {
  if (square < 0 || square >= 64) return false;
  const unsigned char queen = SideLetter('Q', attacker);
  if (LineAttack(board, square, kStraightLines, SideLetter('R', attacker), queen)) return true;
  if (LineAttack(board, square, kDiagonalLines, SideLetter('B', attacker), queen)) return true;
  if (StepAttack(board, square, kKnightJumps, SideLetter('N', attacker))) return true;
  if (StepAttack(board, square, kKingSteps, SideLetter('K', attacker))) return true;
  // White's pawns move up the board (toward row 0), so a White pawn that
  // attacks the square stands one row below it; a Black pawn one row above.
  const int pawnRow = RowOf(square) + (attacker == kWhiteSide ? 1 : -1);
  const unsigned char pawn = SideLetter('P', attacker);
  for (int column = ColumnOf(square) - 1; column <= ColumnOf(square) + 1; column += 2) {
    if (OnBoard(pawnRow, column) && board[SquareAt(pawnRow, column)] == pawn) return true;
  }
  return false;
}

bool IsKingAttacked(const Board& board, int side) {
  const unsigned char king = SideLetter('K', side);
  for (int square = 0; square < 64; ++square) {
    if (board[square] == king && IsSquareAttacked(board, square, OtherSide(side))) return true;
  }
  return false;
}
