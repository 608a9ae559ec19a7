// SetTimer and KillTimer: timers that make one WM_TIMER when due and the
// queue holds nothing else, at most one pending per timer, as on Windows.
#include <algorithm>

#include "platform/src/clock_platform.h"
#include "platform/src/window_queue.h"
#include "platform/src/window_table.h"

namespace {

uint32_t ClampPeriod(UINT elapse) {
  if (elapse < USER_TIMER_MINIMUM) return USER_TIMER_MINIMUM;
  if (elapse > USER_TIMER_MAXIMUM) return USER_TIMER_MAXIMUM;
  return elapse;
}

}  // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  WindowSystem& system = Windows();
  if (hWnd != nullptr && FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  UINT_PTR id = nIDEvent;
  if (hWnd == nullptr) {
    // A thread timer: a new identifier unless it names a running thread timer.
    const bool running = std::any_of(system.timers.begin(), system.timers.end(), [&](const WindowTimer& timer) {
      return timer.window == nullptr && timer.id == nIDEvent;
    });
    if (!running) id = system.nextThreadTimerId++;
  }
  const uint64_t due = ClockMilliseconds() + ClampPeriod(uElapse);
  for (WindowTimer& timer : system.timers) {
    if (timer.window == hWnd && timer.id == id) {
      timer.period = ClampPeriod(uElapse);
      timer.due = due;
      timer.procedure = lpTimerFunc;
      return hWnd != nullptr && id == 0 ? 1 : id;
    }
  }
  system.timers.push_back(WindowTimer{hWnd, id, ClampPeriod(uElapse), due, lpTimerFunc});
  return hWnd != nullptr && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  auto& timers = Windows().timers;
  const auto found = std::find_if(timers.begin(), timers.end(), [&](const WindowTimer& timer) {
    return timer.window == hWnd && timer.id == uIDEvent;
  });
  if (found == timers.end()) return FALSE;
  timers.erase(found);
  return TRUE;
}

bool TakeDueTimer(HWND filter, MSG* message, bool remove) {
  const uint64_t now = ClockMilliseconds();
  WindowTimer* earliest = nullptr;
  for (WindowTimer& timer : Windows().timers) {
    if (timer.due > now) continue;
    if (filter == reinterpret_cast<HWND>(-1)) {
      if (timer.window != nullptr) continue;
    } else if (filter != nullptr && timer.window != filter && TopLevelOf(timer.window) != filter) {
      continue;
    }
    if (earliest == nullptr || timer.due < earliest->due) earliest = &timer;
  }
  if (earliest == nullptr) return false;
  *message = MSG{};
  message->hwnd = earliest->window;
  message->message = WM_TIMER;
  message->wParam = earliest->id;
  message->lParam = reinterpret_cast<LPARAM>(earliest->procedure);
  if (remove) earliest->due = now + earliest->period;
  return true;
}

bool NextTimerDue(uint64_t* due) {
  const auto& timers = Windows().timers;
  if (timers.empty()) return false;
  *due = std::min_element(timers.begin(), timers.end(), [](const WindowTimer& a, const WindowTimer& b) {
           return a.due < b.due;
         })->due;
  return true;
}
