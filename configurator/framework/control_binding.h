// Binding of dialog controls to members: a table of (control id, member) that
// is attached to the control windows when the dialog starts and refreshed on
// demand.
#pragma once

#include <vector>

#include "platform/win32.h"

#include "configurator/framework/bitmap_static.h"

class ControlBinding {
 public:
  // Registers a member for the control with this id.
  void Bind(int controlId, BitmapStatic& member);

  // Attaches every registered member to its control window in the dialog.
  void Attach(HWND dialog);

  // Forgets every window (the dialog is gone); registrations stay.
  void Detach();

 private:
  struct Entry {
    int controlId;
    BitmapStatic* member;
  };
  std::vector<Entry> entries_;
};
