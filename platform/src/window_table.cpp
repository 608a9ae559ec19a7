// The window table, class lookup and activation.
#include "platform/src/window_table.h"

#include <strings.h>

#include "platform/src/core_backend.h"
#include "platform/src/headless_state.h"
#include "platform/src/present_window.h"
#include "platform/src/window_input.h"

WindowSystem& Windows() {
  static WindowSystem system;
  return system;
}

WindowRecord* FindWindowRecord(HWND window) {
  if (window == nullptr) return nullptr;
  auto& windows = Windows().windows;
  const auto found = windows.find(window);
  return found == windows.end() ? nullptr : found->second.get();
}

WindowClass* FindWindowClass(LPCSTR classNameOrAtom) {
  if (classNameOrAtom == nullptr) return nullptr;
  for (auto& windowClass : Windows().classes) {
    if (IS_INTRESOURCE(classNameOrAtom)) {
      if (windowClass->atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(classNameOrAtom)))
        return windowClass.get();
    } else if (strcasecmp(windowClass->name.c_str(), classNameOrAtom) == 0) {
      return windowClass.get();
    }
  }
  return nullptr;
}

bool IsTopLevel(const WindowRecord& record) { return (record.style & WS_CHILD) == 0; }

HWND TopLevelOf(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  while (record != nullptr && !IsTopLevel(*record) && record->parent != nullptr) {
    window = record->parent;
    record = FindWindowRecord(window);
  }
  return window;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> result;
  for (auto& entry : Windows().windows)
    if (IsTopLevel(*entry.second)) result.push_back(entry.first);
  return result;
}

void SetApplicationActive(bool active) {
  WindowSystem& system = Windows();
  if (system.appActive == active) return;
  system.appActive = active;
  for (HWND window : TopLevelWindows())
    if (FindWindowRecord(window) != nullptr) SendMessageA(window, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
  if (!active && system.activeWindow != nullptr) {
    HWND previous = system.activeWindow;
    system.activeWindow = nullptr;
    if (FindWindowRecord(previous) != nullptr) SendMessageA(previous, WM_ACTIVATE, WA_INACTIVE, 0);
  }
}

void ActivateWindow(HWND window) {
  WindowSystem& system = Windows();
  if (FindWindowRecord(window) == nullptr) return;
  SetApplicationActive(true);
  if (system.activeWindow == window) return;
  HWND previous = system.activeWindow;
  system.activeWindow = window;
  if (previous != nullptr && FindWindowRecord(previous) != nullptr)
    SendMessageA(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
  SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
  if (FindWindowRecord(window) != nullptr && TopLevelOf(system.focusWindow) != window) SetFocus(window);
}

void WindowSystemReset() {
  WindowSystem& system = Windows();
  for (auto& entry : system.windows)
    if (IsTopLevel(*entry.second)) PresentDestroyWindow(entry.first);
  const uintptr_t nextHandle = system.nextHandle;  // handles are never reused
  system = WindowSystem{};
  system.nextHandle = nextHandle;
  InputReset();
}
