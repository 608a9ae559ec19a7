// ViewerApp: the viewer's single application object. It is the display
// frame (DirectDrawApplication), the chess state and game library
// (GamePlay) and the surface set in one: start-up and shutdown, loading the
// artwork, composing every frame, the console ticker and the play driver
// with its keys and timer all work on its members.
#pragma once

#include <cstdint>

#include "common/settings/layout_list.h"
#include "platform/win32.h"
#include "viewer/frame/direct_draw_application.h"
#include "viewer/show/game_play.h"
#include "viewer/show/random.h"
#include "viewer/show/surface_set.h"

class ViewerApp : public DirectDrawApplication, public GamePlay, public SurfaceSet {
 public:
  // The text shown in the ticker window: 14 cells and a terminator.
  static constexpr int kTickerCells = 14;

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

  // Surface set and artwork.
  void CreateSurfaces();
  void LoadSurfaces();
  // A 288 x 100 piece strip of the pieces library; null without the library.
  HBITMAP LoadPieceStrip(int8_t pieceSet);

  // Play driver. sameGame 0 starts the next game (or a random one), 1
  // restarts the loaded game from its first position.
  void NewGame(int16_t sameGame);
  // Takes back the ply most recently shown and slides it back.
  void TakeBackPly();

  // Scene drawing.
  void RebuildPieceLayer();
  // Draws exactly `count` glyph cells of `text` at (x, y); cells past the
  // text's end show glyph 0.
  void DrawText(const char* text, int16_t count, int16_t x, int16_t y, LPDIRECTDRAWSURFACE target);
  // Draws the tray of captured White (kWhite) or Black pieces onto the scene.
  void DrawTray(int16_t side);
  // Moves the console ticker on by one character.
  void TickerStep();

  // --- Random layouts ---
  LayoutList layouts;

  // --- Play timing ---
  int32_t delayMs = 1000;
  int32_t moveFrames = 120;
  int32_t animFrame = 0;
  int16_t openingWait = 10;
  int16_t plyWaitCount = 0;
  int16_t gameEndWait = 10;
  int16_t endWaitCount = 0;
  int16_t paused = 0;

  // --- Scene state ---
  int16_t lampSide = 1;
  int16_t lift = 0;
  int16_t liftShown = 0;
  int16_t blinkCount = 0;
  int16_t glowState = 0;
  int16_t tickerLine = 0;
  int16_t tickerPos = -15;
  int16_t tickerDone = 0;
  int16_t checkCount = 0;
  int16_t resultCount = 0;
  int16_t resultSoundDone = 0;
  float glowPhase = 0;
  int32_t settleCount = 0;
  char tickerText[kTickerCells + 1] = {};
  int16_t introMusicStarted = 0;
  int16_t replayingGame = 0;  // 1 while a take-back replays the game up to its ply

  // --- Frame-rate measurement ---
  int64_t lastSecond = 0;
  int32_t framesThisSecond = 0;
  int32_t fps = 0;
  int16_t secondsCounted = 0;
  int32_t frameSum = 0;

  // --- Art selection ---
  int8_t whitePieceSet = 7;
  int8_t blackPieceSet = 1;
  uint8_t backdropIndex = 2;
  uint8_t consolePicture = 0;
  uint8_t boardIndex = 2;
  uint8_t consoleStyle = 0;

  // --- Options ---
  uint8_t soundOn = 1;
  uint8_t pinnedLine = 0;
  int16_t fullScreenCopy = 1;
  int16_t highlightMoves = 1;
  int16_t pinTicker = 0;
  int16_t randomOrder = 0;
  int16_t holdForTicker = 1;
  int16_t savedHoldForTicker = 1;
  int16_t animate = 1;
  int16_t liftMax = 20;
  int16_t liftStep = 5;
  uint8_t randomLayouts = 0;

  // --- Art libraries (null when not loaded) ---
  HMODULE boardsLibrary = nullptr;
  HMODULE piecesLibrary = nullptr;
  HMODULE consolesLibrary = nullptr;
  HMODULE backdropsLibrary = nullptr;

  RandomGenerator random;

 protected:
  // GamePlay hooks: the drawing and timing side of playing a ply.
  void PlyAdvancing() override;
  void PlyResolving() override;
  void PlyStarted() override;
  void PlyAdvanced() override;
  void RestartLoadedGame() override;
  void TrayChanged(int16_t side) override;

 private:
  // Start-up steps.
  void LoadArtLibraries();
  void ApplySettingsFile();
  void ApplySetting(int offset, uint8_t value);

  // Artwork loading steps.
  void LoadSceneBackground();
  void LoadPieceSprites();
  void LoadFont();

  // Frame steps, in frame order.
  void StepSlide();
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

  // Ticker and new-game helpers.
  void StartTickerOver();
  void PinTickerLine();
  void SkipEmptyFirstTickerLines();
  void ChooseRandomLayout();
  void DrawNamesAndNumbers();

  // Plays one of the program's own waves (when sound is on).
  void PlayViewerSound(int16_t soundId);
  // One of three waves, chosen at random.
  void PlayOneOf(const int16_t (&soundIds)[3]);
};
