// Presentation over SDL: one SDL window, renderer and streaming texture per
// top-level window; frames paced to the display's refresh.
#include <SDL.h>

#include <cstdio>
#include <map>

#include "platform/src/core_backend.h"
#include "platform/src/frame_pacer.h"
#include "platform/src/headless_state.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

// The desktop size reported when there is no display (headless).
constexpr int kHeadlessDesktopWidth = 800;
constexpr int kHeadlessDesktopHeight = 600;

struct Presenter {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int textureWidth = 0;
  int textureHeight = 0;
  bool rendererWaitsForVsync = false;
  bool fullScreen = false;
  FramePacer pacer;
};

// Covers the window's display with the window itself. Without a window manager
// (Xvfb, kiosk sessions) the full-screen request alone leaves the window where
// and as large as it was while SDL scales for the whole display, and the frame
// is cut; the geometry set again after the request reaches the window.
void CoverDisplay(SDL_Window* window) {
  SDL_Rect desktop{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &desktop) != 0) return;
  SDL_SetWindowPosition(window, desktop.x, desktop.y);
  SDL_SetWindowSize(window, desktop.w, desktop.h);
}

std::map<HWND, Presenter>& Presenters() {
  static std::map<HWND, Presenter> presenters;
  return presenters;
}

bool videoReady = false;

bool EnsureVideo() {
  if (videoReady) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "platform: no display (%s); set TARNWICKET_HEADLESS=1 to run without one\n", SDL_GetError());
    return false;
  }
  videoReady = true;
  return true;
}

Presenter* FindPresenter(HWND window) {
  auto& presenters = Presenters();
  auto found = presenters.find(TopLevelOf(window));
  return found == presenters.end() ? nullptr : &found->second;
}

// The refresh rate of the window's display in hertz, 0 where it is unknown (Xvfb).
int RefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(window, &mode) == 0 && mode.refresh_rate > 0) return mode.refresh_rate;
  return 0;
}

// Paces at the display's refresh. A display without a known rate gets 60 Hz
// and no trust in the renderer's vsync, which such displays do not honour.
void ConfigurePacer(FramePacer& pacer, SDL_Window* window, bool rendererWaitsForVsync) {
  const int rate = RefreshRate(window);
  pacer.Configure(rate > 0 ? 1.0 / rate : 1.0 / 60.0, rendererWaitsForVsync && rate > 0);
}

bool EnsureRenderer(Presenter& presenter, int width, int height) {
  if (presenter.renderer == nullptr) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    presenter.renderer = SDL_CreateRenderer(presenter.window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (presenter.renderer == nullptr) presenter.renderer = SDL_CreateRenderer(presenter.window, -1, 0);
    if (presenter.renderer == nullptr) {
      std::fprintf(stderr, "platform: no renderer (%s)\n", SDL_GetError());
      return false;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(presenter.renderer, &info);
    presenter.rendererWaitsForVsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    ConfigurePacer(presenter.pacer, presenter.window, presenter.rendererWaitsForVsync);
  }
  if (presenter.texture == nullptr || presenter.textureWidth != width || presenter.textureHeight != height) {
    if (presenter.texture != nullptr) SDL_DestroyTexture(presenter.texture);
    presenter.texture =
        SDL_CreateTexture(presenter.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (presenter.texture == nullptr) return false;
    presenter.textureWidth = width;
    presenter.textureHeight = height;
    SDL_RenderSetLogicalSize(presenter.renderer, width, height);
  }
  return true;
}

void DestroyPresenter(Presenter& presenter) {
  if (presenter.texture != nullptr) SDL_DestroyTexture(presenter.texture);
  if (presenter.renderer != nullptr) SDL_DestroyRenderer(presenter.renderer);
  if (presenter.window != nullptr) SDL_DestroyWindow(presenter.window);
  presenter = Presenter{};
}

}  // namespace

bool PresentCreateWindow(HWND window, const char* title, int width, int height) {
  if (PlatformHeadless()) return true;
  if (!EnsureVideo()) return false;
  SDL_Window* sdlWindow = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width > 0 ? width : 1,
                                           height > 0 ? height : 1, SDL_WINDOW_HIDDEN);
  if (sdlWindow == nullptr) {
    std::fprintf(stderr, "platform: cannot create a window (%s)\n", SDL_GetError());
    return false;
  }
  Presenters()[window].window = sdlWindow;
  return true;
}

void PresentDestroyWindow(HWND window) {
  auto& presenters = Presenters();
  auto found = presenters.find(window);
  if (found == presenters.end()) return;
  DestroyPresenter(found->second);
  presenters.erase(found);
}

void PresentShowWindow(HWND window, bool visible) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr) return;
  if (visible) {
    SDL_ShowWindow(presenter->window);
    if (presenter->fullScreen) CoverDisplay(presenter->window);
    SDL_RaiseWindow(presenter->window);
  } else {
    SDL_HideWindow(presenter->window);
  }
}

void PresentSetFullScreen(HWND window, bool fullScreen) {
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr) return;
  presenter->fullScreen = fullScreen;
  SDL_SetWindowBordered(presenter->window, fullScreen ? SDL_FALSE : SDL_TRUE);
  if (fullScreen) CoverDisplay(presenter->window);
  SDL_SetWindowFullscreen(presenter->window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (fullScreen) CoverDisplay(presenter->window);
  if (presenter->renderer != nullptr)
    ConfigurePacer(presenter->pacer, presenter->window, presenter->rendererWaitsForVsync);
}

void PresentFrame(HWND window, const uint32_t* pixels, int width, int height, int pitch) {
  if (PlatformHeadless()) {
    HeadlessStoreFrame(pixels, width, height, pitch);
    return;
  }
  Presenter* presenter = FindPresenter(window);
  if (presenter == nullptr || !EnsureRenderer(*presenter, width, height)) return;
  SDL_UpdateTexture(presenter->texture, nullptr, pixels, pitch);
  SDL_SetRenderDrawColor(presenter->renderer, 0, 0, 0, 255);
  SDL_RenderClear(presenter->renderer);
  SDL_RenderCopy(presenter->renderer, presenter->texture, nullptr, nullptr);
  presenter->pacer.WaitForNextRefresh();
  SDL_RenderPresent(presenter->renderer);
  presenter->pacer.Presented();
}

void PresentShowPointer(bool visible) {
  if (videoReady && !PlatformHeadless()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void PresentDesktopSize(int* width, int* height) {
  SDL_DisplayMode mode{};
  if (!PlatformHeadless() && EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *width = mode.w;
    *height = mode.h;
    return;
  }
  *width = kHeadlessDesktopWidth;
  *height = kHeadlessDesktopHeight;
}

SDL_Window* PresentSdlWindowOf(HWND window) {
  Presenter* presenter = FindPresenter(window);
  return presenter != nullptr ? presenter->window : nullptr;
}

HWND PresentWindowForSdlId(uint32_t sdlWindowId) {
  for (auto& entry : Presenters())
    if (entry.second.window != nullptr && SDL_GetWindowID(entry.second.window) == sdlWindowId) return entry.first;
  return nullptr;
}

bool PresentVideoReady() { return videoReady; }
