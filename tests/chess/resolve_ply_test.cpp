// ResolvePly: search orders, pawn forms, promotions, castling, the pinned
// piece rule, failures and the animation record.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "tests/chess/test_support.h"
#include "viewer/chess/chess_state.h"

namespace {

using test_support::BoardText;
using test_support::SetBoard;
using test_support::Square;

constexpr char kEmptyBoard[] = "................................................................";

// A board with only the pieces given as "letter square" pairs, e.g. "n b8 K h8".
void Place(ChessState& state, const std::string& pieces) {
  std::string squares(kEmptyBoard);
  for (size_t i = 0; i + 3 < pieces.size() + 1; i += 5) squares[Square(pieces.c_str() + i + 2)] = pieces[i];
  SetBoard(state, squares.c_str());
}

// Takes a square off the board.
void Clear(ChessState& state, const char* square) {
  Board board;
  std::memcpy(board, state.board(), sizeof board);
  board[Square(square)] = kBlankSquare;
  state.SetBoard(board);
}

void Resolve(ChessState& state, const char* text, int16_t side) {
  state.ClearPlySquares();
  state.ResolvePly(side, text);
}

std::string FailureOf(ChessState& state, const char* text, int16_t side) {
  try {
    Resolve(state, text, side);
  } catch (const FatalError& error) {
    return error.text;
  }
  return "(no failure)";
}

TEST(ResolvePlyTest, KnightSearchMovesTheLastCandidateUnlessAHintSaysOtherwise) {
  ChessState state;
  Place(state, "n b8 n f6 k h1 K h8");
  Resolve(state, "Nd7", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("f6")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("b8")], 'n');
  EXPECT_EQ(state.pendingSquares()[Square("d7")], 'n');
  EXPECT_EQ(state.plyAnimation().pieceKind, kKnight);

  Place(state, "n b8 n f6 k h1 K h8");
  Resolve(state, "Nbd7", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("b8")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("f6")], 'n');
}

TEST(ResolvePlyTest, RookBelowTheDestinationMovesFirst) {
  ChessState state;
  Place(state, "r d8 r d1 k h1 K a8");
  Resolve(state, "Rd4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("d1")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("d8")], 'r');
  EXPECT_EQ(state.pendingSquares()[Square("d4")], 'r');
}

TEST(ResolvePlyTest, RankHintPicksTheRookOnThatRank) {
  ChessState state;
  Place(state, "R a1 R a5 K h8 k e1");
  Resolve(state, "R1a3", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("a1")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("a5")], 'R');
  EXPECT_EQ(state.pendingSquares()[Square("a3")], 'R');
}

TEST(ResolvePlyTest, PawnPushTakesTheNearestPawnAndPassesOverPieces) {
  ChessState state;
  Place(state, "p e2 p e3 k h1 K h8");
  Resolve(state, "e4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("e3")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("e2")], 'p');

  Place(state, "p e2 n e3 k h1 K h8");
  Resolve(state, "e4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("e2")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("e3")], 'n');
  EXPECT_EQ(state.pendingSquares()[Square("e4")], 'p');

  Place(state, "P d7 k h1 K h8");
  Resolve(state, "d5", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("d7")], kBlankSquare);
  EXPECT_EQ(state.pendingSquares()[Square("d5")], 'P');
}

TEST(ResolvePlyTest, EnPassantRemovesThePassedPawnAtOnceWithoutATray) {
  ChessState state;
  state.EmptyTrays();
  Place(state, "p e5 P d5 k h1 K h8");
  Resolve(state, "ed6", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("d5")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("e5")], kBlankSquare);
  EXPECT_EQ(state.pendingSquares()[Square("d6")], 'p');
  EXPECT_FALSE(state.ApplyPendingSquares().Any());
  EXPECT_EQ(state.capturedBlackCount(), 0);

  Place(state, "P d4 p e4 k h1 K h8");
  Resolve(state, "de3", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("e4")], kBlankSquare);
  EXPECT_EQ(state.pendingSquares()[Square("e3")], 'P');
}

