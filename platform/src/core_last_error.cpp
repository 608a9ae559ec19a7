// The calling thread's last error code (one thread in these programs).
#include "platform/win32.h"

namespace {
DWORD lastError = 0;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD dwErrCode) { lastError = dwErrCode; }
