// ViewerApp: the viewer's single application object, on the display frame
// (DirectDrawApplication). It holds the chess state, the game library, the
// surface set, the ticker and the options the settings file gave, and does
// the viewer's work with them: start-up and shutdown, loading the artwork,
// composing every frame, and the play driver with its keys and timer.
#pragma once

#include <cstdint>

#include <memory>
#include <string>

#include "common/frame_geometry.h"
#include "common/settings/layout_list.h"
#include "platform/win32.h"
#include "viewer/chess/chess_state.h"
#include "viewer/frame/direct_draw_application.h"
#include "viewer/show/art_libraries.h"
#include "viewer/show/broadcast_fetch.h"
#include "viewer/show/file_watch.h"
#include "viewer/show/game_index.h"
#include "viewer/show/random.h"
#include "viewer/show/scene_state.h"
#include "viewer/show/surface_set.h"
#include "viewer/show/ticker.h"
#include "viewer/show/viewer_options.h"

// The two players' name fields of the console style on show.
struct NameFields {
  frame_geometry::TextField white;
  frame_geometry::TextField black;
};

class ViewerApp : public DirectDrawApplication {
 public:
  ViewerApp(HINSTANCE instance, const char* title, int showCommand, int32_t width, int32_t height, int32_t bitsPerPixel,
            const char* commandLine);
  ~ViewerApp() override;

  // Keys and the play timer (play driver).
  void OnKeyDown(WPARAM virtualKey, LPARAM keyData) override;
  void OnKeyUp(WPARAM virtualKey, LPARAM keyData) override;
  void OnTimer() override;
  // Composes one frame and presents it; also runs the slide, the sounds,
  // the ticker, the intro and the frame-rate measurement.
  void UpdateFrame() override;

  // Frees the art libraries, the game file and the game buffers (each once).
  void ReleaseResources();

  // --- What the viewer holds, for the tools and tests that drive it ---
  const ChessState& chess() const { return chess_; }
  const GameIndex& games() const { return games_; }
  const SurfaceSet& surfaces() const { return surfaces_; }
  const ViewerOptions& options() const { return options_; }
  const ArtSelection& art() const { return art_; }
  const ArtLibraries& libraries() const { return libraries_; }
  const LayoutList& layouts() const { return layouts_; }
  const Ticker& ticker() const { return ticker_; }
  const SceneState& scene() const { return scene_; }
  const FrameRate& frameRate() const { return frameRate_; }
  const PlayState& play() const { return play_; }
  const ConsoleClocks& clocks() const { return clocks_; }
  const PaceState& pace() const { return pace_; }
  const LiveState& live() const { return live_; }
  // The clock text `side`'s name field shows now (kClockCells cells, or
  // empty in a game without clocks).
  std::string ClockText(ClockSide side) const;
  // Puts back a scene taken earlier (for tools that hold a slide still,
  // such as the frame-time benchmark).
  void RestoreScene(const SceneState& scene) { scene_ = scene; }
  // The play timer's period, once the intro has measured the frame rate.
  uint32_t PlayTimerPeriodMs() const { return PlayState::TimerPeriodMs(options_.delayMs, play_.moveFrames); }
  // The loaded game's tag line as the console shows it (in the font's
  // character set): 4 is White's name, 5 Black's.
  const GameIndex::HeaderLine& shownHeaderLine(int line) const { return shownHeaders_[line]; }

 private:
  // Start-up steps.
  ViewerApp(const SettingsFile& settings, HINSTANCE instance, const char* title, int showCommand, int32_t width,
            int32_t height, int32_t bitsPerPixel, const char* commandLine);

  // Surface set and artwork.
  void CreateSurfaces();
  void LoadSurfaces();
  void LoadSceneBackground();
  void LoadPieceSprites();
  void LoadFont();
  // A 288 x 100 piece strip of the pieces library; null without the library.
  HBITMAP LoadPieceStrip(int8_t pieceSet);

  // Play driver. sameGame 0 starts the next game (or a random one).
  void NewGame(int16_t sameGame);
  // Plays the next ply and starts its slide.
  void AdvancePly();
  // Takes back the ply most recently shown and slides it back.
  void TakeBackPly();
  // What the start of each ply does to the scene and the waits.
  void BeginPlyScene();
  // A resolved ply's slide starts.
  void StartSlide(const PlyOutcome& outcome);
  // The scene's state at the start of the loaded game.
  void RestartScene();
  void ChooseRandomLayout();
  // The loaded game's tag lines, in the font's character set.
  void TakeShownHeaders();
  void DrawNamesAndNumbers(LPDIRECTDRAWSURFACE target);
  bool PlyHeldForTicker() const;
  // The play timer back at its usual period, once it runs.
  void RestoreUsualTimer();

