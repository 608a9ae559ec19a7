// What the process holds right now: memory in use, open file handles, and
// the bitmaps, memory contexts, libraries and surfaces the viewer got from
// the platform.
//
// The platform calls are counted by wrappers that the soak programs link in
// with the linker's --wrap option (see CMakeLists.txt), so that every call
// the viewer makes goes through them first.
#pragma once

#include "tools/soak/soak_run.h"

HeldResources MeasureHeldResources();

// Counts of calls seen since the start: zero surfaces made means the
// wrappers are not linked in, and the counts mean nothing.
int SurfacesMadeSoFar();
