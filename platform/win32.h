// The one platform header of the application code.
//
// On Windows it is the real SDK. Everywhere else it declares the subset of
// Win32, DirectDraw, GDI, multimedia, dialog, kernel and WinHTTP calls the programs use, with
// the SDK's names, types, constants and return codes; platform/src implements
// that subset over SDL2 (or headless, for tests). platform/README.md lists it.
#pragma once

// The order of these includes matters: the SDK headers build on each other.
// clang-format off
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <mmsystem.h>
#include <ddraw.h>
#include <winhttp.h>
#else
#include "platform/sdk/base.h"            // basic types, handles, RECT, POINT, MSG
#include "platform/sdk/user.h"            // windows, messages, timers, cursor, message boxes
#include "platform/sdk/ddraw.h"           // first-generation DirectDraw in software
#include "platform/sdk/gdi.h"             // bitmaps, device contexts, StretchBlt
#include "platform/sdk/module.h"          // LoadLibraryA, module handles, resources
#include "platform/sdk/sound.h"           // PlaySoundA
#include "platform/sdk/dialog_manager.h"  // modal dialogs from templates, controls
#include "platform/sdk/kernel.h"          // file information, change notifications, threads, waits
#include "platform/sdk/winhttp.h"         // one HTTP request at a time, over libcurl
#endif
// clang-format on
