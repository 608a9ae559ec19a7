// The same bytes, up to the first zero byte, read as a FEN tag's value, as a
// Variant tag's value and as a ply text in coordinate notation; a position
// that reads is then castled on every wing, and its rights updated.
//
// Promises: a refused FEN gives a text starting "Can't show this game: ";
// a read position has one king of each side, piece letters and blanks only,
// no pawn on the first or last rank, the side not to move out of check, a
// full-move number of at least 1, castling rights whose rooks and king stand
// on their squares on the right wing, and an en passant square only where a
// double step can have made it; every castling found stays on the side's
// back rank, moves the side's own king and rook to the g/f or c/d files,
// keeps one king of that side, and ends the side's rights; the Variant name is the value cut to 99
// characters; a coordinate move names two different squares of the board.
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "viewer/chess/castling_move.h"
#include "viewer/chess/coordinate_move.h"
#include "viewer/chess/fen_position.h"
#include "viewer/chess/piece_letters.h"
#include "viewer/chess/square_attacks.h"
#include "viewer/chess/variant_rules.h"

namespace {

int Count(const Board& board, unsigned char letter) {
  int count = 0;
  for (unsigned char square : board) count += square == letter;
  return count;
}

void RequireSoundBoard(const Board& board) {
  for (unsigned char square : board) FUZZ_REQUIRE(square == kBlankSquare || LetterSide(square) >= 0);
  FUZZ_REQUIRE(Count(board, 'k') == 1 && Count(board, 'K') == 1);
}

void RequireSoundRights(const SetUpPosition& position) {
  const CastlingRights& rights = position.castling;
  for (int side = 0; side < 2; ++side) {
    const int row = BackRankRow(side);
    const bool any = rights.Has(side, kKingSide) || rights.Has(side, kQueenSide);
    FUZZ_REQUIRE(any == (rights.kingFile[side] != kNoFile));
    if (!any) continue;
    FUZZ_REQUIRE(rights.kingFile[side] >= 0 && rights.kingFile[side] < 8);
    FUZZ_REQUIRE(position.board[SquareAt(row, rights.kingFile[side])] == SideLetter('K', side));
    for (int wing = 0; wing < 2; ++wing) {
      const int file = rights.rookFile[side][wing];
      if (file == kNoFile) continue;
      FUZZ_REQUIRE(file >= 0 && file < 8);
      FUZZ_REQUIRE(position.board[SquareAt(row, file)] == SideLetter('R', side));
      FUZZ_REQUIRE(wing == kKingSide ? file > rights.kingFile[side] : file < rights.kingFile[side]);
    }
  }
}

void RequireSoundEnPassant(const SetUpPosition& position) {
  const int square = position.enPassantSquare;
  if (square == kNoSquare) return;
  FUZZ_REQUIRE(square >= 0 && square < 64);
  const int mover = OtherSide(position.sideToMove);
  const int forward = mover == kWhiteSide ? -1 : 1;
  FUZZ_REQUIRE(RowOf(square) == (mover == kWhiteSide ? 5 : 2));
  FUZZ_REQUIRE(position.board[square] == kBlankSquare);
  FUZZ_REQUIRE(position.board[square + 8 * forward] == SideLetter('P', mover));
  FUZZ_REQUIRE(position.board[square - 8 * forward] == kBlankSquare);
}

void CastleEveryWing(const SetUpPosition& position) {
  for (int side = 0; side < 2; ++side) {
    for (int wing = 0; wing < 2; ++wing) {
      CastlingSquares squares;
      if (!FindCastlingSquares(position.board, side, wing, position.castling, squares)) continue;
      const int row = BackRankRow(side);
      for (int square : {squares.kingFrom, squares.kingTo, squares.rookFrom, squares.rookTo}) {
        FUZZ_REQUIRE(square >= 0 && square < 64 && RowOf(square) == row);
      }
      FUZZ_REQUIRE(ColumnOf(squares.kingTo) == (wing == kKingSide ? 6 : 2));
      FUZZ_REQUIRE(ColumnOf(squares.rookTo) == (wing == kKingSide ? 5 : 3));
      FUZZ_REQUIRE(position.board[squares.kingFrom] == SideLetter('K', side));
      FUZZ_REQUIRE(position.board[squares.rookFrom] == SideLetter('R', side));
      Board board;
      std::memcpy(board, position.board, sizeof board);
      PlayCastling(board, side, squares);
      // The squares the two go to are not looked at: whatever stood there is gone.
      for (unsigned char square : board) FUZZ_REQUIRE(square == kBlankSquare || LetterSide(square) >= 0);
      FUZZ_REQUIRE(Count(board, SideLetter('K', side)) == 1 && Count(board, SideLetter('R', side)) >= 1);
      FUZZ_REQUIRE(board[squares.kingTo] == SideLetter('K', side) && board[squares.rookTo] == SideLetter('R', side));
      CastlingRights rights = position.castling;
      UpdateCastlingRights(rights, squares.kingFrom, squares.kingTo);
      FUZZ_REQUIRE(!rights.Has(side, kKingSide) && !rights.Has(side, kQueenSide));
      FUZZ_REQUIRE(rights.kingFile[OtherSide(side)] == position.castling.kingFile[OtherSide(side)]);
      int castlingWing = -1;
      if (IsCastlingKingMove(position.board, side, squares.kingFrom, squares.rookFrom, castlingWing)) {
        FUZZ_REQUIRE(castlingWing == wing);
      }
    }
  }
}

void CheckFen(const char* text) {
  SetUpPosition position;
  const FenRefusal refusal = ReadFenPosition(text, position);
  const char* message = FenRefusalText(refusal);
  if (refusal != FenRefusal::kNone) {
    FUZZ_REQUIRE(std::strncmp(message, "Can't show this game: ", 22) == 0);
    return;
  }
  FUZZ_REQUIRE(message[0] == '\0');
  RequireSoundBoard(position.board);
  for (int column = 0; column < 8; ++column) {
    for (int row = 0; row < 8; row += 7) {
      const unsigned char letter = position.board[SquareAt(row, column)];
      FUZZ_REQUIRE(letter != 'p' && letter != 'P');
    }
  }
  FUZZ_REQUIRE(position.sideToMove == kWhiteSide || position.sideToMove == kBlackSide);
  FUZZ_REQUIRE(!IsKingAttacked(position.board, OtherSide(position.sideToMove)));
  FUZZ_REQUIRE(position.fullMoveNumber >= 1 && position.fullMoveNumber <= 9999);
  FUZZ_REQUIRE(position.halfMoveClock >= 0 && position.halfMoveClock <= 9999);
  RequireSoundRights(position);
  RequireSoundEnPassant(position);
  CastleEveryWing(position);
}

void CheckVariant(const char* text) {
  const VariantRules rules = ReadVariantRules(text);
  const size_t length = std::strlen(rules.name);
  FUZZ_REQUIRE(length < sizeof rules.name);
  FUZZ_REQUIRE(std::strstr(text, rules.name) != nullptr);
  if (rules.kind == VariantKind::kChess960) FUZZ_REQUIRE(length >= 3);
}

void CheckCoordinateMove(const char* text) {
  CoordinateMove move;
  if (!ReadCoordinateMove(text, move) || move.kind == CoordinateMove::kNullMove) return;
  FUZZ_REQUIRE(move.from >= 0 && move.from < 64 && move.to >= 0 && move.to < 64 && move.from != move.to);
  FUZZ_REQUIRE(move.piece == 0 || std::strchr("PNBRQK", move.piece) != nullptr);
  FUZZ_REQUIRE(move.promotion == 0 || std::strchr("NBRQ", move.promotion) != nullptr);
}

}  // namespace

void RunFenPositionInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckFen(text.c_str());
  CheckVariant(text.c_str());
  CheckCoordinateMove(text.c_str());
}
