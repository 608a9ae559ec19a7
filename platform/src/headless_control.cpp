// The headless backend's test controls: switch, reset, clock, frames, logs.
#include <SDL.h>

#include <cstdlib>
#include <deque>

#include "platform/src/clock_platform.h"
#include "platform/src/ddraw_registry.h"
#include "platform/src/headless_state.h"
#include "platform/src/window_input.h"

namespace {

struct HeadlessState {
  int presentedFrames = 0;
  headless::Frame lastFrame;
  std::vector<headless::MessageBoxRecord> messageBoxes;
  std::deque<int> queuedAnswers;
  std::vector<headless::SoundRecord> sounds;
};

bool forcedByTest = false;

// Frames a second of the virtual display a program run headless from the
// command line presents to (TARNWICKET_HEADLESS_REFRESH); 0: the clock stands
// still, as tests want it.
int EnvironmentRefreshHz() {
  static const int hz = [] {
    const char* value = std::getenv("TARNWICKET_HEADLESS_REFRESH");
    const int parsed = value != nullptr ? std::atoi(value) : 0;
    return parsed >= 1 && parsed <= 1000 ? parsed : 0;
  }();
  return hz;
}

// Advances the virtual clock by one refresh period, in whole milliseconds
// that add up to exact seconds.
void WaitForVirtualRefresh() {
  static int framesThisSecond = 0;
  const int hz = EnvironmentRefreshHz();
  if (hz == 0 || forcedByTest) return;
  const int before = framesThisSecond * 1000 / hz;
  framesThisSecond = (framesThisSecond + 1) % hz;
  const int after = framesThisSecond == 0 ? 1000 : framesThisSecond * 1000 / hz;
  VirtualClockAdvance(static_cast<uint64_t>(after - before));
}

HeadlessState& State() {
  static HeadlessState state;
  return state;
}

// The button a message box of this type answers with by default.
int DefaultAnswer(UINT type) {
  static const int buttons[][3] = {
      {IDOK, IDOK, IDOK},             // MB_OK
      {IDOK, IDCANCEL, IDCANCEL},     // MB_OKCANCEL
      {IDABORT, IDRETRY, IDIGNORE},   // MB_ABORTRETRYIGNORE
      {IDYES, IDNO, IDCANCEL},        // MB_YESNOCANCEL
      {IDYES, IDNO, IDNO},            // MB_YESNO
      {IDRETRY, IDCANCEL, IDCANCEL},  // MB_RETRYCANCEL
  };
  const UINT kind = type & MB_TYPEMASK;
  const UINT defaultButton = (type & MB_DEFMASK) >> 8;
  if (kind > 5 || defaultButton > 2) return IDOK;
  return buttons[kind][defaultButton];
}

}  // namespace

bool HeadlessForcedByTest() { return forcedByTest; }

void HeadlessStoreFrame(const uint32_t* pixels, int width, int height, int pitch) {
  HeadlessState& state = State();
  headless::Frame& frame = state.lastFrame;
  frame.width = width;
  frame.height = height;
  frame.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(y) * pitch);
    for (int x = 0; x < width; ++x) frame.pixels[static_cast<size_t>(y) * width + x] = row[x] & 0x00FFFFFFu;
  }
  ++state.presentedFrames;
  WaitForVirtualRefresh();
}

int HeadlessAnswerMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  HeadlessState& state = State();
  int answer = DefaultAnswer(type);
  if (!state.queuedAnswers.empty()) {
    answer = state.queuedAnswers.front();
    state.queuedAnswers.pop_front();
  }
  headless::MessageBoxRecord record;
  record.owner = owner;
  record.text = text != nullptr ? text : "";
  record.caption = caption != nullptr ? caption : "Error";
  record.type = type;
  record.answer = answer;
  state.messageBoxes.push_back(record);
  return answer;
}

void HeadlessLogSound(LPCSTR sound, HMODULE module, DWORD flags) {
  headless::SoundRecord record;
  record.module = module;
  if (sound != nullptr && IS_INTRESOURCE(sound))
    record.resourceId = static_cast<unsigned>(reinterpret_cast<uintptr_t>(sound));
  else if (sound != nullptr)
    record.name = sound;
  record.flags = flags;
  record.timeMs = ClockMilliseconds();
  State().sounds.push_back(record);
}

namespace headless {

void Enable() { forcedByTest = true; }

void Reset() {
  WindowSystemReset();
  DirectDrawResetLostMarks();
  CursorReset();
  VirtualClockReset();
  HeadlessState& state = State();
  state.presentedFrames = 0;
  state.lastFrame.width = 0;
  state.lastFrame.height = 0;
  state.lastFrame.pixels.clear();
  state.messageBoxes.clear();
  state.queuedAnswers.clear();
  state.sounds.clear();
}

void AdvanceClock(uint32_t milliseconds) { VirtualClockAdvance(milliseconds); }
uint64_t ClockMilliseconds() { return ::ClockMilliseconds(); }
void SetCalendarTime(int64_t unixSeconds) { VirtualClockSetCalendar(unixSeconds); }

void KeyDown(int virtualKey) { InputKey(virtualKey, true, false); }
void KeyUp(int virtualKey) { InputKey(virtualKey, false, false); }
void KeyRepeat(int virtualKey) { InputKey(virtualKey, true, true); }
void KeyPress(int virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

void MouseMove(HWND window, int x, int y) { InputMouseMove(window, x, y); }
void MouseButton(HWND window, int x, int y, bool down, int button) { InputMouseButton(window, x, y, button, down); }
void Activate(bool active) { InputActivateApp(active); }
void CloseWindow(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

int PresentedFrameCount() { return State().presentedFrames; }
const Frame& LastFrame() { return State().lastFrame; }

bool SaveLastFrame(const std::string& bmpPath) {
  Frame& frame = State().lastFrame;
  if (frame.width == 0 || frame.height == 0) return false;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(frame.pixels.data(), frame.width, frame.height, 32,
                                                            frame.width * 4, SDL_PIXELFORMAT_RGB888);
  if (surface == nullptr) return false;
  SDL_Surface* rgb24 = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_BGR24, 0);
  SDL_FreeSurface(surface);
  if (rgb24 == nullptr) return false;
  const bool saved = SDL_SaveBMP(rgb24, bmpPath.c_str()) == 0;
  SDL_FreeSurface(rgb24);
  return saved;
}

void LoseSurface(IDirectDrawSurface* surface) { DirectDrawLoseSurface(surface); }
void LoseAllSurfaces() { DirectDrawLoseAllSurfaces(); }

const std::vector<MessageBoxRecord>& MessageBoxes() { return State().messageBoxes; }
void QueueMessageBoxAnswer(int answer) { State().queuedAnswers.push_back(answer); }
const std::vector<SoundRecord>& Sounds() { return State().sounds; }

}  // namespace headless
