// Attaching bound members to the control windows of a dialog.
#include "configurator/framework/control_binding.h"

void ControlBinding::Bind(int controlId, BitmapStatic& member) { entries_.push_back({controlId, &member}); }

void ControlBinding::Attach(HWND dialog) {
  for (const Entry& entry : entries_) entry.member->Attach(GetDlgItem(dialog, entry.controlId));
}

void ControlBinding::Detach() {
  for (const Entry& entry : entries_) entry.member->Attach(nullptr);
}
