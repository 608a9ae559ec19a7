// PlyNotes: what a game file says about one main-line ply besides the move
// itself: the mover's clock after it, the time spent on it, an engine's
// evaluation, an annotation glyph and the annotator's words. The comment
// reader (comment_commands.h) fills it from the ply's comments; the timing
// rules (ply_timing.h) and the console texts (clock_text.h) read it.
#pragma once

#include <cstdint>
#include <string>

#include "viewer/chess/clock_value.h"

// An engine's evaluation of the position after a ply, from White's side.
struct Evaluation {
  enum Kind : uint8_t {
    kNone,   // no evaluation
    kPawns,  // value in hundredths of a pawn: 17 for [%eval 0.17], -120 for [%eval -1.2]
    kMate,   // value in moves to mate: 3 for [%eval #3], -2 (Black mates) for [%eval #-2]
  };
  Kind kind = kNone;
  int32_t value = 0;
};

struct PlyNotes {
  TimeReading clock;      // [%clk]: the mover's time left after the ply
  TimeReading spent;      // [%emt]: the time the mover spent on the ply
  Evaluation evaluation;  // [%eval]
  int16_t nag = 0;        // the ply's first annotation glyph of $1 to $6, 0 when it has none
  std::string comment;    // the words of the ply's comments, commands removed
};

// The annotation glyphs shown beside a move: $1 to $6.
constexpr int kFirstShownNag = 1;
constexpr int kLastShownNag = 6;

// Notes glyph $code for the ply; only the first of $1 to $6 is kept (a
// move marked "$2 $6" shows "?"), others such as $14 are passed over.
inline void NoteNag(PlyNotes& notes, int code) {
  if (notes.nag == 0 && code >= kFirstShownNag && code <= kLastShownNag) notes.nag = static_cast<int16_t>(code);
}
