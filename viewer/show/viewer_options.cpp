// How the viewer reads each field of the settings record.
#include "viewer/show/viewer_options.h"

ArtSelection ArtSelection::FromLayout(const LayoutRecord& layout) {
  ArtSelection art;
  art.blackPieceSet = static_cast<int8_t>(layout.blackPieceSet);
  art.whitePieceSet = static_cast<int8_t>(layout.whitePieceSet);
  art.backdropIndex = layout.backdropIndex;
  art.consolePicture = layout.consoleIndex;
  art.boardIndex = layout.boardIndex;
  art.consoleStyle = layout.consoleStyle;
  return art;
}

ViewerOptions ViewerOptionsFrom(const SettingsFile& settings) {
  ViewerOptions options;
  const SettingsRecord& r = settings.record;
  const auto has = [&](const auto& field) { return settings.Holds(field); };
  const auto flag = [](uint8_t value) { return static_cast<int16_t>(value == 1); };

  // windowedMode: the frame's choice (FullScreenChoice), which the viewer copies.
  if (has(r.moveDelay)) options.delayMs = r.moveDelay * 500;
  if (has(r.nextGameDelay)) options.gameEndWait = r.nextGameDelay;
  if (has(r.firstMoveDelay)) options.openingWait = r.firstMoveDelay;
  if (has(r.pieceSpeed)) options.speedSetting = r.pieceSpeed;
  // reservedFlag: read and not used.
  if (has(r.useRandomLayouts)) options.randomLayouts = r.useRandomLayouts;
  if (has(r.autoplay)) options.startPaused = static_cast<int16_t>(r.autoplay != 1);
  if (has(r.highlightMoves)) options.highlightMoves = flag(r.highlightMoves);
  if (has(r.scrollAnnouncementsForever)) options.pinTicker = static_cast<int16_t>(r.scrollAnnouncementsForever != 1);
  if (has(r.randomGameOrder)) options.randomOrder = flag(r.randomGameOrder);
  if (has(r.removeHeaderQuotes)) options.bareTagValues = r.removeHeaderQuotes;
  if (has(r.waitForAnnouncements)) options.holdForTicker = flag(r.waitForAnnouncements);
  if (has(r.blackPieceSet)) options.art.blackPieceSet = static_cast<int8_t>(r.blackPieceSet);
  if (has(r.whitePieceSet)) options.art.whitePieceSet = static_cast<int8_t>(r.whitePieceSet);
  if (has(r.sound)) options.soundOn = r.sound;
  if (has(r.headerLeftDisplayed)) options.pinnedLine = r.headerLeftDisplayed;
  if (has(r.hideBlankHeaderEntries)) options.blankUnknownTags = r.hideBlankHeaderEntries;
  if (has(r.animationStyle)) {
    // Sliding, then low, medium and high jumps; anything else lands at once.
    struct Animation {
      int16_t animate, liftMax, liftStep;
    };
    static const Animation kStyles[5] = {{0, 0, 0}, {1, 0, 0}, {1, 14, 2}, {1, 30, 5}, {1, 100, 10}};
    const Animation style = r.animationStyle < 5 ? kStyles[r.animationStyle] : kStyles[0];
    options.animate = style.animate;
    options.liftMax = style.liftMax;
    options.liftStep = style.liftStep;
  }
  if (has(r.backdropIndex)) options.art.backdropIndex = r.backdropIndex;
  if (has(r.consoleIndex)) options.art.consolePicture = r.consoleIndex;
  if (has(r.boardIndex)) options.art.boardIndex = r.boardIndex;
  if (has(r.consoleStyle)) options.art.consoleStyle = r.consoleStyle;
  if (has(r.realPace)) options.realPace = flag(r.realPace);
  if (has(r.realPaceFactor)) options.realPaceFactor = static_cast<int16_t>(RealPaceFactorOf(r.realPaceFactor));
  if (has(r.showComments)) options.showComments = flag(r.showComments);
  if (has(r.scalingMode)) options.scalingMode = static_cast<int16_t>(ScalingModeOf(r.scalingMode));
  if (has(r.followLiveGames)) options.followLiveGames = flag(r.followLiveGames);
  return options;
}