TEST(ResolvePlyTest, PromotionsInEveryForm) {
  ChessState state;
  Place(state, "p e7 k h1 K a8");
  Resolve(state, "e8=Q", ChessState::kWhite);
  EXPECT_EQ(state.pendingSquares()[Square("e8")], 'q');

  Place(state, "p e7 k h1 K a8");
  Resolve(state, "e8Q", ChessState::kWhite);
  EXPECT_EQ(state.pendingSquares()[Square("e8")], 'q');

  Place(state, "p e7 R d8 k h1 K a8");
  Resolve(state, "ed8=N", ChessState::kWhite);
  EXPECT_EQ(state.pendingSquares()[Square("d8")], 'n');
  EXPECT_EQ(state.board()[Square("e7")], kBlankSquare);

  Place(state, "P e2 k h1 K a8");
  Resolve(state, "e1=Q", ChessState::kBlack);
  EXPECT_EQ(state.pendingSquares()[Square("e1")], 'Q');

  // A lowercase letter promotes to the mover's own piece, never the other side's.
  Place(state, "P e2 k h1 K a8");
  Resolve(state, "e1=r", ChessState::kBlack);
  EXPECT_EQ(state.pendingSquares()[Square("e1")], 'R');
}

TEST(ResolvePlyTest, PromotionToAnythingButQueenRookBishopKnightFails) {
  ChessState state;
  Place(state, "p e7 k h1 K a8");
  EXPECT_EQ(FailureOf(state, "e8=K", ChessState::kWhite), "Raaaaaaawwrr!");
  Place(state, "P e2 k h1 K a8");
  EXPECT_EQ(FailureOf(state, "e1=X", ChessState::kBlack), "ERROR - Black Couldn't show move e1");
}

TEST(ResolvePlyTest, KingSideCastlingForBlack) {
  ChessState state;
  state.ResetBoard();
  Clear(state, "f8");
  Clear(state, "g8");
  Resolve(state, "O-O", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("e8")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("h8")], kBlankSquare);
  EXPECT_EQ(state.pendingSquares()[Square("f8")], 'R');
  EXPECT_EQ(state.pendingSquares()[Square("g8")], 'K');
  for (const char* square : {"e8", "f8", "g8", "h8"}) EXPECT_EQ(state.squareMarks()[Square(square)], kTouchedMark);
  EXPECT_EQ(state.castlingFlag(), 1);
  EXPECT_EQ(state.plyAnimation().pieceKind, kKing);
  EXPECT_FLOAT_EQ(state.plyAnimation().fromX, SquareX(4));
  EXPECT_FLOAT_EQ(state.plyAnimation().toX, SquareX(6));
  EXPECT_FLOAT_EQ(state.plyAnimation().fromY, SquareY(0));
}

TEST(ResolvePlyTest, QueenSideCastlingForWhiteLeavesBUnmarked) {
  ChessState state;
  Place(state, "k e1 r a1 K e8");
  Resolve(state, "O-O-O", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("a1")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("e1")], kBlankSquare);
  EXPECT_EQ(state.pendingSquares()[Square("c1")], 'k');
  EXPECT_EQ(state.pendingSquares()[Square("d1")], 'r');
  for (const char* square : {"a1", "c1", "d1", "e1"}) EXPECT_EQ(state.squareMarks()[Square(square)], kTouchedMark);
  EXPECT_NE(state.squareMarks()[Square("b1")], kTouchedMark);
  EXPECT_FLOAT_EQ(state.plyAnimation().toX, SquareX(2));
}

TEST(ResolvePlyTest, CastlingWrittenWithZeros) {
  ChessState state;
  Place(state, "k e1 r h1 K e8 R a8");
  Resolve(state, "0-0", ChessState::kWhite);
  EXPECT_EQ(state.pendingSquares()[Square("g1")], 'k');
  EXPECT_EQ(state.pendingSquares()[Square("f1")], 'r');
  Resolve(state, "0-0-0", ChessState::kBlack);
  EXPECT_EQ(state.pendingSquares()[Square("c8")], 'K');
  EXPECT_EQ(state.pendingSquares()[Square("d8")], 'R');
}

