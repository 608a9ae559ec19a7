// Basic Win32 types, handles and small helpers, spelled as the Windows SDK
// spells them, for the systems where platform/ stands in for the SDK.
//
// Integer widths follow Windows (LONG and DWORD are 32 bits, pointers and the
// *_PTR types are pointer sized), so structures keep the SDK's field sizes.
// Handles are distinct pointer types, as with STRICT, so mixing them up does
// not compile here either.
#pragma once

#include <cstddef>
#include <cstdint>

// Calling conventions mean nothing outside Windows.
#define WINAPI
#define CALLBACK
#define APIENTRY
#define PASCAL

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int16_t SHORT;
typedef uint16_t USHORT;
typedef unsigned int UINT;
typedef int INT;
typedef int BOOL;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef void VOID;

typedef BYTE* LPBYTE;
typedef WORD* LPWORD;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef BOOL* LPBOOL;
typedef void* LPVOID;
typedef void* PVOID;
typedef const void* LPCVOID;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
// Wide characters hold UTF-16 code units, as on Windows, in the system's
// wchar_t (32 bits here), so L"..." literals are WCHAR texts on both sides.
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;

typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t ULONG_PTR;
typedef intptr_t LONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef ULONG_PTR SIZE_T;

typedef LONG HRESULT;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;

typedef void* HANDLE;

#define DECLARE_HANDLE(name) \
  struct name##__ {          \
    int unused;              \
  };                         \
  typedef struct name##__* name

DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HPALETTE);
DECLARE_HANDLE(HRSRC);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef void* HGDIOBJ;
typedef HANDLE HGLOBAL;

#define RGB(r, g, b)   ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

#define MAKEWORD(a, b) ((WORD)(((BYTE)(((DWORD_PTR)(a)) & 0xff)) | ((WORD)((BYTE)(((DWORD_PTR)(b)) & 0xff))) << 8))
#define MAKELONG(a, b) \
  ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define LOWORD(l)         ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l)         ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w)         ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w)         ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#define MAKELPARAM(l, h)  ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEWPARAM(l, h)  ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
#define GET_X_LPARAM(lp)  ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp)  ((int)(short)HIWORD(lp))

#define IS_INTRESOURCE(r)   ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE     MAKEINTRESOURCEA

#define SUCCEEDED(hr)                (((HRESULT)(hr)) >= 0)
#define FAILED(hr)                   (((HRESULT)(hr)) < 0)
#define MAKE_HRESULT(sev, fac, code) ((HRESULT)(((uint32_t)(sev) << 31) | ((uint32_t)(fac) << 16) | ((uint32_t)(code))))
#define S_OK                         ((HRESULT)0)
#define S_FALSE                      ((HRESULT)1)
#define E_NOTIMPL                    ((HRESULT)0x80004001)
#define E_NOINTERFACE                ((HRESULT)0x80004002)
#define E_POINTER                    ((HRESULT)0x80004003)
#define E_FAIL                       ((HRESULT)0x80004005)
#define E_OUTOFMEMORY                ((HRESULT)0x8007000E)
#define E_INVALIDARG                 ((HRESULT)0x80070057)

#define MAX_PATH 260

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagSIZE {
  LONG cx;
  LONG cy;
} SIZE, *PSIZE, *LPSIZE;

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *PMSG, *LPMSG;

// 100-nanosecond intervals since 1 January 1601 (UTC).
typedef struct _FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

// COM identifiers, enough for QueryInterface.
typedef struct _GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} GUID, IID, CLSID;
typedef GUID* LPGUID;
typedef const IID& REFIID;
typedef const GUID& REFGUID;

extern const IID IID_IUnknown;

inline bool operator==(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

// The root of the COM interfaces that platform/ implements (DirectDraw).
struct IUnknown {
  virtual HRESULT QueryInterface(REFIID riid, LPVOID* ppvObj) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

// Calendar time and milliseconds come from the platform clock, which the
// headless backend makes virtual.
void GetSystemTimeAsFileTime(LPFILETIME lpSystemTimeAsFileTime);
DWORD GetTickCount();
void Sleep(DWORD dwMilliseconds);
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
