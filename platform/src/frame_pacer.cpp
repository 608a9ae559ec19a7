// Frame pacing on SDL's performance counter.
#include "platform/src/frame_pacer.h"

#include <SDL.h>

namespace {

// With real vsync a frame may come a little early; a quarter period of slack
// keeps the guard from ever costing a refresh.
constexpr double kVsyncGuardFraction = 0.75;

void SleepUntil(uint64_t due) {
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  for (;;) {
    const uint64_t now = SDL_GetPerformanceCounter();
    if (now >= due) return;
    const uint64_t remainingMs = (due - now) * 1000 / frequency;
    if (remainingMs == 0) return;
    SDL_Delay(static_cast<Uint32>(remainingMs));
  }
}

}  // namespace

void FramePacer::Configure(double refreshPeriodSeconds, bool rendererWaitsForVsync) {
  period_ = refreshPeriodSeconds;
  vsync_ = rendererWaitsForVsync;
  nextDue_ = 0;
}

void FramePacer::WaitForNextRefresh() {
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  const auto periodTicks = static_cast<uint64_t>(period_ * static_cast<double>(frequency));
  const uint64_t now = SDL_GetPerformanceCounter();
  if (vsync_) {
    if (lastPresent_ != 0)
      SleepUntil(lastPresent_ + static_cast<uint64_t>(kVsyncGuardFraction * static_cast<double>(periodTicks)));
    return;
  }
  // A steady schedule of refreshes; after a stall it starts again from now.
  if (nextDue_ == 0 || now > nextDue_ + periodTicks) {
    nextDue_ = now + periodTicks;
    return;
  }
  SleepUntil(nextDue_);
  nextDue_ += periodTicks;
}

void FramePacer::Presented() { lastPresent_ = SDL_GetPerformanceCounter(); }
