// The calendar time in whole seconds since 1970, from the platform clock
// (virtual in headless tests).
#pragma once

#include <cstdint>

int64_t CalendarSeconds();
