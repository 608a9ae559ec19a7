// The modules the platform knows: the program's own (its embedded resources)
// and the libraries loaded with LoadLibraryA. An HMODULE is a pointer to one
// of these records; a handle that is none of them is refused.
#pragma once

#include <cstdint>
#include <string>

#include "platform/sdk/base.h"
#include "platform/src/res_table.h"

struct Module {
  std::string name;     // file name, as GetModuleHandleA compares it
  std::string path;     // the file it was read from; empty for the program
  uint64_t serial = 0;  // unique for every module ever loaded
  int references = 0;
  ResourceTable resources;
};

// The program's own module; it lives as long as the process.
Module& ProgramModule();

// The live module behind a handle: null for NULL or for a handle that is no
// module (or one already freed).
Module* ModuleFromHandle(HMODULE handle);
HMODULE HandleOfModule(Module* module);

// The module behind a handle where NULL means the program itself, as in
// FindResource and PlaySoundA; null for an invalid handle.
Module* ModuleOrProgram(HMODULE handle);

// Registry of loaded libraries, for LoadLibraryA and FreeLibrary.
Module* FindLoadedModuleByPath(const std::string& path);
Module* FindLoadedModuleByName(const std::string& name);  // without regard to case
Module* AddLoadedModule(std::string name, std::string path, ResourceTable resources);
void RemoveLoadedModule(Module* module);
