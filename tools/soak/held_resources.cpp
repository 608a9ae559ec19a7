// Counting wrappers around the platform calls that hand out bitmaps, memory
// contexts, libraries and surfaces, and the measures of memory and files.
//
// Each __wrap_X is called instead of X (a C++ function, hence the mangled
// names) and __real_X is the platform's own; the link options that bring
// this about are in this folder's CMakeLists.txt.
#include "tools/soak/held_resources.h"

#include <filesystem>
#include <set>

#include "platform/headless.h"
#include "platform/win32.h"
#include "viewer/frame/direct_draw_application.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARNWICKET_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TARNWICKET_ASAN 1
#endif

#ifdef TARNWICKET_ASAN
// From the sanitizer runtime (not every compiler ships its header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

std::set<HANDLE>& LiveBitmaps() {
  static std::set<HANDLE> bitmaps;
  return bitmaps;
}
std::set<HDC>& LiveContexts() {
  static std::set<HDC> contexts;
  return contexts;
}
int loadedLibraries = 0;
int surfacesMade = 0;

size_t MemoryInUse() {
#ifdef TARNWICKET_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

int OpenFileHandles() {
  std::error_code error;
  int count = 0;
  for (std::filesystem::directory_iterator entry("/proc/self/fd", error), end; !error && entry != end;
       entry.increment(error)) {
    ++count;
  }
  return count;
}

}  // namespace

extern "C" {

// LoadImageA, DeleteObject
HANDLE __real__Z10LoadImageAP11HINSTANCE__PKcjiij(HINSTANCE, LPCSTR, UINT, int, int, UINT);
HANDLE __wrap__Z10LoadImageAP11HINSTANCE__PKcjiij(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy,
                                                  UINT flags) {
  HANDLE image = __real__Z10LoadImageAP11HINSTANCE__PKcjiij(instance, name, type, cx, cy, flags);
  if (image != nullptr && type == IMAGE_BITMAP) LiveBitmaps().insert(image);
  return image;
}
BOOL __real__Z12DeleteObjectPv(HGDIOBJ);
BOOL __wrap__Z12DeleteObjectPv(HGDIOBJ object) {
  const BOOL deleted = __real__Z12DeleteObjectPv(object);
  if (deleted) LiveBitmaps().erase(object);
  return deleted;
}

// CreateCompatibleDC, DeleteDC
HDC __real__Z18CreateCompatibleDCP5HDC__(HDC);
HDC __wrap__Z18CreateCompatibleDCP5HDC__(HDC context) {
  HDC made = __real__Z18CreateCompatibleDCP5HDC__(context);
  if (made != nullptr) LiveContexts().insert(made);
  return made;
}
BOOL __real__Z8DeleteDCP5HDC__(HDC);
BOOL __wrap__Z8DeleteDCP5HDC__(HDC context) {
  const BOOL deleted = __real__Z8DeleteDCP5HDC__(context);
  if (deleted) LiveContexts().erase(context);
  return deleted;
}

// LoadLibraryA, FreeLibrary
HMODULE __real__Z12LoadLibraryAPKc(LPCSTR);
HMODULE __wrap__Z12LoadLibraryAPKc(LPCSTR name) {
  HMODULE module = __real__Z12LoadLibraryAPKc(name);
  if (module != nullptr) ++loadedLibraries;
  return module;
}
BOOL __real__Z11FreeLibraryP11HINSTANCE__(HMODULE);
BOOL __wrap__Z11FreeLibraryP11HINSTANCE__(HMODULE module) {
  const BOOL freed = __real__Z11FreeLibraryP11HINSTANCE__(module);
  if (freed) --loadedLibraries;
  return freed;
}

// DirectDrawApplication::CreateBitmapSurface(int, int): the viewer's one way
// to make an off-screen surface; they all live as long as the display does.
LPDIRECTDRAWSURFACE __real__ZN21DirectDrawApplication19CreateBitmapSurfaceEii(DirectDrawApplication*, int32_t, int32_t);
LPDIRECTDRAWSURFACE __wrap__ZN21DirectDrawApplication19CreateBitmapSurfaceEii(DirectDrawApplication* self,
                                                                              int32_t width, int32_t height) {
  LPDIRECTDRAWSURFACE surface = __real__ZN21DirectDrawApplication19CreateBitmapSurfaceEii(self, width, height);
  if (surface != nullptr) ++surfacesMade;
  return surface;
}

}  // extern "C"

HeldResources MeasureHeldResources() {
  HeldResources held;
  // The headless backend logs every sound started, for tests to read; that
  // log is the harness's memory, not the viewer's.
  const size_t soundLog = headless::Sounds().capacity() * sizeof(headless::SoundRecord);
  held.memoryBytes = MemoryInUse() - soundLog;
  held.fileHandles = OpenFileHandles();
  held.bitmaps = static_cast<int>(LiveBitmaps().size());
  held.memoryContexts = static_cast<int>(LiveContexts().size());
  held.libraries = loadedLibraries;
  held.surfaces = surfacesMade;
  return held;
}

int SurfacesMadeSoFar() { return surfacesMade; }
