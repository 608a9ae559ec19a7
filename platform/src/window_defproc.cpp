// DefWindowProcA: the default processing of the messages in the subset.
#include <algorithm>
#include <cstring>

#include "platform/src/window_table.h"

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindWindowRecord(hWnd);
  if (record == nullptr) return 0;
  switch (Msg) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (create != nullptr && create->lpszName != nullptr) record->text = create->lpszName;
      return TRUE;
    }
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_PAINT: record->needsPaint = false; return 0;
    case WM_ERASEBKGND: return 0;
    case WM_SETTEXT: record->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : ""; return TRUE;
    case WM_GETTEXT: {
      if (wParam == 0 || lParam == 0) return 0;
      const size_t length = std::min(record->text.size(), static_cast<size_t>(wParam) - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), record->text.data(), length);
      reinterpret_cast<char*>(lParam)[length] = '\0';
      return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(record->text.size());
    case WM_NCHITTEST: return HTCLIENT;
    case WM_SETCURSOR:
      // A child lets its parent choose first, then shows its class cursor.
      if (!IsTopLevel(*record) && record->parent != nullptr &&
          SendMessageA(record->parent, WM_SETCURSOR, wParam, lParam) != 0)
        return TRUE;
      if (static_cast<SHORT>(LOWORD(lParam)) == HTCLIENT && record->classCursor != nullptr)
        SetCursor(record->classCursor);
      return FALSE;
    case WM_MOUSEACTIVATE:
      if (!IsTopLevel(*record) && record->parent != nullptr) {
        const LRESULT parentAnswer = SendMessageA(record->parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (parentAnswer != 0) return parentAnswer;
      }
      return MA_ACTIVATE;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1 << 29)) != 0) SendMessageA(TopLevelOf(hWnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(hWnd, WM_CLOSE, 0, 0);
      return 0;
    default: return 0;
  }
}
