// Blit: rectangle copies between surfaces, clipped to the 800 x 600 frame,
// opaque, keyed on pure black, or blended at 50 %.
#include <cstring>
#include <string>

#include "viewer/frame/blend_translucent.h"
#include "viewer/frame/direct_draw_application.h"

namespace {

const int32_t kFrameWidth = 800;
const int32_t kFrameHeight = 600;
const uint32_t kBlendKey = 0;
const uint32_t kBlendWeight = 128;

const char* LockFailureText(HRESULT result) {
  switch (result) {
    case DDERR_INVALIDOBJECT: return "Invalid Object";
    case DDERR_INVALIDPARAMS: return "Invalid Parameters";
    case DDERR_OUTOFMEMORY: return "Out of memory";
    case DDERR_SURFACEBUSY: return "Surface Busy";
    case DDERR_SURFACELOST: return "Surface Lost";
    case DDERR_WASSTILLDRAWING: return "Was still drawing";
    default: return "Direct Alpha DDDDDDDDAAAAAAAAHHHHH!";
  }
}

// A windowed program presents its frame by copying it whole onto the primary
// surface.
bool IsWholeFrame(const RECT& rect) {
  return rect.left == 0 && rect.top == 0 && rect.right == kFrameWidth && rect.bottom == kFrameHeight;
}

// Bytes per pixel of a locked surface; surfaces that do not say are taken as
// 32 bits per pixel.
int32_t BytesPerPixel(const DDSURFACEDESC& lockDescription) {
  if ((lockDescription.dwFlags & DDSD_PIXELFORMAT) == 0) return 4;
  return static_cast<int32_t>(lockDescription.ddpfPixelFormat.dwRGBBitCount / 8);
}

// The text shown for a copy the driver refused: the result, the arguments as
// passed and both rectangles as clipped.
FatalError CopyFailure(HRESULT result, int16_t x, int16_t y, int16_t width, int16_t height, int16_t destX,
                       int16_t destY, uint8_t translucent, uint8_t transparent, const RECT& sourceRect,
                       const RECT& destRect) {
  const std::string rule(97, '-');
  return FatalError::Format(
      "%s\n"
      "Blt result=%ld\n"
      "x=%ld\ny=%ld\nwidth=%ld\nheight=%ld\ndestx=%ld\ndesty=%ld\n"
      "translucent=%ld\ntransparent=%ld\n"
      "\nSource Rectangle\nleft=%ld\ntop=%ld\nright=%ld\nbottom=%ld\n"
      "\nDestination Rectangle\nleft=%ld\ntop=%ld\nright=%ld\nbottom=%ld\n",
      rule.c_str(), static_cast<long>(static_cast<int16_t>(result & 0xFFFF)), static_cast<long>(x),
      static_cast<long>(y), static_cast<long>(width), static_cast<long>(height), static_cast<long>(destX),
      static_cast<long>(destY), static_cast<long>(translucent), static_cast<long>(transparent),
      static_cast<long>(sourceRect.left), static_cast<long>(sourceRect.top), static_cast<long>(sourceRect.right),
      static_cast<long>(sourceRect.bottom), static_cast<long>(destRect.left), static_cast<long>(destRect.top),
      static_cast<long>(destRect.right), static_cast<long>(destRect.bottom));
}

}  // namespace

void DirectDrawApplication::Blit(LPDIRECTDRAWSURFACE source, int16_t x, int16_t y, int16_t width, int16_t height,
                                 LPDIRECTDRAWSURFACE destination, int16_t destX, int16_t destY, uint8_t translucent,
                                 uint8_t transparent) {
  RECT sourceRect = {x, y, x + width, y + height};
  RECT destRect = {destX, destY, destX + width, destY + height};
  bool clipped = false;

  // Right, left, bottom, top; a rectangle wholly outside draws nothing.
  if (destRect.right > kFrameWidth) {
    clipped = true;
    if (destRect.right - kFrameWidth >= width) return;
    sourceRect.right -= destRect.right - kFrameWidth;
    destRect.right = kFrameWidth;
  }
  if (destX < 0) {
    clipped = true;
    if (destX <= -width) return;
    sourceRect.left = x - destX;
    destRect.left = 0;
  }
  if (destRect.bottom > kFrameHeight) {
    clipped = true;
    if (destRect.bottom - kFrameHeight >= height) return;
    sourceRect.bottom -= destRect.bottom - kFrameHeight;
    destRect.bottom = kFrameHeight;
  }
  if (destY < 0) {
    clipped = true;
    if (destY <= -height) return;
    sourceRect.top = y - destY;
    destRect.top = 0;
  }

  if (transparent == 1 && translucent == 1) {
    BlendBlit(source, sourceRect, destination, destRect);
    return;
  }
  const bool keyed = transparent == 1 && translucent == 0;
  for (;;) {
    HRESULT result;
    if (clipped) {
      result = destination->Blt(&destRect, source, &sourceRect, keyed ? DDBLT_KEYSRC : 0, nullptr);
    } else {
      result = destination->BltFast(static_cast<DWORD>(destX), static_cast<DWORD>(destY), source, &sourceRect,
                                    keyed ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY);
    }
    if (result == DD_OK) {
      if (destination == primarySurface && fullScreen == 0 && IsWholeFrame(destRect)) {
        FramePresented();
      }
      return;
    }
    if (result == DDERR_WASSTILLDRAWING) continue;
    if (result == DDERR_SURFACELOST) throw FatalError("Surface Lost");
    throw CopyFailure(result, x, y, width, height, destX, destY, translucent, transparent, sourceRect, destRect);
  }
}

// The 50 % blend on locked memory. Both surfaces are unlocked again before
// any failure is reported.
void DirectDrawApplication::BlendBlit(LPDIRECTDRAWSURFACE source, RECT sourceRect, LPDIRECTDRAWSURFACE destination,
                                      RECT destRect) {
  DDSURFACEDESC destinationLock;
  std::memset(&destinationLock, 0, sizeof destinationLock);
  destinationLock.dwSize = sizeof destinationLock;
  HRESULT result = destination->Lock(&destRect, &destinationLock, DDLOCK_WAIT, nullptr);
  if (result != DD_OK) throw FatalError(LockFailureText(result));

  DDSURFACEDESC sourceLock;
  std::memset(&sourceLock, 0, sizeof sourceLock);
  sourceLock.dwSize = sizeof sourceLock;
  result = source->Lock(&sourceRect, &sourceLock, DDLOCK_WAIT | DDLOCK_READONLY, nullptr);
  if (result != DD_OK) {
    destination->Unlock(destinationLock.lpSurface);
    throw FatalError(LockFailureText(result));
  }

  const int32_t bytesPerPixel = BytesPerPixel(destinationLock);
  const bool blendable = (bytesPerPixel == 3 || bytesPerPixel == 4) && BytesPerPixel(sourceLock) == bytesPerPixel;
  if (blendable) {
    BlendTranslucent(static_cast<const uint8_t*>(sourceLock.lpSurface), sourceLock.lPitch,
                     static_cast<uint8_t*>(destinationLock.lpSurface), destinationLock.lPitch,
                     sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, bytesPerPixel, kBlendKey,
                     kBlendWeight);
  }
  destination->Unlock(destinationLock.lpSurface);
  source->Unlock(sourceLock.lpSurface);
  if (!blendable) throw FatalError("Translucent blits need 24 or 32 bits per pixel.");
}
