// The calling thread's last error code, one for each thread as on Windows.
#include "platform/win32.h"

namespace {
thread_local DWORD lastError = 0;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD dwErrCode) { lastError = dwErrCode; }
