// Change notifications on a folder, over inotify: the kernel object that
// FindFirstChangeNotificationA makes.
#pragma once

#include "platform/src/kernel_objects.h"

// True for the objects of FindFirstChangeNotificationA, which CloseHandle
// does not close.
bool IsChangeNotification(const KernelObject* object);
