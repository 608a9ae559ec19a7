// The console's texts for the notes of a ply: a player's clock, an
// evaluation and the annotation glyphs $1 to $6.
//
// Clocks: "1:59:58" from an hour up, "2:58" below an hour, and, when the
// game's clocks were written with fractions of a second, "0:19.5" under
// 20 seconds (the M:SS form with tenths). Clocks are cut, never rounded:
// 2:58.9 left shows "2:58" as a chess clock does; a negative time shows as
// "0:00".
//
// Evaluations: "+0.17", "-1.20", "0.00" for an even position, "#3" when
// White mates, "#-2" when Black mates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "viewer/chess/ply_notes.h"

// Room for any clock or evaluation text below and its terminating zero.
constexpr size_t kNoteTextSize = 24;

// Below this a clock shows tenths, where the game's clocks have them.
constexpr int64_t kTenthsBelowMs = 20000;

// Writes the clock text of `ms` into out (zero-terminated, cut to size);
// returns its length.
int FormatClock(int64_t ms, bool withTenths, char* out, size_t size);

// Writes the evaluation's text into out (empty for Evaluation::kNone);
// returns its length.
int FormatEvaluation(const Evaluation& evaluation, char* out, size_t size);

// "!", "?", "!!", "??", "!?", "?!" for the glyphs $1 to $6, "" for any other.
const char* NagText(int code);

// The glyph written as one of those six texts (a move's suffix "?!" is $6);
// 0 for any other text.
int NagFromText(std::string_view text);
