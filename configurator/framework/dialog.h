// Base class of the program's modal dialogs: a dialog made from a dialog
// template resource of the program. Derived dialogs receive the dialog's
// messages through OnMessage (a plain switch) and control notifications
// through OnCommand (usually a route table, see CommandRoute).
#pragma once

#include "platform/win32.h"

#include "configurator/framework/control_binding.h"

class Dialog {
 public:
  Dialog(WORD templateId, HWND parent);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the dialog window from its template and runs it modally; returns
  // the result given to Close (-1 when the dialog could not be created).
  INT_PTR RunModal();

  // Ends the modal run with a result.
  void Close(INT_PTR result);

  // The dialog window while it exists, otherwise null.
  HWND Window() const { return window_; }

  // The program's own module, for its pictures, waves and templates.
  static HINSTANCE ProgramInstance();

 protected:
  // Called once the window and its controls exist: bind the controls first,
  // then return TRUE to let the dialog manager focus the first control.
  virtual BOOL OnInitDialog();

  // A control notification; true when the dialog handled it. Unhandled OK
  // and Cancel buttons (and Enter and Escape) reach OnOK and OnCancel.
  virtual bool OnCommand(WORD controlId, WORD notification);
  virtual void OnOK();
  virtual void OnCancel();

  // Any other message; true (with `result`) when the dialog handled it.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // The bound controls, bound by OnInitDialog through BindControls.
  virtual void BindControls(ControlBinding& binding);

  // Attaches every bound member to its control window again.
  void RefreshBinding();

  ControlBinding binding;

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  WORD templateId_;
  HWND parent_;
  HWND window_ = nullptr;
};

// One row of a command route table: a range of control ids (usually one) and
// the member function that handles a click on any of them.
template <class DialogClass>
struct CommandRoute {
  WORD firstId;
  WORD lastId;
  void (DialogClass::*handler)(WORD controlId);
};

// Calls the handler of the first route that holds the control id; false when
// no route does.
template <class DialogClass, size_t count>
bool RouteCommand(DialogClass& dialog, const CommandRoute<DialogClass> (&routes)[count], WORD controlId) {
  for (const CommandRoute<DialogClass>& route : routes) {
    if (controlId >= route.firstId && controlId <= route.lastId) {
      (dialog.*route.handler)(controlId);
      return true;
    }
  }
  return false;
}
