// The thread's message queue: posting, sending, peeking, waiting, dispatching.
#include "platform/src/window_queue.h"

#include <algorithm>

#include "platform/src/clock_platform.h"
#include "platform/src/core_backend.h"
#include "platform/src/window_input.h"
#include "platform/src/window_table.h"

namespace {

bool MatchesFilter(const MSG& message, HWND filter, UINT first, UINT last) {
  if (filter == reinterpret_cast<HWND>(-1)) {
    if (message.hwnd != nullptr) return false;
  } else if (filter != nullptr) {
    if (message.hwnd != filter) {
      // The filter window's descendants count as the window itself.
      HWND ancestor = message.hwnd;
      while (ancestor != nullptr && ancestor != filter) {
        WindowRecord* record = FindWindowRecord(ancestor);
        ancestor = record != nullptr && !IsTopLevel(*record) ? record->parent : nullptr;
      }
      if (ancestor != filter) return false;
    }
  }
  if (first == 0 && last == 0) return true;
  return message.message >= first && message.message <= last;
}

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

void Stamp(MSG* message) {
  message->time = GetTickCount();
  message->pt = InputCursorScreenPosition();
}

// A window of the filter that waits for WM_PAINT.
HWND WindowNeedingPaint(HWND filter) {
  for (auto& entry : Windows().windows) {
    const WindowRecord& record = *entry.second;
    if (!record.needsPaint || !record.visible || record.destroying) continue;
    if (filter == nullptr || filter == entry.first || TopLevelOf(entry.first) == filter) return entry.first;
  }
  return nullptr;
}

}  // namespace

void QueueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG entry{};
  entry.hwnd = window;
  entry.message = message;
  entry.wParam = wParam;
  entry.lParam = lParam;
  Stamp(&entry);
  Windows().queue.push_back(entry);
}

BOOL PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (lpMsg == nullptr) return FALSE;
  if ((wRemoveMsg & ~static_cast<UINT>(PM_REMOVE | PM_NOYIELD)) != 0)
    PlatformFail("PeekMessageA", "only PM_NOREMOVE, PM_REMOVE and PM_NOYIELD are supported");
  const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
  PumpSdlEvents();
  WindowSystem& system = Windows();

  // Posted messages and input, in arrival order.
  auto& queue = system.queue;
  const auto found = std::find_if(queue.begin(), queue.end(), [&](const MSG& message) {
    return MatchesFilter(message, hWnd, wMsgFilterMin, wMsgFilterMax);
  });
  if (found != queue.end()) {
    *lpMsg = *found;
    if (remove) queue.erase(found);
    return TRUE;
  }

  // The quit message, once the posted messages are gone.
  if (system.quitPending && InRange(WM_QUIT, wMsgFilterMin, wMsgFilterMax)) {
    *lpMsg = MSG{};
    lpMsg->message = WM_QUIT;
    lpMsg->wParam = static_cast<WPARAM>(system.quitCode);
    Stamp(lpMsg);
    if (remove) system.quitPending = false;
    return TRUE;
  }

  // Paint requests stay until the window is validated.
  if (InRange(WM_PAINT, wMsgFilterMin, wMsgFilterMax)) {
    if (HWND window = WindowNeedingPaint(hWnd)) {
      *lpMsg = MSG{};
      lpMsg->hwnd = window;
      lpMsg->message = WM_PAINT;
      Stamp(lpMsg);
      return TRUE;
    }
  }

  // Timers last: a WM_TIMER is made only when nothing else waits.
  if (InRange(WM_TIMER, wMsgFilterMin, wMsgFilterMax) && TakeDueTimer(hWnd, lpMsg, remove)) {
    Stamp(lpMsg);
    return TRUE;
  }
  return FALSE;
}

BOOL WaitMessage() {
  for (;;) {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
    uint64_t due = 0;
    const bool timerRunning = NextTimerDue(&due);
    if (PlatformHeadless()) {
      if (!timerRunning)
        PlatformFail("WaitMessage", "headless: the queue is empty and no timer runs, nothing can arrive");
      const uint64_t now = ClockMilliseconds();
      if (due > now) ClockSleep(static_cast<uint32_t>(due - now));
      continue;
    }
    uint64_t wait = 100;
    if (timerRunning) {
      const uint64_t now = ClockMilliseconds();
      wait = due > now ? std::min<uint64_t>(due - now, wait) : 0;
    }
    WaitForSdlEvent(static_cast<uint32_t>(wait));
  }
}

BOOL GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (lpMsg == nullptr) return -1;
  while (!PeekMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) WaitMessage();
  return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
  if (lpMsg == nullptr || lpMsg->hwnd == nullptr) return 0;
  WindowRecord* record = FindWindowRecord(lpMsg->hwnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (lpMsg->message == WM_TIMER && lpMsg->lParam != 0) {
    auto procedure = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
    procedure(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
    return 0;
  }
  return record->procedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return record->procedure(hWnd, Msg, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (lpPrevWndFunc == nullptr) return 0;
  return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd != nullptr && FindWindowRecord(hWnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  QueueMessage(hWnd, Msg, wParam, lParam);
  return TRUE;
}

void PostQuitMessage(int nExitCode) {
  WindowSystem& system = Windows();
  system.quitPending = true;
  system.quitCode = nExitCode;
}

BOOL TranslateMessage(const MSG* lpMsg) {
  if (lpMsg == nullptr || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
  const int character = InputCharacterForKey(static_cast<int>(lpMsg->wParam));
  if (character == 0) return FALSE;
  QueueMessage(lpMsg->hwnd, lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(character),
               lpMsg->lParam);
  return TRUE;
}
