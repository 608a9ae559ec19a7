// The kernel objects behind HANDLEs (files, threads, change notifications):
// one table for every thread, with handle values that are never reused, so a
// closed handle stays invalid.
#pragma once

#include <memory>

#include "platform/win32.h"

// What every kind of kernel object answers.
class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // WAIT_OBJECT_0 when signalled within `milliseconds` (INFINITE: until it
  // is), else WAIT_TIMEOUT. Time here is real time, headless too.
  virtual DWORD Wait(DWORD milliseconds) = 0;
};

// Enters an object and returns its new handle.
HANDLE KernelObjectAdd(std::shared_ptr<KernelObject> object);

// The object of a handle, or null (an unknown or closed handle).
std::shared_ptr<KernelObject> KernelObjectFind(HANDLE handle);

// The object of a handle, of the wanted kind, or null.
template <typename Kind>
std::shared_ptr<Kind> KernelObjectFindAs(HANDLE handle) {
  return std::dynamic_pointer_cast<Kind>(KernelObjectFind(handle));
}

// Takes a handle out of the table; the object lives on while a call still
// holds it.
void KernelObjectRemove(HANDLE handle);

// ERROR_* of Windows for an errno value of a failed file call.
DWORD KernelErrorFromErrno(int error);
