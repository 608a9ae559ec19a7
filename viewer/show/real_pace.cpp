// Real pace: each ply comes after the time its player spent on it, divided
// by the speed factor, and never sooner than a slide takes; the play timer
// is set to fire when the ply is due. The clock of the side to move runs
// down on the console meanwhile. Outside real pace the timer keeps its
// usual period, the move delay and the slide time.
#include "viewer/chess/ply_timing.h"
#include "viewer/show/viewer_app.h"

namespace {

// The timer's shortest period.
constexpr uint32_t kShortestPeriodMs = 10;

// Milliseconds from `since` to `now` on the platform's clock, which wraps.
uint32_t Elapsed(uint32_t since, uint32_t now) { return now - since; }

}  // namespace

void ViewerApp::SetPlayTimer(uint32_t periodMs) {
  if (periodMs < kShortestPeriodMs) periodMs = kShortestPeriodMs;
  if (periodMs == play_.timerPeriodMs) return;
  play_.timerPeriodMs = periodMs;
  StartTimer(periodMs);
}

int64_t ViewerApp::PlyTimeSpent(int ply) const {
  const GameNotes& notes = games_.notes();
  return TimeSpent(notes.plies.data(), static_cast<int>(notes.plies.size()), ply, notes.clocks);
}

uint32_t ViewerApp::RealPacePauseMs(int ply) const {
  // The slide's share of the play timer's period is the slide time.
  const int64_t pause =
      RealPacePause(PlyTimeSpent(ply), options_.realPaceFactor, play_.moveFrames, PlayTimerPeriodMs());
  return static_cast<uint32_t>(pause < 0 ? 0 : pause);
}

void ViewerApp::AwaitNextPly() {
  if (options_.realPace != 1) return;
  const uint32_t now = GetTickCount();
  const uint32_t pause = RealPacePauseMs(chess_.PliesShown());
  pace_.armed = true;
  pace_.dueMs = now + pause;
  SetPlayTimer(pause);
}

bool ViewerApp::RealPaceWaits() {
  if (options_.realPace != 1) return false;
  if (!pace_.armed) {
    // The game's first ply (or the first after a new start): its player's
    // clock starts running now.
    StartClockRunning();
    AwaitNextPly();
    return true;
  }
  const int32_t remaining = static_cast<int32_t>(pace_.dueMs - GetTickCount());
  if (remaining > 0) {
    SetPlayTimer(static_cast<uint32_t>(remaining));
    return true;
  }
  pace_.armed = false;
  return false;
}

void ViewerApp::StartClockRunning() {
  pace_.clockRuns = options_.realPace == 1;
  pace_.clockRunsSinceMs = GetTickCount();
}

TimeReading ViewerApp::RunningClock(const TimeReading& shown) const {
  if (!pace_.clockRuns) return shown;
  // The clock runs down no further than the time its player spent on the
  // ply; a ply without a time leaves it standing.
  const int64_t spent = PlyTimeSpent(clocks_.plies);
  if (spent == kNoTime) return shown;
  const int factor = options_.realPaceFactor < 1 ? 1 : options_.realPaceFactor;
  int64_t waited = Elapsed(pace_.clockRunsSinceMs, GetTickCount());
  if (waited * factor > spent) waited = spent / factor;
  return CountdownClock(shown, waited, factor);
}
