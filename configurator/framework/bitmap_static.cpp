// Bitmap statics that own the pictures they are given.
#include "configurator/framework/bitmap_static.h"

BitmapStatic::~BitmapStatic() {
  if (picture_ != nullptr) DeleteObject(picture_);
}

void BitmapStatic::SetPicture(HBITMAP picture) {
  if (window != nullptr) {
    SendMessageA(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
  // The control reports the picture it showed before, which may be one it
  // loaded itself from the template: only the picture given here is ours.
  if (picture_ != nullptr && picture_ != picture) DeleteObject(picture_);
  picture_ = picture;
}

void BitmapStatic::MoveTo(int x, int y, int width, int height) {
  if (window != nullptr) MoveWindow(window, x, y, width, height, FALSE);
}
