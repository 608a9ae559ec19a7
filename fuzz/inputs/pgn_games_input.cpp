// A game file of arbitrary bytes through the game library and the play
// bookkeeping: TarnwicketCheck's pass over every game, then every game once
// more with plies taken back along the way, as the viewer's Left key does;
// the notes of each game (comments, clocks, glyphs) as --plies prints them.
//
// Promises: indexing either succeeds or reports an unreadable file; every
// game either plays to its end or stops with a FatalError; the board and the
// pending squares hold only piece letters and blanks; the trays hold only
// piece kinds and never overflow; the moving piece is a piece kind; a game
// that plays through plays through again to the same board with plies taken
// back along the way.
#include <cstring>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "fuzz/scratch_file.h"
#include "tools/check/game_checker.h"
#include "tools/check/ply_lines.h"

namespace {

bool IsPieceOrBlank(unsigned char square) {
  return square == kBlankSquare || (square != 0 && std::strchr("prnbqkPRNBQK", square) != nullptr);
}

bool IsTrayEntry(int16_t entry) { return (entry >= kPawn && entry <= kKing) || entry == kEmptyTraySlot; }

void RequireSoundPosition(const ChessState& state) {
  for (unsigned char square : state.board()) FUZZ_REQUIRE(IsPieceOrBlank(square));
  for (unsigned char square : state.pendingSquares()) FUZZ_REQUIRE(square == 0 || IsPieceOrBlank(square));
  for (int16_t entry : state.capturedWhite()) FUZZ_REQUIRE(IsTrayEntry(entry));
  for (int16_t entry : state.capturedBlack()) FUZZ_REQUIRE(IsTrayEntry(entry));
  FUZZ_REQUIRE(state.plyAnimation().pieceKind >= kPawn && state.plyAnimation().pieceKind <= kKing);
  FUZZ_REQUIRE(state.capturedWhiteCount() >= 0 && state.capturedWhiteCount() <= kTraySize);
  FUZZ_REQUIRE(state.capturedBlackCount() >= 0 && state.capturedBlackCount() <= kTraySize);
  FUZZ_REQUIRE(strnlen(state.plyText(), 100) < 100);
  FUZZ_REQUIRE(strnlen(state.plyDisplayText(), 100) < 100);
}

// Plays game `number` again, taking the shown ply back whenever the count of
// plies played reaches a power of two (so a long game costs at most twice
// its length in replays). Returns false when a ply raised a FatalError.
bool PlayWithTakeBacks(GameChecker& checker, int number) {
  checker.StartGame(number);
  try {
    int played = 0;
    int nextTakeBack = 1;
    while (checker.chess().gameState() == ChessState::kPlaying) {
      checker.AdvancePly();
      RequireSoundPosition(checker.chess());
      // Every other ply lands before the next comes, as the viewer's slides do.
      if (played % 2 == 0) checker.LandPly();
      if (++played == nextTakeBack && checker.chess().gameState() == ChessState::kPlaying) {
        nextTakeBack *= 2;
        FUZZ_REQUIRE(checker.TakeBackPly().takeBack);
        RequireSoundPosition(checker.chess());
        // The reverse slide lands, or the next ply comes first.
        if (played % 4 == 0) checker.LandPly();
      }
    }
  } catch (const FatalError& error) {
    FUZZ_REQUIRE(std::memchr(error.text, 0, sizeof error.text) != nullptr);
    return false;
  }
  checker.FinishGame();
  return true;
}

// The loaded game's notes: one for each ply slot at most, and every ply's
// line of seven fields, none with a tab of its own.
void RequireSoundNotes(const GameIndex& games, int number) {
  const GameNotes& notes = games.notes();
  FUZZ_REQUIRE(notes.plies.size() <= games.plies().plyList.size());
  for (size_t ply = 0; ply < notes.plies.size(); ++ply) {
    const std::string line = PlyLine(number, static_cast<int>(ply), "e4", notes);
    size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    FUZZ_REQUIRE(tabs == 6);
    FUZZ_REQUIRE(line.find('\n') == std::string::npos);
  }
}

}  // namespace

void RunPgnGamesInput(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("pgn", data, size);
  GameChecker checker;
  if (!checker.Index(path.c_str())) return;
  const int games = checker.GameCount();
  FUZZ_REQUIRE(games >= 1 && games <= GameIndex::kMaxGames);
  for (int number = 1; number <= games; ++number) {
    const std::string line = checker.PlayGame(number);
    FUZZ_REQUIRE(!line.empty());
    RequireSoundPosition(checker.chess());
    RequireSoundNotes(checker.games(), number);
    const bool playedThrough = line.find("\tERROR\t") == std::string::npos;
    Board finalBoard;
    std::memcpy(finalBoard, checker.chess().board(), sizeof finalBoard);
    // Taking plies back along the way changes nothing of a game's outcome.
    const bool playedThroughAgain = PlayWithTakeBacks(checker, number);
    if (playedThrough) {
      FUZZ_REQUIRE(playedThroughAgain);
      FUZZ_REQUIRE(std::memcmp(finalBoard, checker.chess().board(), sizeof finalBoard) == 0);
    }
  }
  checker.Release();
}
