// The loud failure of a call outside the subset (platform/README.md).
#include <cstdio>
#include <cstdlib>

#include "platform/src/core_backend.h"

void PlatformFail(const char* function, const char* what) {
  std::fprintf(stderr, "platform: %s: %s\n", function, what);
  std::fflush(stderr);
  std::abort();
}
