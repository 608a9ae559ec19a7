// The evidence log: a few plain lines telling what the program really did on
// the machine it ran on (the display mode it obtained, frames presented,
// timer ticks, how it ended), so that an automated run on another system can
// judge it. It is written only when the environment variable
// TARNWICKET_EVIDENCE_LOG names a file; otherwise every call does nothing.
//
// Each line is "<event>" or "<event> <detail>", appended and flushed at once
// (the file is opened and closed around each line), for example:
//   display fullscreen 800x600x32
//   presented 1
//   timer
//   exit 0
#pragma once

// The name of the environment variable that switches the log on.
extern const char kEvidenceLogVariable[];

// True when the log is asked for.
bool EvidenceLogEnabled();

// Appends one line; line breaks in `detail` become " | ".
void NoteEvidence(const char* event, const char* detail = nullptr);
void NoteEvidence(const char* event, long value);

// Frames presented are noted at the 1st (the program's first picture on the
// screen) and then at every 30th.
bool IsNotedFrameCount(long framesPresented);
