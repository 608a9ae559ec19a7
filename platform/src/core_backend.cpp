// Backend choice (SDL or headless) and the loud failure of unsupported calls.
#include "platform/src/core_backend.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/src/headless_state.h"

bool PlatformHeadless() {
  if (HeadlessForcedByTest()) return true;
  static const bool fromEnvironment = [] {
    const char* value = std::getenv("TARNWICKET_HEADLESS");
    return value != nullptr && std::strcmp(value, "1") == 0;
  }();
  return fromEnvironment;
}

void PlatformFail(const char* function, const char* what) {
  std::fprintf(stderr, "platform: %s: %s\n", function, what);
  std::fflush(stderr);
  std::abort();
}
