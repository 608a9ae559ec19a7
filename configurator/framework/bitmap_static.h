// A bitmap static control bound to a member: it takes the pictures given to
// it and frees each one once the control shows another, or when the member
// goes away.
#pragma once

#include "platform/win32.h"

class BitmapStatic {
 public:
  BitmapStatic() = default;
  ~BitmapStatic();
  BitmapStatic(const BitmapStatic&) = delete;
  BitmapStatic& operator=(const BitmapStatic&) = delete;

  void Attach(HWND control) { window = control; }

  // Shows `picture` (which this member now owns) and frees the one it gave
  // before. A null picture empties the control.
  void SetPicture(HBITMAP picture);

  // Moves the control without repainting it (client pixels of the dialog).
  void MoveTo(int x, int y, int width, int height);

  HWND window = nullptr;

 private:
  HBITMAP picture_ = nullptr;
};
