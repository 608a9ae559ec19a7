// The reader of one PGN comment: the text between '{' and '}' (without the
// braces), as the movetext reader found it. It takes out the embedded
// commands that game servers and analysis tools write, keeps the values of
// three of them and tidies what is left for the console's ticker:
//
//   [%clk 0:02:58]  [%clk 1:59:58]  [%clk 2:58]  [%clk 0:09:58.2]
//       the mover's time left after the ply (forms of ReadClockTime)
//   [%emt 0:00:05]  [%emt 0.783]
//       the time the mover spent on the ply (the same forms, or seconds)
//   [%eval 0.17]  [%eval -1.2]  [%eval #3]  [%eval #-2]  [%eval 0.17,20]
//       an evaluation in pawns (at most 5 digits before the point; digits
//       past the second after it are dropped) or moves to mate, with an
//       optional search depth after a comma
//
// A command is "[%" and a letter, a name of letters, digits and '_', white
// space or the closing ']', its value, and ']'. Every command is removed,
// whatever its name ([%csl Ge4], [%cal Ge2e4], [%timestamp 18], ...); a
// command whose value is in none of the forms above, a name not followed by
// white space or ']', and a command with no closing ']' (removed to the end
// of the comment) give no value. Names are matched exactly (lower case).
// When a comment holds the same command twice, the later value counts.
//
// The rest is the comment's text: every run of white space (spaces, tabs,
// line ends, any control character) and every removed command becomes one
// space, and spaces at the two ends go.
//
// The reader looks at the given characters only (no terminating zero is
// needed) and accepts any bytes.
#pragma once

#include <string>
#include <string_view>

#include "viewer/chess/ply_notes.h"

// What one comment holds.
struct CommentReading {
  TimeReading clock;      // [%clk]
  TimeReading spent;      // [%emt]
  Evaluation evaluation;  // [%eval]
  std::string text;       // the words, tidied
};

CommentReading ReadComment(std::string_view comment);

// Adds one more comment of a ply to what the ply has: its commands' values
// replace the ply's earlier ones, its text is appended after one space.
void AddComment(PlyNotes& notes, std::string_view comment);
