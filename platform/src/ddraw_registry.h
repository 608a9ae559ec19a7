// Lost-surface controls over every live DirectDraw object (headless tests).
#pragma once

#include "platform/win32.h"

void DirectDrawLoseSurface(IDirectDrawSurface* surface);
void DirectDrawLoseAllSurfaces();
void DirectDrawResetLostMarks();
