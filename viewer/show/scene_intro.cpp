// The first eight seconds of a run: the intro on the console and the
// measurement of the frame rate, from which the slide time and the period
// of the play timer follow. After it, the console window shows the ticker.
#include "viewer/show/calendar_time.h"
#include "viewer/show/viewer_app.h"

namespace {

// The intro line for each second of the measurement.
const char* IntroLine(int16_t second) {
  switch (second) {
    case 1: return "Tarnw         ";
    case 2: return "Tarnwicke     ";
    case 3: return "Tarnwicket    ";
    case 4: return "Tarnwicket 1.0";
    case 5:
    case 6: return "by: Ordo Velux";
    default: return "              ";
  }
}

}  // namespace

// Counts the frames of each calendar second; seconds 3 to 8 make the
// average. At its end the play timer starts.
void ViewerApp::MeasureFrameRate() {
  if (secondsCounted >= 8) return;
  const int64_t now = CalendarSeconds();
  if (now > lastSecond) {
    lastSecond = now;
    ++secondsCounted;
    fps = framesThisSecond;
    framesThisSecond = 0;
    frameSum = secondsCounted <= 2 ? 0 : frameSum + fps;
  }
  if (secondsCounted < 8) return;
  fps = frameSum / 6;
  // A piece speed outside 0 to 20 (a hand-made settings file) counts as the
  // nearest end of the range, so the slide time never turns negative.
  const int32_t speed = speedSetting < 0 ? 0 : (speedSetting > 20 ? 20 : speedSetting);
  const int32_t speedFactor = 5 * (20 - speed) / 12 + 1;
  const int32_t divisor = fps != 0 ? fps : 1;
  moveFrames = speedFactor * 16000 / divisor;
  // A negative move delay can make the period zero or negative, which the
  // system would take as an endless wait; the timer's shortest period
  // stands in.
  const int32_t period = delayMs + moveFrames;
  StartTimer(static_cast<UINT>(period >= 10 ? period : 10));
}

void ViewerApp::DrawTickerOrIntro(LPDIRECTDRAWSURFACE target) {
  if (secondsCounted > 7) {
    DrawText(tickerText, kTickerCells, 559, 336, target);
    const int32_t stepEvery = fps / 10;
    if (stepEvery == 0 || framesThisSecond % stepEvery == 0) TickerStep();
    return;
  }
  DrawText(IntroLine(secondsCounted), kTickerCells, 559, 336, target);
  // The intro music starts once, when the first line shows, and plays on.
  if (secondsCounted == 1 && introMusicStarted == 0) {
    introMusicStarted = 1;
    PlayViewerSound(random.Choose(20) == 0 ? 146 : 145);
  }
  Blit(whiteShadows[kKing], 0, 0, 48, 100, target, 301, 400, 0, 1);
  Blit(whitePieces[kKing], 0, 0, 48, 100, target, 301, 400, 0, 1);
}
