// Registering the program's own resources: a compiled .res file embedded in
// the program (see platform/resources.cmake), or one that a test supplies.
#pragma once

#include <cstddef>

// Replaces the program module's resources with those of a .res file; the
// bytes are copied. Aborts with a message when they are no valid .res file.
void RegisterProgramResources(const void* resFile, size_t size);
// The same for bytes that stay in place for the whole run (the program's
// read-only data): they are read where they are, not copied.
void RegisterEmbeddedProgramResources(const void* resFile, size_t size);

// Registers an embedded .res file while the program starts, before main.
struct EmbeddedProgramResources {
  EmbeddedProgramResources(const void* resFile, size_t size) { RegisterEmbeddedProgramResources(resFile, size); }
};
