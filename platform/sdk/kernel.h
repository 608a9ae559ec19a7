// Kernel calls as the Windows SDK declares them: a file's information by
// handle, change notifications on a folder, replacing a file by renaming,
// threads, waiting on a handle, and text conversion to wide characters, with
// the SDK's values. platform/src implements them over POSIX (inotify for the
// notifications); platform/README.md lists the subset.
#pragma once

#include "platform/sdk/base.h"

typedef struct _SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

// Handles of every kind (files, threads; not change notifications).
BOOL WINAPI CloseHandle(HANDLE hObject);

// Waits on a thread (signalled when it has ended) or a change notification.
#define INFINITE      0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT  258L
#define WAIT_FAILED   ((DWORD)0xFFFFFFFF)
DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);

// Files: opened only to be asked about.
#define GENERIC_READ               0x80000000L
#define FILE_SHARE_READ            0x00000001
#define FILE_SHARE_WRITE           0x00000002
#define FILE_SHARE_DELETE          0x00000004
#define OPEN_EXISTING              3
#define FILE_ATTRIBUTE_READONLY    0x00000001
#define FILE_ATTRIBUTE_DIRECTORY   0x00000010
#define FILE_ATTRIBUTE_NORMAL      0x00000080
#define FILE_FLAG_BACKUP_SEMANTICS 0x02000000

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                          DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);

typedef struct _BY_HANDLE_FILE_INFORMATION {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD dwVolumeSerialNumber;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD nNumberOfLinks;
  DWORD nFileIndexHigh;
  DWORD nFileIndexLow;
} BY_HANDLE_FILE_INFORMATION, *PBY_HANDLE_FILE_INFORMATION, *LPBY_HANDLE_FILE_INFORMATION;

BOOL WINAPI GetFileInformationByHandle(HANDLE hFile, LPBY_HANDLE_FILE_INFORMATION lpFileInformation);

// Renaming a file, over an existing one.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH    0x00000008
BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags);

// Change notifications on one folder (not its subfolders).
#define FILE_NOTIFY_CHANGE_FILE_NAME  0x00000001
#define FILE_NOTIFY_CHANGE_DIR_NAME   0x00000002
#define FILE_NOTIFY_CHANGE_ATTRIBUTES 0x00000004
#define FILE_NOTIFY_CHANGE_SIZE       0x00000008
#define FILE_NOTIFY_CHANGE_LAST_WRITE 0x00000010
HANDLE WINAPI FindFirstChangeNotificationA(LPCSTR lpPathName, BOOL bWatchSubtree, DWORD dwNotifyFilter);
BOOL WINAPI FindNextChangeNotification(HANDLE hChangeHandle);
BOOL WINAPI FindCloseChangeNotification(HANDLE hChangeHandle);

// Threads.
typedef DWORD(WINAPI* PTHREAD_START_ROUTINE)(LPVOID lpThreadParameter);
typedef PTHREAD_START_ROUTINE LPTHREAD_START_ROUTINE;
HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T dwStackSize,
                           LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter, DWORD dwCreationFlags,
                           LPDWORD lpThreadId);

// Text in the program's code page (UTF-8 here) to UTF-16 code units.
#define CP_ACP               0
#define CP_UTF8              65001
#define MB_ERR_INVALID_CHARS 0x00000008
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);

// ERROR_* values of GetLastError that these calls set.
#define ERROR_FILE_NOT_FOUND         2L
#define ERROR_PATH_NOT_FOUND         3L
#define ERROR_TOO_MANY_OPEN_FILES    4L
#define ERROR_ACCESS_DENIED          5L
#define ERROR_NOT_SAME_DEVICE        17L
#define ERROR_SHARING_VIOLATION      32L
#define ERROR_INSUFFICIENT_BUFFER    122L
#define ERROR_ALREADY_EXISTS         183L
#define ERROR_DIRECTORY              267L
#define ERROR_NO_UNICODE_TRANSLATION 1113L
