// The timing rules over one game's main-line plies: the time spent on a
// ply, the pause before it when the game is replayed at its real pace, and
// the clocks the console shows.
//
// The plies are an array of PlyNotes, ply k (from 0) in element k; the
// first mover's plies (the start's firstMover: White unless the game starts
// from a position with Black to move) at even k. All functions are pure:
// they read the array and the start and change nothing.
#pragma once

#include <cstdint>

#include "viewer/chess/ply_notes.h"
#include "viewer/chess/time_control.h"

// The side that makes ply k of a game whose first ply is firstMover's.
inline ClockSide MoverOf(int ply, ClockSide firstMover) {
  return (ply % 2 == 0) == (firstMover == ClockSide::kWhite) ? ClockSide::kWhite : ClockSide::kBlack;
}

// The time spent on ply k in milliseconds: its [%emt] where it has one;
// else the mover's previous clock (the clock after the mover's ply before,
// k - 2, or the mover's starting time for the mover's first ply) minus this
// ply's clock plus the increment, never below 0 (a clock that went up by
// more than the increment, as when time is added at the 40th move, gives
// 0); kNoTime when a clock needed is missing or k is outside the array.
int64_t TimeSpent(const PlyNotes* plies, int count, int ply, const ClockStart& start);

// The pause before a ply in real pace: the time spent on it divided by the
// speed factor (a factor below 1 counts as 1), never shorter than the slide
// of one ply; usualPauseMs (the pause outside real pace) for a ply whose
// time spent is kNoTime.
int64_t RealPacePause(int64_t spentMs, int factor, int64_t slideMs, int64_t usualPauseMs);

// The clock `side` shows once the first `played` plies are on the board:
// the clock after that side's latest ply with a clock among them, or the
// side's starting time when none has one (absent without a starting time).
TimeReading ClockShown(const PlyNotes* plies, int count, int played, ClockSide side, const ClockStart& start);

// The clock of the side to move counting down while its ply is awaited in
// real pace: the shown clock less the waited time times the factor, never
// below 0; absent when the shown clock is.
TimeReading CountdownClock(const TimeReading& shown, int64_t waitedMs, int factor);

// Whether any ply has a [%clk] (a game without one shows no clocks).
bool GameHasClocks(const PlyNotes* plies, int count);

// Whether any ply's clock was written with a fraction of a second: then
// every clock of the game shows tenths under 20 seconds.
bool GameHasTenths(const PlyNotes* plies, int count);
