// The objects behind HICON and HCURSOR: an icon from a module's icon group or
// one of the system's, kept only so that window classes and WM_SETICON have
// something to hold; the platform never draws them.
#pragma once

#include <cstdint>

#include "platform/sdk/base.h"

constexpr uint32_t kIconImageTag = 0x4E4F4349u;  // "ICON"

struct IconImage {
  uint32_t tag = kIconImageTag;
  int width = 0;  // of the group's first image
  int height = 0;
};

// The icon behind a handle, or null when the handle is none.
IconImage* IconFromHandle(HICON handle);