  // Console notes: ratings, clocks, comments, the evidence of each ply.
  const PlyNotes* NotesOfPly(int ply) const;  // null outside the loaded game
  // The loaded game's clocks, opening and first comment take the console.
  void StartGameNotes();
  // Whether the loaded game shows clocks, after it was read again.
  void RefreshGameNotes();
  // The ticker shows ply `ply`'s comment and evaluation (nothing for -1).
  void ShowPlyComment(int ply);
  // The clocks stand as the first `plies` plies left them.
  void ShowClocksAfter(int plies);
  NameFields CurrentNameFields() const;
  // Names with ratings onto the scene, leaving room for the clocks.
  void DrawPlayerNames(LPDIRECTDRAWSURFACE target);
  void DrawClocks(LPDIRECTDRAWSURFACE target);
  void NoteShownPly(const PlyOutcome& outcome);

  // Live games (live_games.cpp).
  // The game file's name, or the copy of a broadcast address after its
  // first fetch (raises the "Fatal Error" text of a failed one).
  void OpenLiveSource(const char* fileName);
  // The watch on the game file, once it is indexed.
  void StartWatching();
  // Each frame: a changed file is read again.
  void StepLiveFile();
  void ReadChangedFile(bool settledOnly);
  // The file changed less than ten minutes ago.
  bool LiveFileChanging() const;
  // True while the game on show waits for its next ply; may show another
  // game of the round that moved meanwhile.
  bool LiveGameWaits();
  void ShowLiveGame(int16_t game);
  void RedrawNamesAndNumbers();

  // Real pace.
  // Starts the play timer at periodMs (10 at least) unless it runs at it.
  void SetPlayTimer(uint32_t periodMs);
  int64_t PlyTimeSpent(int ply) const;
  uint32_t RealPacePauseMs(int ply) const;
  // In real pace, the next ply is awaited from now for its pause.
  void AwaitNextPly();
  // True while the next ply is not yet due (the timer is set for it).
  bool RealPaceWaits();
  // The clock of the side to move starts running down now (real pace).
  void StartClockRunning();
  // `shown` run down by the time waited, in real pace.
  TimeReading RunningClock(const TimeReading& shown) const;

  // Scene drawing.
  void RebuildPieceLayer();
  // Draws exactly `count` glyph cells of `text` at (x, y); cells past the
  // text's end show glyph 0.
  void DrawText(const char* text, int16_t count, int16_t x, int16_t y, LPDIRECTDRAWSURFACE target);
  // Draws the tray of captured White (kWhite) or Black pieces onto the scene.
  void DrawTray(int16_t side);
  void DrawTrays(const TrayChanges& changes);

  // Frame steps, in frame order.
  void StepSlide();
  void StartRookSlide();
  void LandPly();
  void StepSettling();
  void StepCheckSound();
  void StepResultSound();
  void StepGlow();
  void DrawHighlights(LPDIRECTDRAWSURFACE target);
  void DrawMovingPiece(LPDIRECTDRAWSURFACE target);
  void DrawTurnLamps(LPDIRECTDRAWSURFACE target);
  void DrawResultLamps(LPDIRECTDRAWSURFACE target);
  void MeasureFrameRate();
  void DrawConsoleText(LPDIRECTDRAWSURFACE target);
  void DrawTickerOrIntro(LPDIRECTDRAWSURFACE target);
  void Present();

  // Plays one of the program's own waves (when sound is on).
  void PlayViewerSound(int16_t soundId);
  // One of three waves, chosen at random.
  void PlayOneOf(const int16_t (&soundIds)[3]);

  const ViewerOptions options_;
  ArtSelection art_;
  ArtLibraries libraries_;
  LayoutList layouts_;
  RandomGenerator random_;
  ChessState chess_;
  GameIndex games_;
  GameIndex::HeaderLine shownHeaders_[GameIndex::kHeaderLineCount] = {};
  SurfaceSet surfaces_;
  Ticker ticker_;
  SceneState scene_;
  FrameRate frameRate_;
  PlayState play_;
  ConsoleClocks clocks_;
  PaceState pace_;
  LiveState live_;
  std::unique_ptr<BroadcastSource> broadcast_;
  std::unique_ptr<FileWatch> watch_;
};