TEST(ResolvePlyTest, TwoCharacterDisambiguationMovesThePieceOnThatSquare) {
  ChessState state;
  // Three queens reach e1; the search would take the one on e4 first.
  Place(state, "q e4 q h4 q h1 k a2 K a8");
  Resolve(state, "Qh4e1", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("h4")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("e4")], 'q');
  EXPECT_EQ(state.board()[Square("h1")], 'q');
  EXPECT_EQ(state.pendingSquares()[Square("e1")], 'q');

  Place(state, "R d1 R d5 K h8 k a1");
  Resolve(state, "Rd1d2", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("d1")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("d5")], 'R');
}

TEST(ResolvePlyTest, APinnedKnightStaysWhenAnotherFits) {
  ChessState state;
  // The g3 knight would be the search's choice, but it shields the h2 king
  // from the c7 bishop.
  Place(state, "n c3 n g3 k h2 B c7 K a8");
  Resolve(state, "Ne4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("c3")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("g3")], 'n');

  // Without the bishop the search order decides as before.
  Place(state, "n c3 n g3 k h2 K a8");
  Resolve(state, "Ne4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("g3")], kBlankSquare);
}

TEST(ResolvePlyTest, APinnedRookStaysButMayMoveAlongItsPin) {
  ChessState state;
  Place(state, "r a4 r h4 k h1 R h8 K a8");
  Resolve(state, "Rd4", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("a4")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("h4")], 'r');

  // Along the pinning line the pinned rook still goes first.
  Place(state, "r a6 r h4 k h1 R h8 K a8");
  Resolve(state, "Rh6", ChessState::kWhite);
  EXPECT_EQ(state.board()[Square("h4")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("a6")], 'r');
}

TEST(ResolvePlyTest, WhenEveryCandidateIsPinnedTheSearchOrderStands) {
  ChessState state;
  // Both black knights shield the e8 king: c6 from a4, g6 from h5.
  Place(state, "N c6 N g6 K e8 q a4 b h5 k a1");
  Resolve(state, "Ne5", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("g6")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("c6")], 'N');

  // Only g6 pinned: c6 goes.
  Place(state, "N c6 N g6 K e8 b h5 k a1");
  Resolve(state, "Ne5", ChessState::kBlack);
  EXPECT_EQ(state.board()[Square("c6")], kBlankSquare);
  EXPECT_EQ(state.board()[Square("g6")], 'N');
}

TEST(ResolvePlyTest, LengthAndLetterFailuresUseTheSidesTexts) {
  ChessState state;
  state.ResetBoard();
  EXPECT_EQ(FailureOf(state, "Nf3/f5", ChessState::kWhite), "Flllllllluuuuuuubbbbbeeee! 6");
  EXPECT_EQ(FailureOf(state, "Nf6/f4", ChessState::kBlack), "ERROR - Black Couldn't show move Nf6/f4");
  EXPECT_EQ(FailureOf(state, "Xe4", ChessState::kWhite), "Raaaaaaawwrr!");
  EXPECT_EQ(FailureOf(state, "Xe5", ChessState::kBlack), "ERROR - Black Couldn't show move Xe5");
  EXPECT_EQ(FailureOf(state, "e1", ChessState::kWhite), "no white pawn found error!");
  EXPECT_EQ(FailureOf(state, "e7", ChessState::kBlack), "no black pawn found error!");
  EXPECT_EQ(FailureOf(state, "e8", ChessState::kBlack), "no black pawn found error!");
}

TEST(ResolvePlyTest, AKnightOrKingWithoutACandidateFails) {
  ChessState state;
  Place(state, "k h1 K h8");
  EXPECT_EQ(FailureOf(state, "Nd5", ChessState::kWhite), "Raaaaaaawwrr!");
  EXPECT_EQ(FailureOf(state, "Ke5", ChessState::kBlack), "ERROR - Black Couldn't show move Ke5");
  EXPECT_EQ(BoardText(state.board()),
            std::string(kEmptyBoard).replace(Square("h1"), 1, "k").replace(Square("h8"), 1, "K"));
}

TEST(ResolvePlyTest, APawnCaptureNeedsAPawnOnItsOrigin) {
  ChessState state;
  Place(state, "k h1 K h8 P d5");
  EXPECT_EQ(FailureOf(state, "ed6", ChessState::kWhite), "no white pawn found error!");
  EXPECT_EQ(FailureOf(state, "ab1", ChessState::kWhite), "no white pawn found error!");
  EXPECT_EQ(FailureOf(state, "ab8", ChessState::kBlack), "no black pawn found error!");
  EXPECT_EQ(state.board()[Square("d5")], 'P');
}

