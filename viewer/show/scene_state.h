// The viewer's running state, by who owns it: the scene's slide, glow,
// lamps and sound timers; the frame-rate measurement of the intro; the play
// driver's waits. The viewer object keeps one of each.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/chess/board.h"

// What the frame update animates between plies.
struct SceneState {
  // The moving piece: where it is now, where it goes, its step per frame.
  PlyAnimation plyAnimation;
  int32_t animFrame = 0;  // > 0 sliding, -1 land at the next frame, 0 at rest
  int32_t settleCount = 0;
  int16_t lampSide = 1;  // 1: the top turn lamp is the lit one
  int16_t lift = 0;
  int16_t liftShown = 0;
  int16_t blinkCount = 0;
  int16_t glowState = 0;  // 20 fading out, 0 rising
  float glowPhase = 0;
  int16_t checkCount = 0;
  int16_t resultCount = 0;
  int16_t resultSoundDone = 0;
  int16_t introMusicStarted = 0;
  // A Chess960 castling slides the king, then the rook: the rook's slide
  // waits for the king's to end.
  bool rookSlideWaits = false;
  PlyAnimation rookSlide;
  // A piece shown at rest while the other one of a castling slides: the
  // rook before its turn, the king after its slide.
  bool standingShown = false;
  PlyAnimation standing;  // its kind and its place (fromX, fromY)
};

// The players' clocks on the console, in a game whose plies have [%clk].
struct ConsoleClocks {
  bool shown = false;   // the game has clocks: the name fields make room for them
  bool tenths = false;  // its clocks were written with fractions of a second
  int16_t plies = 0;    // the clocks stand as these first plies left them
};

// The frame rate, counted over the intro's seconds.
struct FrameRate {
  int64_t lastSecond = 0;
  int32_t framesThisSecond = 0;
  int32_t fps = 0;
  int16_t secondsCounted = 0;
  int32_t frameSum = 0;

  // The intro and the measurement are over (the play timer runs).
  bool Measured() const { return secondsCounted > 7; }
};

// The play driver's timing: the slide time and the waits at the start and
// the end of a game.
struct PlayState {
  // The play timer's period: the move delay and the slide time. A negative
  // move delay can make it zero or negative, which the system would take as
  // an endless wait; the timer's shortest period stands in.
  static uint32_t TimerPeriodMs(int32_t delayMs, int32_t moveFrames) {
    const int32_t period = delayMs + moveFrames;
    return static_cast<uint32_t>(period >= 10 ? period : 10);
  }

  int32_t moveFrames = 120;  // frames a slide may take
  int16_t plyWaitCount = 0;
  int16_t endWaitCount = 0;
  int16_t paused = 0;
  int16_t holdForTicker = 1;   // this game's first ply waits for the announcements
  uint32_t timerPeriodMs = 0;  // the period the play timer runs at
};

// Real pace: when the next ply is due on the platform's clock, and since
// when the clock of the side to move has been running down.
struct PaceState {
  bool armed = false;  // a ply is awaited
  uint32_t dueMs = 0;
  bool clockRuns = false;
  uint32_t clockRunsSinceMs = 0;
};

// Following a game file that changes.
struct LiveState {
  // A file that changed less than this long ago is live.
  static constexpr uint32_t kChangingMs = 10 * 60 * 1000;

  bool changed = false;       // the file has been seen changing (or was written lately)
  uint32_t lastChangeMs = 0;  // when, on the platform's clock
  bool waiting = false;       // the game on show waits for its next ply
  uint32_t waitFrames = 0;    // frames of the wait, for the lamp's blinking
  // The ply slots of each game when it was last shown (or first indexed).
  std::vector<int16_t> knownPlies;
};
