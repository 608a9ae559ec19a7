// Backend choice (SDL or headless).
#include "platform/src/core_backend.h"

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
