// The dialog window class: the default processing of a dialog's messages
// around its dialog procedure, as DefDlgProc does it.
#include "platform/src/dialog_paint.h"
#include "platform/src/dialog_state.h"

LRESULT DialogWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* dialog = FindDialogWindow(window);
  if (dialog == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: PaintDialog(*dialog); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE:
      // A dialog disabled under a modal one is neither activated nor clicked.
      if (!IsWindowEnabled(window)) return MA_NOACTIVATEANDEAT;
      break;
    case WM_NCDESTROY: RemoveDialogWindow(window); return DefWindowProcA(window, message, wParam, lParam);
    default: break;
  }

  if (dialog->procedure != nullptr) {
    const INT_PTR handled = dialog->procedure(window, message, wParam, lParam);
    if (handled != 0) return handled;
    dialog = FindDialogWindow(window);
    if (dialog == nullptr) return 0;
  }

  switch (message) {
    case WM_SETICON: {
      const int which = wParam == ICON_SMALL ? ICON_SMALL : ICON_BIG;
      HICON previous = dialog->icons[which];
      dialog->icons[which] = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON: return reinterpret_cast<LRESULT>(dialog->icons[wParam == ICON_SMALL ? ICON_SMALL : ICON_BIG]);
    case WM_CLOSE:
      // Closing a dialog's window is its Cancel.
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}
