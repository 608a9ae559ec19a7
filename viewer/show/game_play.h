// GamePlay: the game library over the PGN file (counting, indexing, loading
// one game with its headers, the resume and log files) and the bookkeeping
// of playing a game ply by ply, taking one back included.
//
// The viewer object derives from it (after its display base); TarnwicketCheck
// derives a plain class from it and plays every game through the same code.
// The drawing and the sounds hang on the protected hooks below.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/chess/chess_state.h"

class GamePlay : public ChessState {
 public:
  // The library holds at most this many games; the rest of a file is not shown.
  static constexpr int kMaxGames = 32767;
  static constexpr int kHeaderLineCount = 7;

  GamePlay();
  ~GamePlay() override;

  // --- Game library ---
  char pgnFileName[1000];
  int16_t currentGame = 0;         // 1-based number of the game shown
  int16_t lastGameIndex = 0;       // number of games minus one
  std::vector<int16_t> plyCounts;  // ply slots of each game, its result included
  int16_t maxPlies = 0;
  char headerLines[kHeaderLineCount][100];
  unsigned char blankUnknownTags = 1;  // empty tag values "", "?", "??" are shown empty
  unsigned char bareTagValues = 0;     // lines 0 to 3 show their quoted value only
  // False keeps "lastgameplayed.txt" and "Tarnwicket.rsm" untouched (for tools).
  bool keepRecords = true;

  // Opens pgnFileName and counts its games, remembering where each starts;
  // returns the number of games minus one (also stored in lastGameIndex).
  // Raises "can't find Tarnwicket.PGN" when the file does not open, and
  // "No game in " and the file's name when it holds no tag, move or result.
  int16_t CountGames();
  // Fills plyCounts and maxPlies, then sizes plyList and plyDisplayList to
  // maxPlies zeroed slots each.
  void IndexPlies();
  // Loads game g (0-based; out of range means 0): its headers and its plies.
  void LoadGame(int16_t g);
  // Reads the loaded game's tag section into headerLines, appends the log
  // line and rewrites the resume file.
  void ReadHeaders();
  // Takes the resume point of "Tarnwicket.rsm" into currentGame when it was
  // written for a file with as many games.
  void ReadResumeFile();
  // Appends the three lines of a game's first ply to "lastgameplayed.txt".
  void AppendFirstPlyLog(int fps, int moveFrames, int delayMs);
  // Closes the game file and frees the counts and ply lists (idempotent).
  void ReleaseGameLibrary();

  // --- Play ---
  // The chess part of starting a game: ResetBoard and empty trays.
  void RestartBoard();
  // One ply: applies the previous ply if it has not landed, clears the
  // pending squares, then plays White's or Black's ply.
  void AdvancePly();
  // Fetch, normalise and (unless the game is over) resolve the next ply.
  void PlayWhitePly();
  void PlayBlackPly();
  // Number of plies before the one most recently shown (-1: none shown).
  int16_t PliesBeforeShown() const;
  // Takes back the ply most recently shown: replays the game up to it and
  // sets up its reverse slide. Returns the number of plies replayed, or -1
  // when no ply had been shown (nothing changes then).
  int16_t TakeBackPly();

 protected:
  // Hooks for the viewer; all empty here.
  // Start of AdvancePly, before anything changes (the viewer resets its lift,
  // glow and wait counters here).
  virtual void PlyAdvancing() {}
  // A ply is about to be resolved; whiteShown tells whose and moveNumber is
  // already counted (the viewer lights its lamp, logs a game's first ply).
  virtual void PlyResolving() {}
  // A ply was resolved: its slide can start.
  virtual void PlyStarted() {}
  // End of AdvancePly, whether or not a ply was resolved.
  virtual void PlyAdvanced() {}
  // TakeBackPly's restart of the loaded game; the viewer's new-game
  // operation with the same game goes here. Default: RestartBoard().
  virtual void RestartLoadedGame() { RestartBoard(); }

 private:
  // Where each game's tag section starts, for LoadGame to seek to.
  std::vector<ReaderPosition> gameStarts_;
};
