// Modal dialogs made from dialog template resources, their controls and the
// painting calls they use, as the Windows SDK declares them. The subset is
// what the configurator needs: owner-drawn buttons that draw nothing, bitmap
// statics, WM_PAINT with BeginPaint / EndPaint and drawing through GetDC.
// platform/README.md ("Dialogs") describes what the dialog manager does.
#pragma once

#include "platform/sdk/base.h"

typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Messages of dialogs and controls.
#define WM_DRAWITEM    0x002B
#define WM_GETICON     0x007F
#define WM_SETICON     0x0080
#define WM_CTLCOLORBTN 0x0135
#define STM_SETIMAGE   0x0172
#define STM_GETIMAGE   0x0173

// WM_SETICON sizes.
#define ICON_SMALL 0
#define ICON_BIG   1

// Dialog styles.
#define DS_ABSALIGN      0x0001L
#define DS_SYSMODAL      0x0002L
#define DS_LOCALEDIT     0x0020L
#define DS_SETFONT       0x0040L
#define DS_MODALFRAME    0x0080L
#define DS_NOIDLEMSG     0x0100L
#define DS_SETFOREGROUND 0x0200L
#define DS_3DLOOK        0x0004L
#define DS_FIXEDSYS      0x0008L
#define DS_NOFAILCREATE  0x0010L
#define DS_CONTROL       0x0400L
#define DS_CENTER        0x0800L
#define DS_CENTERMOUSE   0x1000L
#define DS_CONTEXTHELP   0x2000L
#define DS_SHELLFONT     (DS_SETFONT | DS_FIXEDSYS)

// Button styles and notifications.
#define BS_PUSHBUTTON    0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_OWNERDRAW     0x0000000BL
#define BS_TYPEMASK      0x0000000FL
#define BN_CLICKED       0

// Static styles.
#define SS_LEFT            0x00000000L
#define SS_ICON            0x00000003L
#define SS_BITMAP          0x0000000EL
#define SS_TYPEMASK        0x0000001FL
#define SS_NOTIFY          0x00000100L
#define SS_CENTERIMAGE     0x00000200L
#define SS_REALSIZECONTROL 0x00000040L

typedef struct tagPAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;

// Runs a modal dialog from a template resource of `hInstance` (NULL: the
// program) until EndDialog; returns EndDialog's result, or -1 when the
// template is missing or cannot be read. The owner is disabled meanwhile.
INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam);
#define DialogBoxA(instance, name, parent, procedure) DialogBoxParamA(instance, name, parent, procedure, 0)
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);

// Painting of dialog windows: the device contexts draw straight into the
// dialog's pixels, which are shown once the dialog has nothing else to do.
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
HDC WINAPI GetDC(HWND hWnd);
int WINAPI ReleaseDC(HWND hWnd, HDC hDC);
