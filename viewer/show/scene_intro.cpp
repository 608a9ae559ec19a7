// The first eight seconds of a run: the intro on the console and the
// measurement of the frame rate, from which the slide time and the period
// of the play timer follow. After it, the console window shows the ticker.
#include "art/resource_catalog.h"
#include "common/frame_geometry.h"
#include "viewer/frame/program_version.h"
#include "viewer/show/calendar_time.h"
#include "viewer/show/viewer_app.h"

using namespace frame_geometry;

namespace {

// The intro line for each second of the measurement.
const char* IntroLine(int16_t second) {
  switch (second) {
    case 1: return "Tarnw         ";
    case 2: return "Tarnwicke     ";
    case 3: return "Tarnwicket    ";
    case 4: return "Tarnwicket " TARNWICKET_VERSION;
    case 5:
    case 6: return "by: Ordo Velux";
    default: return "              ";
  }
}

}  // namespace

// Counts the frames of each calendar second; seconds 3 to 8 make the
// average. At its end the play timer starts.
void ViewerApp::MeasureFrameRate() {
  if (frameRate_.secondsCounted >= 8) return;
  const int64_t now = CalendarSeconds();
  if (now > frameRate_.lastSecond) {
    frameRate_.lastSecond = now;
    ++frameRate_.secondsCounted;
    frameRate_.fps = frameRate_.framesThisSecond;
    frameRate_.framesThisSecond = 0;
    frameRate_.frameSum = frameRate_.secondsCounted <= 2 ? 0 : frameRate_.frameSum + frameRate_.fps;
  }
  if (frameRate_.secondsCounted < 8) return;
  frameRate_.fps = frameRate_.frameSum / 6;
  // A piece speed outside 0 to 20 (a hand-made settings file) counts as the
  // nearest end of the range, so the slide time never turns negative.
  const int32_t speed = options_.speedSetting < 0 ? 0 : (options_.speedSetting > 20 ? 20 : options_.speedSetting);
  const int32_t speedFactor = 5 * (20 - speed) / 12 + 1;
  const int32_t divisor = frameRate_.fps != 0 ? frameRate_.fps : 1;
  play_.moveFrames = speedFactor * 16000 / divisor;
  SetPlayTimer(PlayTimerPeriodMs());
}

void ViewerApp::DrawTickerOrIntro(LPDIRECTDRAWSURFACE target) {
  if (frameRate_.secondsCounted > 7) {
    DrawText(ticker_.text(), kTickerField.cells, kTickerField.x, kTickerField.y, target);
    const int32_t stepEvery = frameRate_.fps / 10;
    if (stepEvery == 0 || frameRate_.framesThisSecond % stepEvery == 0) ticker_.Step();
    return;
  }
  DrawText(IntroLine(frameRate_.secondsCounted), kTickerField.cells, kTickerField.x, kTickerField.y, target);
  // The intro music starts once, when the first line shows, and plays on.
  if (frameRate_.secondsCounted == 1 && scene_.introMusicStarted == 0) {
    scene_.introMusicStarted = 1;
    PlayViewerSound(random_.Choose(20) == 0 ? IDW_INTRO_RARE : IDW_INTRO);
  }
  Blit(surfaces_.whiteShadows[kKing], 0, 0, kSpriteWidth, kSpriteHeight, target, kIntroKing.x, kIntroKing.y, 0, 1);
  Blit(surfaces_.whitePieces[kKing], 0, 0, kSpriteWidth, kSpriteHeight, target, kIntroKing.x, kIntroKing.y, 0, 1);
}
