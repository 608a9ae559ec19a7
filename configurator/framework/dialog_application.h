// The application object of a dialog program: it owns the program's start-up
// and runs one modal dialog as its main window; there is no message loop of
// its own besides the dialog's.
#pragma once

#include "platform/win32.h"

class Dialog;

class DialogApplication {
 public:
  explicit DialogApplication(HINSTANCE programInstance) : instance(programInstance) {}
  virtual ~DialogApplication() = default;
  DialogApplication(const DialogApplication&) = delete;
  DialogApplication& operator=(const DialogApplication&) = delete;

  // Runs the program's dialog and returns the program's exit code.
  virtual int Run() = 0;

  HINSTANCE instance;
  Dialog* mainWindow = nullptr;
};
