// The headless backend's switch, set by tests through platform/headless.h.
#include "platform/src/headless_state.h"

namespace {
bool forcedByTest = false;
}

bool HeadlessForcedByTest() { return forcedByTest; }
