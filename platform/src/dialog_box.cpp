// DialogBoxParamA and EndDialog: making a dialog and its controls from a
// template resource, and the modal loop that runs it.
#include <cctype>
#include <string>

#include "platform/src/core_backend.h"
#include "platform/src/dialog_base_units.h"
#include "platform/src/dialog_idle.h"
#include "platform/src/dialog_paint.h"
#include "platform/src/dialog_state.h"
#include "platform/src/dialog_template.h"
#include "platform/src/module_registry.h"
#include "platform/src/present_window.h"
#include "platform/src/window_table.h"

namespace {

constexpr uint16_t kResourceTypeDialog = 5;
constexpr DWORD kErrorResourceNotFound = 1812;
constexpr DWORD kErrorInvalidData = 13;

std::string ClassNameOf(const DialogItemTemplate& item) {
  if (item.windowClass.isOrdinal) return PredefinedControlClass(item.windowClass.ordinal);
  return item.windowClass.text;
}

bool SameClass(const std::string& a, const char* b) {
  if (a.size() != std::char_traits<char>::length(b)) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The picture a bitmap static names in its template: a resource ordinal or name.
HBITMAP LoadTemplatePicture(HINSTANCE instance, const DialogNameField& title) {
  if (title.isOrdinal)
    return static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(title.ordinal), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (title.text.empty()) return nullptr;
  return static_cast<HBITMAP>(LoadImageA(instance, title.text.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Makes one control; the classes and styles outside the subset fail loudly.
HWND CreateControl(HWND dialog, HINSTANCE instance, const DialogItemTemplate& item) {
  const std::string className = ClassNameOf(item);
  const int x = DialogUnitsToPixelsX(item.x);
  const int y = DialogUnitsToPixelsY(item.y);
  const int width = DialogUnitsToPixelsX(item.cx);
  const int height = DialogUnitsToPixelsY(item.cy);
  const DWORD style = (item.style | WS_CHILD) & ~static_cast<DWORD>(WS_POPUP);
  HMENU id = reinterpret_cast<HMENU>(static_cast<intptr_t>(item.id));

  if (SameClass(className, "Button")) {
    if ((item.style & BS_TYPEMASK) != BS_OWNERDRAW)
      PlatformFail("DialogBoxParamA", "only owner-drawn buttons (BS_OWNERDRAW) are supported");
    HWND control =
        CreateWindowExA(item.exStyle, "Button", "", style, x, y, width, height, dialog, id, instance, nullptr);
    if (control != nullptr) AddDialogControl(control, DialogControl::Kind::OwnerDrawnButton);
    return control;
  }
  if (SameClass(className, "Static")) {
    if ((item.style & SS_TYPEMASK) != SS_BITMAP)
      PlatformFail("DialogBoxParamA", "only bitmap statics (SS_BITMAP) are supported");
    HWND control = CreateWindowExA(item.exStyle, "Static", "", style & ~static_cast<DWORD>(WS_VISIBLE), x, y, width,
                                   height, dialog, id, instance, nullptr);
    if (control == nullptr) return nullptr;
    DialogControl& state = AddDialogControl(control, DialogControl::Kind::BitmapStatic);
    state.image = LoadTemplatePicture(instance, item.title);
    state.ownsImage = state.image != nullptr;
    BITMAP size{};
    if (state.image != nullptr && GetObjectA(state.image, sizeof size, &size) == sizeof size)
      MoveWindow(control, x, y, size.bmWidth, size.bmHeight, FALSE);
    if ((item.style & WS_VISIBLE) != 0) ShowWindow(control, SW_SHOWNA);
    return control;
  }
  PlatformFail("DialogBoxParamA", ("control class outside the subset: " + className).c_str());
}

// Makes the dialog window, its controls, and sends WM_INITDIALOG. Null when
// the template cannot be read or a window cannot be made.
HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& form, HWND owner, DLGPROC procedure,
                              LPARAM initParam) {
  EnsureDialogClasses();
  if (!form.menu.isOrdinal && !form.menu.text.empty())
    PlatformFail("DialogBoxParamA", "dialogs with menus are not supported");
  const int width = DialogUnitsToPixelsX(form.cx);
  const int height = DialogUnitsToPixelsY(form.cy);
  const DWORD style = form.style & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD);
  HWND window = CreateWindowExA(form.exStyle, kDialogClassName, form.title.c_str(), style, form.x, form.y, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  DialogWindow& dialog = AddDialogWindow(window);
  dialog.owner = owner;
  dialog.width = width;
  dialog.height = height;
  dialog.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kDialogBackground);

  HWND firstTabStop = nullptr;
  for (const DialogItemTemplate& item : form.items) {
    HWND control = CreateControl(window, instance, item);
    if (control == nullptr) {
      DestroyWindow(window);
      return nullptr;
    }
    if (firstTabStop == nullptr && (item.style & WS_TABSTOP) != 0) firstTabStop = control;
  }
  // The procedure sees no message before WM_INITDIALOG.
  dialog.procedure = procedure;
  const LRESULT setFocus = SendMessageA(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), initParam);
  if (FindDialogWindow(window) == nullptr) return nullptr;
  if (setFocus != 0 && firstTabStop != nullptr) SetFocus(firstTabStop);
  return window;
}

bool IsInputMessage(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// The dialog's next (or previous) control with WS_TABSTOP after `from`, in
// the template's order, wrapping; null when it has none.
HWND NextTabStop(HWND dialog, HWND from, bool backwards) {
  const WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr || record->children.empty()) return nullptr;
  const std::vector<HWND>& children = record->children;
  const int count = static_cast<int>(children.size());
  int start = backwards ? 0 : count - 1;
  for (int i = 0; i < count; ++i) {
    if (children[static_cast<size_t>(i)] == from) start = i;
  }
  for (int step = 1; step <= count; ++step) {
    const int i = ((start + (backwards ? -step : step)) % count + count) % count;
    const WindowRecord* child = FindWindowRecord(children[static_cast<size_t>(i)]);
    if (child != nullptr && (child->style & WS_TABSTOP) != 0 && child->visible && child->enabled) return child->handle;
  }
  return nullptr;
}

// Enter and Escape in a dialog press its OK and Cancel buttons; Tab and
// Shift+Tab move the focus between its tab stops, and Space presses the
// button that has it, as the system's dialog manager does.
bool HandleDialogKey(HWND dialog, const MSG& message) {
  if (message.message != WM_KEYDOWN || TopLevelOf(message.hwnd) != dialog) return false;
  if (message.wParam == VK_TAB) {
    const HWND next = NextTabStop(dialog, GetFocus(), (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (next != nullptr) SetFocus(next);
    return true;
  }
  if (message.wParam == VK_SPACE) {
    const HWND focus = GetFocus();
    if (focus == nullptr || focus == dialog || GetParent(focus) != dialog) return false;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return true;
  }
  int id = 0;
  if (message.wParam == VK_RETURN) id = IDOK;
  if (message.wParam == VK_ESCAPE) id = IDCANCEL;
  if (id == 0) return false;
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  return true;
}

// Runs messages until the dialog ends or a quit message comes.
void RunModalLoop(HWND window) {
  for (;;) {
    DialogWindow* dialog = FindDialogWindow(window);
    if (dialog == nullptr || dialog->ended) return;
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The quit message ends the dialog and stays for the program's loop.
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      // Windows that are disabled (the owners of modal dialogs) take no input.
      if (IsInputMessage(message.message) && !IsWindowEnabled(TopLevelOf(message.hwnd))) continue;
      if (HandleDialogKey(window, message)) continue;
      DispatchMessageA(&message);
      continue;
    }
    FlushDialogFrames();
    if (!PlatformHeadless()) {
      WaitMessage();
      continue;
    }
    if (!RunDialogIdleHandler(window))
      PlatformFail("DialogBoxParamA", "headless: a modal dialog waits for input that nothing will send");
  }
}

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  Module* module = ModuleOrProgram(hInstance);
  if (module == nullptr || lpTemplateName == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  const ResourceEntry* entry =
      module->resources.Find(ResourceKey::Number(kResourceTypeDialog), ResourceKey::FromArgument(lpTemplateName));
  if (entry == nullptr) {
    SetLastError(kErrorResourceNotFound);
    return -1;
  }
  DialogTemplate form;
  if (!ParseDialogTemplate(module->resources.DataOf(*entry), form)) {
    SetLastError(kErrorInvalidData);
    return -1;
  }
  HINSTANCE instance = HandleOfModule(module);
  HWND owner = hWndParent != nullptr ? TopLevelOf(hWndParent) : nullptr;
  if (FindWindowRecord(owner) == nullptr) owner = nullptr;

  HWND window = CreateDialogFromTemplate(instance, form, owner, lpDialogFunc, dwInitParam);
  if (window == nullptr) return -1;
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  // Modal dialogs are shown whether or not their template says WS_VISIBLE.
  ShowWindow(window, SW_SHOW);
  RunModalLoop(window);

  INT_PTR result = IDCANCEL;
  if (DialogWindow* dialog = FindDialogWindow(window)) result = dialog->ended ? dialog->result : IDCANCEL;
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindow(window);
  if (owner != nullptr && FindWindowRecord(owner) != nullptr) {
    // The owner comes back to the front with the keyboard.
    PresentShowWindow(owner, true);
    SetActiveWindow(owner);
  }
  return result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogWindow* dialog = FindDialogWindow(hDlg);
  if (dialog == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  dialog->ended = true;
  dialog->result = nResult;
  return TRUE;
}
