// LoadImageA, LoadIconA, LoadCursorA and DestroyIcon: bitmaps decoded from a
// module's RT_BITMAP resources into DIB sections at the asked size, and icons
// and cursors as placeholders that windows can carry.
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/sdk/gdi.h"
#include "platform/src/bmp_decode.h"
#include "platform/src/bmp_resize.h"
#include "platform/src/core_backend.h"
#include "platform/src/gdi_icon.h"
#include "platform/src/gdi_object.h"
#include "platform/src/module_registry.h"

namespace {

constexpr DWORD kErrorInvalidHandle = 6;
constexpr DWORD kErrorInvalidData = 13;
constexpr DWORD kErrorResourceNameNotFound = 1814;
constexpr UINT kSupportedBitmapFlags = LR_DEFAULTCOLOR | LR_DEFAULTSIZE | LR_CREATEDIBSECTION;
constexpr UINT kSupportedIconFlags = LR_DEFAULTCOLOR | LR_DEFAULTSIZE | LR_SHARED;

IconImage& SystemIcon() {
  static IconImage icon{kIconImageTag, 32, 32};
  return icon;
}

IconImage& ArrowCursor() {
  static IconImage cursor{kIconImageTag, 32, 32};
  return cursor;
}

HICON HandleOfIcon(IconImage* icon) { return reinterpret_cast<HICON>(icon); }

HANDLE LoadBitmapResource(HINSTANCE instance, LPCSTR name, int width, int height, UINT flags) {
  if ((flags & ~kSupportedBitmapFlags) != 0) PlatformFail("LoadImageA", "unsupported load flags for a bitmap");
  if (instance == nullptr) PlatformFail("LoadImageA", "system bitmaps are not supported");
  Module* module = ModuleFromHandle(instance);
  if (module == nullptr || width < 0 || height < 0) {
    SetLastError(kErrorInvalidHandle);
    return nullptr;
  }
  const ResourceEntry* entry =
      module->resources.Find(ResourceKey::Number(kResourceTypeBitmap), ResourceKey::FromArgument(name));
  if (entry == nullptr) {
    SetLastError(kErrorResourceNameNotFound);
    return nullptr;
  }
  auto picture = std::make_unique<GdiBitmap>();
  const bool decoded = DecodeDib(module->resources.DataOf(*entry), *picture);
  // The picture is a copy now; the library's pages of it may go.
  module->resources.DoneWith(*entry);
  if (!decoded) {
    SetLastError(kErrorInvalidData);
    return nullptr;
  }
  const int wantedWidth = width == 0 ? picture->width : width;
  const int wantedHeight = height == 0 ? picture->height : height;
  if (wantedWidth != picture->width || wantedHeight != picture->height) {
    if (static_cast<int64_t>(wantedWidth) * wantedHeight > kMaxDibPixels) {
      SetLastError(kErrorInvalidData);
      return nullptr;
    }
    auto resized = std::make_unique<GdiBitmap>();
    ResizeBitmap(*picture, wantedWidth, wantedHeight, *resized);
    picture = std::move(resized);
  }
  return HandleOf(picture.release());
}

// Group icons stay loaded for the life of the process, shared by every
// caller as Windows shares the icons LoadIconA returns.
HICON LoadGroupIcon(HINSTANCE instance, LPCSTR name) {
  if (instance == nullptr) return HandleOfIcon(&SystemIcon());
  Module* module = ModuleFromHandle(instance);
  if (module == nullptr) {
    SetLastError(kErrorInvalidHandle);
    return nullptr;
  }
  const ResourceKey key = ResourceKey::FromArgument(name);
  const ResourceEntry* group = module->resources.Find(ResourceKey::Number(kResourceTypeGroupIcon), key);
  // The group header (reserved, type 1, count) and its first 14-byte entry.
  ByteView header = group != nullptr ? module->resources.DataOf(*group) : ByteView();
  uint16_t type = 0;
  uint16_t count = 0;
  if (!header.ReadU16(2, type) || !header.ReadU16(4, count) || type != 1 || count == 0 || !header.Contains(6, 14)) {
    SetLastError(kErrorResourceNameNotFound);
    return nullptr;
  }
  static auto* shared = new std::map<std::pair<uint64_t, std::string>, std::unique_ptr<IconImage>>();
  std::unique_ptr<IconImage>& icon = (*shared)[{module->serial, key.isNumber ? "#" + key.Describe() : key.text}];
  if (!icon) {
    icon = std::make_unique<IconImage>();
    icon->width = header.Data()[6] == 0 ? 256 : header.Data()[6];
    icon->height = header.Data()[7] == 0 ? 256 : header.Data()[7];
  }
  return HandleOfIcon(icon.get());
}

}  // namespace

IconImage* IconFromHandle(HICON handle) {
  auto* icon = reinterpret_cast<IconImage*>(handle);
  return icon != nullptr && icon->tag == kIconImageTag ? icon : nullptr;
}

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  switch (type) {
    case IMAGE_BITMAP: return LoadBitmapResource(hInst, name, cx, cy, fuLoad);
    case IMAGE_ICON:
      if ((fuLoad & ~kSupportedIconFlags) != 0) PlatformFail("LoadImageA", "unsupported load flags for an icon");
      return LoadGroupIcon(hInst, name);
    default: PlatformFail("LoadImageA", "only bitmaps and icons are supported");
  }
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) { return LoadGroupIcon(hInstance, lpIconName); }

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  if (hInstance != nullptr || lpCursorName != IDC_ARROW)
    PlatformFail("LoadCursorA", "only the system arrow cursor is supported");
  return HandleOfIcon(&ArrowCursor());
}

// Every icon the platform hands out is shared, so there is nothing to free.
BOOL WINAPI DestroyIcon(HICON hIcon) { return IconFromHandle(hIcon) != nullptr ? TRUE : FALSE; }
