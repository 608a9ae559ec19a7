// Off-screen surfaces keyed on black, and drawing GDI bitmaps into surfaces.
#include <cstring>

#include "viewer/frame/direct_draw_application.h"

LPDIRECTDRAWSURFACE DirectDrawApplication::CreateBitmapSurface(int32_t width, int32_t height) {
  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  description.dwHeight = static_cast<DWORD>(height);
  description.dwWidth = static_cast<DWORD>(width);
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE surface = nullptr;
  if (directDraw->CreateSurface(&description, &surface, nullptr) != DD_OK) {
    throw FatalError("Unable to create bitmap surface.");
  }
  DDCOLORKEY black;
  black.dwColorSpaceLowValue = 0;
  black.dwColorSpaceHighValue = 0;
  surface->SetColorKey(DDCKEY_SRCBLT, &black);
  return surface;
}

void DirectDrawApplication::CopyBitmapToSurface(LPDIRECTDRAWSURFACE surface, HBITMAP bitmap, int16_t sourceX,
                                                int16_t sourceY, int16_t sourceWidth, int16_t sourceHeight) {
  if (bitmap == nullptr || surface == nullptr) {
    throw FatalError("NULL parameters passed to CopyBitmapToSurface.");
  }
  surface->Restore();

  HDC memoryContext = CreateCompatibleDC(nullptr);
  if (memoryContext == nullptr) {
    throw FatalError("CreateCompatibleDC failed in CopyBitmapToSurface.");
  }
  HGDIOBJ previousBitmap = SelectObject(memoryContext, bitmap);
  BITMAP bitmapInfo;
  std::memset(&bitmapInfo, 0, sizeof bitmapInfo);
  GetObjectA(bitmap, sizeof bitmapInfo, &bitmapInfo);
  int32_t width = sourceWidth;
  int32_t height = sourceHeight;
  if (width == 0) width = bitmapInfo.bmWidth;
  if (height == 0) height = bitmapInfo.bmHeight;

  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
  surface->GetSurfaceDesc(&description);

  HDC surfaceContext = nullptr;
  if (surface->GetDC(&surfaceContext) != DD_OK) {
    SelectObject(memoryContext, previousBitmap);
    DeleteDC(memoryContext);
    throw FatalError("GetDC failed in CopyBitmapToSurface.");
  }
  StretchBlt(surfaceContext, 0, 0, static_cast<int>(description.dwWidth), static_cast<int>(description.dwHeight),
             memoryContext, sourceX, sourceY, width, height, SRCCOPY);
  surface->ReleaseDC(surfaceContext);
  SelectObject(memoryContext, previousBitmap);
  DeleteDC(memoryContext);
}
