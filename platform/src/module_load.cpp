// LoadLibraryA, FreeLibrary and GetModuleHandleA over resource-only PE files:
// the library is looked for in the program's folder, an installed program's
// data folder, then the current directory; its file is mapped, and only its
// resources are read.
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "platform/sdk/module.h"
#include "platform/src/desktop_folders.h"
#include "platform/src/module_mapping.h"
#include "platform/src/module_registry.h"
#include "platform/src/pe_resources.h"

namespace fs = std::filesystem;

namespace {

// Files larger than this are not taken for resource libraries.
constexpr uintmax_t kMaxLibrarySize = uintmax_t{1} << 30;

// The name as Windows reads it: backslashes separate folders, a name without
// an extension gets ".dll", and a trailing dot means "no extension".
fs::path NormalisedName(const std::string& name) {
  std::string text = name;
  for (char& c : text)
    if (c == '\\') c = '/';
  const size_t slash = text.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? text : text.substr(slash + 1);
  if (!fileName.empty() && fileName.back() == '.')
    text.pop_back();
  else if (fileName.find('.') == std::string::npos)
    text += ".dll";
  return fs::path(text);
}

bool IsRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The file in `folder` whose name matches `fileName`, exactly or else without
// regard to case (Windows file names ignore case).
std::optional<fs::path> FindInFolder(const fs::path& folder, const fs::path& fileName) {
  const fs::path exact = folder / fileName;
  if (IsRegularFile(exact)) return exact;
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
  if (error) return std::nullopt;
  const std::string wanted = fileName.string();
  for (const fs::directory_entry& entry : entries) {
    const std::string candidate = entry.path().filename().string();
    if (candidate.size() != wanted.size()) continue;
    bool same = true;
    for (size_t i = 0; i < wanted.size() && same; ++i)
      same =
          std::tolower(static_cast<unsigned char>(candidate[i])) == std::tolower(static_cast<unsigned char>(wanted[i]));
    if (same && IsRegularFile(entry.path())) return entry.path();
  }
  return std::nullopt;
}

// The program's folder, an installed program's data folder, then the current
// directory.
std::optional<fs::path> LocateLibrary(const std::string& name) {
  const fs::path wanted = NormalisedName(name);
  if (wanted.has_parent_path()) return FindInFolder(wanted.parent_path(), wanted.filename());
  if (auto found = FindInFolder(ProgramFolder(), wanted)) return found;
  const DesktopFolders& folders = CurrentDesktopFolders();
  if (folders.installed)
    if (auto found = FindInFolder(folders.dataFolder, wanted)) return found;
  return FindInFolder(fs::current_path(), wanted);
}

}  // namespace

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (lpLibFileName == nullptr || *lpLibFileName == '\0') {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  const std::optional<fs::path> location = LocateLibrary(lpLibFileName);
  if (!location) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  std::error_code error;
  const std::string path = fs::weakly_canonical(*location, error).string();
  if (Module* loaded = FindLoadedModuleByPath(path)) {
    ++loaded->references;
    return HandleOfModule(loaded);
  }
  std::shared_ptr<const MappedFile> file = MappedFile::Open(*location, kMaxLibrarySize);
  if (file == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  std::optional<ResourceTable> resources = ReadPeResources(file->Bytes(), file);
  if (!resources) {
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return nullptr;
  }
  return HandleOfModule(AddLoadedModule(location->filename().string(), path, std::move(*resources)));
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  Module* module = ModuleFromHandle(hLibModule);
  if (module == nullptr) return FALSE;
  if (module == &ProgramModule()) return TRUE;
  if (--module->references == 0) RemoveLoadedModule(module);
  return TRUE;
}

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (lpModuleName == nullptr) return HandleOfModule(&ProgramModule());
  const fs::path name = NormalisedName(lpModuleName).filename();
  Module* module = FindLoadedModuleByName(name.string());
  if (module == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return HandleOfModule(module);
}
