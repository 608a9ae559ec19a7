// Modal dialogs from template resources, and the routing of the dialog
// manager's messages to the dialog objects.
#include "configurator/framework/dialog.h"

#ifdef _WIN32
#include "configurator/framework/design_layout.h"
#endif

#include <utility>
#include <vector>

namespace {

// The dialog objects whose windows exist, innermost last (pickers run inside
// the main dialog).
std::vector<std::pair<HWND, Dialog*>>& LiveDialogs() {
  static std::vector<std::pair<HWND, Dialog*>> dialogs;
  return dialogs;
}

Dialog* DialogOfWindow(HWND window) {
  for (const auto& entry : LiveDialogs())
    if (entry.first == window) return entry.second;
  return nullptr;
}

void ForgetWindow(HWND window) {
  auto& dialogs = LiveDialogs();
  for (auto it = dialogs.begin(); it != dialogs.end(); ++it) {
    if (it->first == window) {
      dialogs.erase(it);
      return;
    }
  }
}

}  // namespace

Dialog::Dialog(WORD templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() {
  if (window_ != nullptr) ForgetWindow(window_);
}

HINSTANCE Dialog::ProgramInstance() { return GetModuleHandleA(nullptr); }

INT_PTR Dialog::RunModal() {
  INT_PTR result = DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId_), parent_, DialogProcedure,
                                   reinterpret_cast<LPARAM>(this));
  if (window_ != nullptr) ForgetWindow(window_);
  window_ = nullptr;
  binding.Detach();
  return result;
}

void Dialog::Close(INT_PTR result) {
  if (window_ != nullptr) EndDialog(window_, result);
}

BOOL Dialog::OnInitDialog() { return TRUE; }

bool Dialog::OnCommand(WORD, WORD) { return false; }

void Dialog::OnOK() { Close(IDOK); }

void Dialog::OnCancel() { Close(IDCANCEL); }

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void Dialog::BindControls(ControlBinding&) {}

void Dialog::RefreshBinding() { binding.Attach(window_); }

INT_PTR CALLBACK Dialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Dialog* dialog = reinterpret_cast<Dialog*>(lParam);
    dialog->window_ = window;
#ifdef _WIN32
    PlaceDialogAtDesignLayout(window, ProgramInstance(), dialog->templateId_);
#endif
    LiveDialogs().emplace_back(window, dialog);
    dialog->binding = ControlBinding();
    dialog->BindControls(dialog->binding);
    dialog->RefreshBinding();
    return dialog->OnInitDialog();
  }
  Dialog* dialog = DialogOfWindow(window);
  if (dialog == nullptr) return FALSE;  // messages before WM_INITDIALOG
  return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    const WORD controlId = LOWORD(wParam);
    if (OnCommand(controlId, HIWORD(wParam))) return TRUE;
    if (controlId == IDOK) OnOK();
    if (controlId == IDCANCEL) OnCancel();
    return TRUE;
  }
  // The invisible buttons are owner-drawn and draw nothing, not even their
  // background (which some dialog managers fill with the brush asked for here).
  if (message == WM_DRAWITEM) return TRUE;
  if (message == WM_CTLCOLORBTN) return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
  INT_PTR result = FALSE;
  return OnMessage(message, wParam, lParam, result) ? result : FALSE;
}