TEST(ResolvePlyTest, PlyTextsOutsideTheNotationNeverWriteOffTheBoard) {
  // Random texts of the letters, digits and signs found in game files.
  const char alphabet[] = "abcdefghijklmnopqrstuvwxyzRNBQKOP0123456789=-+#x!?./ ";
  std::mt19937 random(7);
  ChessState state;
  for (int round = 0; round < 20000; ++round) {
    state.ResetBoard();
    char text[12];
    const int length = 1 + static_cast<int>(random() % 7);
    for (int i = 0; i < length; ++i) text[i] = alphabet[random() % (sizeof alphabet - 1)];
    text[length] = '\0';
    state.ClearPlySquares();
    try {
      state.NormalisePlyText(text);
      if (state.gameState() == ChessState::kPlaying) {
        state.ResolvePly(static_cast<int16_t>(round & 1), state.plyText());
      }
    } catch (const FatalError&) {
    }
    for (int i = 0; i < 64; ++i) {
      ASSERT_NE(std::strchr("prnbqkPRNBQK ", state.board()[i]), nullptr) << text;
      if (state.pendingSquares()[i] != 0) {
        ASSERT_NE(std::strchr("prnbqkPRNBQK ", state.pendingSquares()[i]), nullptr) << text;
      }
    }
  }
}

TEST(ResolvePlyTest, AnimationOfAKnightHalvesTheShorterLeg) {
  ChessState state;
  state.ResetBoard();
  state.SetSpeed(12);
  Clear(state, "d2");
  Resolve(state, "Nd2", ChessState::kWhite);  // b1 to d2: two columns, one row
  EXPECT_FLOAT_EQ(state.plyAnimation().fromX, 151.0f);
  EXPECT_FLOAT_EQ(state.plyAnimation().fromY, 400.0f);
  EXPECT_FLOAT_EQ(state.plyAnimation().toX, 251.0f);
  EXPECT_FLOAT_EQ(state.plyAnimation().toY, 350.0f);
  EXPECT_FLOAT_EQ(state.plyAnimation().stepX, 6.0f);
  EXPECT_FLOAT_EQ(state.plyAnimation().stepY, -3.0f);
  EXPECT_EQ(state.plyAnimation().midX, 201);
  EXPECT_EQ(state.plyAnimation().midY, 375);
}

TEST(ResolvePlyTest, StepSizeFollowsTheSpeedSetting) {
  ChessState state;
  for (auto [speed, step] : {std::pair<int, float>{0, 1.0f}, {20, 9.0f}, {-5, 1.0f}}) {
    state.ResetBoard();
    state.SetSpeed(static_cast<int16_t>(speed));
    Resolve(state, "e4", ChessState::kWhite);
    EXPECT_FLOAT_EQ(state.plyAnimation().stepX, 0.0f) << speed;
    EXPECT_FLOAT_EQ(state.plyAnimation().stepY, -step) << speed;
  }
}

TEST(ResolvePlyTest, LeavesMarksAndTheCopiesForTheTakeBack) {
  ChessState state;
  state.ResetBoard();
  state.EmptyTrays();
  state.FeedTray('P');
  Resolve(state, "Nf3", ChessState::kWhite);
  EXPECT_EQ(state.squareMarks()[Square("g1")], kTouchedMark);
  EXPECT_EQ(state.squareMarks()[Square("f3")], kTouchedMark);
  EXPECT_EQ(state.lastSource().column, 6);
  EXPECT_EQ(state.lastSource().row, 7);
  EXPECT_EQ(std::memcmp(state.lastMarks(), state.squareMarks(), 64), 0);
  EXPECT_EQ(state.lastTrays().black[0], kPawn);
  EXPECT_EQ(state.lastTrays().black[1], kEmptyTraySlot);
  EXPECT_FLOAT_EQ(state.lastPly().toX, state.plyAnimation().toX);
  EXPECT_EQ(state.lastPly().pieceKind, kKnight);
}

}  // namespace
