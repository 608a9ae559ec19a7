// GDI bitmaps and device contexts, and the images (bitmaps, icons, cursors)
// that come from modules: the subset the programs use, with the SDK's names
// and values. Bitmaps are DIB sections; see platform/README.md.
#pragma once

#include "platform/sdk/base.h"

typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

// Resource types.
#define RT_BITMAP     MAKEINTRESOURCE(2)
#define RT_ICON       MAKEINTRESOURCE(3)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)

// LoadImageA.
#define IMAGE_BITMAP        0
#define IMAGE_ICON          1
#define IMAGE_CURSOR        2
#define LR_DEFAULTCOLOR     0x0000
#define LR_DEFAULTSIZE      0x0040
#define LR_CREATEDIBSECTION 0x2000
#define LR_SHARED           0x8000

// System icons and cursors (module NULL).
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDC_ARROW       MAKEINTRESOURCE(32512)

// Raster operations and colours.
#define SRCCOPY     (DWORD)0x00CC0020
#define CLR_INVALID 0xFFFFFFFF

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad);
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
BOOL WINAPI DestroyIcon(HICON hIcon);

HDC WINAPI CreateCompatibleDC(HDC hdc);
BOOL WINAPI DeleteDC(HDC hdc);
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
BOOL WINAPI DeleteObject(HGDIOBJ ho);
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop);
BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
