// The clock tags of a game's tag section: TimeControl, WhiteClock and
// BlackClock, read into the players' starting times and the increment.
//
// TimeControl values met in real files: "180+2" and "10+0.05" (start and
// increment in seconds), "600" (no increment), "1/259200" (a day limit per
// move), "40/7200:3600" and "40/7200:20/3600:900+30" (stages), "*180"
// (sandclock), "-" (no limit), "?" (unknown). Only "B" and "B+I" give times
// (B and I in seconds, with a fraction allowed); every other form gives no
// starting time and no increment.
//
// WhiteClock and BlackClock hold a clock reading ("1:59:58", "0:05:00.000",
// "00:03:00.0"), read like a [%clk] value. Where a game has one, it is that
// player's starting time (some programs write the clock at the time the file
// was saved there instead; the time spent on that player's first ply then
// comes out as 0, see ply_timing.h).
//
// The readers take tag values without their quotes; white space at the two
// ends is passed over.
#pragma once

#include <cstdint>
#include <string_view>

#include "viewer/chess/clock_value.h"

// A TimeControl tag's times.
struct TimeControl {
  TimeReading start;        // each player's starting time, absent for forms other than B and B+I
  int64_t incrementMs = 0;  // added after each ply, 0 without one
};

TimeControl ReadTimeControl(std::string_view value);

// A WhiteClock or BlackClock value.
TimeReading ReadClockTag(std::string_view value);

enum class ClockSide { kWhite = 0, kBlack = 1 };

// Both players' starting times and the increment of one game, and whose
// ply comes first.
struct ClockStart {
  TimeReading white;
  TimeReading black;
  int64_t incrementMs = 0;
  ClockSide firstMover = ClockSide::kWhite;
};

// The game's start from its three tag values (empty for a tag the game does
// not have): a clock tag where present and readable, else TimeControl's B.
ClockStart ReadClockStart(std::string_view timeControl, std::string_view whiteClock, std::string_view blackClock);
