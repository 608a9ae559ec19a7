// ViewerOptions: what the settings file asks of the viewer, fixed for the
// whole run; and ArtSelection, the art on show, which a random layout may
// replace at each new game. Fields the settings file does not hold keep the
// viewer's own start values below.
#pragma once

#include <cstdint>

#include "common/settings/layout_list.h"
#include "common/settings/settings_file.h"

struct ArtSelection {
  int8_t whitePieceSet = 7;
  int8_t blackPieceSet = 1;
  uint8_t backdropIndex = 2;
  uint8_t consolePicture = 0;
  uint8_t boardIndex = 2;
  uint8_t consoleStyle = 0;

  // The look of a stored layout.
  static ArtSelection FromLayout(const LayoutRecord& layout);
};

struct ViewerOptions {
  int16_t fullScreenCopy = 1;  // the frame's display mode: 1 frames are flipped; 0 copied into the window
  int32_t delayMs = 1000;      // pause between plies, on top of the slide
  int16_t gameEndWait = 10;    // ticks from a game's end to the next game
  int16_t openingWait = 10;    // ticks from a game's start to its first ply
  int16_t speedSetting = 10;   // piece speed, 0 (slowest) to 20 (fastest)
  uint8_t randomLayouts = 0;   // 1: a random stored look for each game
  int16_t startPaused = 0;     // play starts paused
  int16_t highlightMoves = 1;
  int16_t pinTicker = 0;      // the announcements run once, then one line stays
  int16_t randomOrder = 0;    // games in random order
  uint8_t bareTagValues = 0;  // tag lines 0 to 3 show their value only
  int16_t holdForTicker = 1;  // no ply before the announcements have run
  uint8_t soundOn = 1;
  uint8_t pinnedLine = 0;        // the line kept on show: 1 date, 2 event, 3 round, 4 site
  uint8_t blankUnknownTags = 1;  // empty tag values ("", "?", "??") shown empty
  int16_t animate = 1;           // 0: every ply lands at once
  int16_t liftMax = 20;          // how high a moving piece rises over its shadow
  int16_t liftStep = 5;          // pixels a frame by which it rises and sinks
  // The settings added after the first 23 bytes start as the record's own
  // defaults, which is what a file without them means.
  int16_t realPace = SettingsRecord().realPace;          // plies come at the pace the game was played
  int16_t realPaceFactor = kDefaultRealPaceFactor;       // ... divided by this: 1, 2, 5, 10, 30 or 60
  int16_t showComments = SettingsRecord().showComments;  // comments and evaluations on the console
  int16_t scalingMode = kScalingSharp;  // the frame on a larger screen: 0 sharp, 1 pixel-perfect, 2 smooth
  int16_t followLiveGames = SettingsRecord().followLiveGames;  // a game file that grows is followed
  ArtSelection art;
};

// The viewer's options from the settings file, field by field.
ViewerOptions ViewerOptionsFrom(const SettingsFile& settings);
