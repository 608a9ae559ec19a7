// The module records: the program's own module and the loaded libraries.
#include "platform/src/module_registry.h"

#include <limits.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "platform/src/core_backend.h"
#include "platform/src/module_resources.h"
#include "platform/src/res_file.h"

namespace {

uint64_t nextSerial = 1;

// Libraries loaded and not yet freed. Held for the life of the process.
std::vector<std::unique_ptr<Module>>& LoadedModules() {
  static auto* modules = new std::vector<std::unique_ptr<Module>>();
  return *modules;
}

std::string ProgramFileName() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "program";
  const std::string full(path, static_cast<size_t>(length));
  return full.substr(full.find_last_of('/') + 1);
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

Module& ProgramModule() {
  static Module* program = [] {
    auto* module = new Module();
    module->name = ProgramFileName();
    module->serial = nextSerial++;
    module->references = 1;
    return module;
  }();
  return *program;
}

namespace {

void SetProgramResources(std::optional<ResourceTable> table) {
  if (!table) PlatformFail("RegisterProgramResources", "the embedded resources are no valid .res file");
  ProgramModule().resources = std::move(*table);
}

}  // namespace

void RegisterProgramResources(const void* resFile, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(resFile);
  SetProgramResources(ReadResFile(std::vector<uint8_t>(bytes, bytes + size)));
}

void RegisterEmbeddedProgramResources(const void* resFile, size_t size) {
  SetProgramResources(ReadResFile(ByteView(static_cast<const uint8_t*>(resFile), size), nullptr));
}

Module* ModuleFromHandle(HMODULE handle) {
  auto* candidate = reinterpret_cast<Module*>(handle);
  if (candidate == nullptr) return nullptr;
  if (candidate == &ProgramModule()) return candidate;
  for (const auto& module : LoadedModules())
    if (module.get() == candidate) return candidate;
  return nullptr;
}

HMODULE HandleOfModule(Module* module) { return reinterpret_cast<HMODULE>(module); }

Module* ModuleOrProgram(HMODULE handle) { return handle == nullptr ? &ProgramModule() : ModuleFromHandle(handle); }

Module* FindLoadedModuleByPath(const std::string& path) {
  for (const auto& module : LoadedModules())
    if (module->path == path) return module.get();
  return nullptr;
}

Module* FindLoadedModuleByName(const std::string& name) {
  if (SameNameIgnoringCase(name, ProgramModule().name)) return &ProgramModule();
  for (const auto& module : LoadedModules())
    if (SameNameIgnoringCase(module->name, name)) return module.get();
  return nullptr;
}

Module* AddLoadedModule(std::string name, std::string path, ResourceTable resources) {
  auto module = std::make_unique<Module>();
  module->name = std::move(name);
  module->path = std::move(path);
  module->serial = nextSerial++;
  module->references = 1;
  module->resources = std::move(resources);
  LoadedModules().push_back(std::move(module));
  return LoadedModules().back().get();
}

void RemoveLoadedModule(Module* module) {
  auto& modules = LoadedModules();
  for (auto it = modules.begin(); it != modules.end(); ++it) {
    if (it->get() == module) {
      modules.erase(it);
      return;
    }
  }
}
