// The timing rules of a game's plies: time spent, real-pace pauses, the
// clocks shown.
#include "viewer/chess/ply_timing.h"

namespace {

const TimeReading& StartOf(const ClockStart& start, ClockSide side) {
  return side == ClockSide::kWhite ? start.white : start.black;
}

int64_t PlainFactor(int factor) { return factor < 1 ? 1 : factor; }

}  // namespace

int64_t TimeSpent(const PlyNotes* plies, int count, int ply, const ClockStart& start) {
  if (plies == nullptr || ply < 0 || ply >= count) return kNoTime;
  const PlyNotes& notes = plies[ply];
  if (notes.spent.known()) return notes.spent.ms;
  if (!notes.clock.known()) return kNoTime;
  const TimeReading& before = ply >= 2 ? plies[ply - 2].clock : StartOf(start, MoverOf(ply, start.firstMover));
  if (!before.known()) return kNoTime;
  const int64_t spent = before.ms - notes.clock.ms + start.incrementMs;
  return spent < 0 ? 0 : spent;
}

int64_t RealPacePause(int64_t spentMs, int factor, int64_t slideMs, int64_t usualPauseMs) {
  if (spentMs == kNoTime) return usualPauseMs;
  const int64_t pause = spentMs / PlainFactor(factor);
  return pause < slideMs ? slideMs : pause;
}

TimeReading ClockShown(const PlyNotes* plies, int count, int played, ClockSide side, const ClockStart& start) {
  if (plies != nullptr) {
    if (played > count) played = count;
    for (int k = played - 1; k >= 0; --k) {
      if (MoverOf(k, start.firstMover) == side && plies[k].clock.known()) return plies[k].clock;
    }
  }
  return StartOf(start, side);
}

TimeReading CountdownClock(const TimeReading& shown, int64_t waitedMs, int factor) {
  if (!shown.known()) return shown;
  if (waitedMs < 0) waitedMs = 0;
  const int64_t factorMs = PlainFactor(factor);
  TimeReading left = shown;
  // waited x factor could overflow only past the clock itself: compare first.
  left.ms = waitedMs >= shown.ms / factorMs + 1 ? 0 : shown.ms - waitedMs * factorMs;
  if (left.ms < 0) left.ms = 0;
  return left;
}

bool GameHasClocks(const PlyNotes* plies, int count) {
  for (int k = 0; plies != nullptr && k < count; ++k) {
    if (plies[k].clock.known()) return true;
  }
  return false;
}

bool GameHasTenths(const PlyNotes* plies, int count) {
  for (int k = 0; plies != nullptr && k < count; ++k) {
    if (plies[k].clock.known() && plies[k].clock.fraction) return true;
  }
  return false;
}
