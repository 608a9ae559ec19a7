// Modules: where LoadLibraryA looks, reference counts, GetModuleHandleA,
// hostile files on disk, and the entry function's command line.
#include <gtest/gtest.h>

#include "platform/src/module_command_line.h"
#include "platform/win32.h"
#include "tests/platform_res/pe_image_builder.h"
#include "tests/platform_res/test_folder.h"
#include "tests/platform_res/test_resource_ids.h"

namespace {

// The test library, built beside the test program.
constexpr const char* kTestLibrary = "platform_res_art.dll";

bool HasBitmap(HMODULE module, int id) {
  HANDLE picture = LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (picture == nullptr) return false;
  DeleteObject(picture);
  return true;
}

std::vector<uint8_t> LibraryWithBitmap999() {
  std::vector<uint8_t> dib = {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0};
  dib.resize(40, 0);
  dib.insert(dib.end(), {1, 2, 3, 0});
  return BuildPeImage({TestResource{{2, ""}, {999, ""}, 0x0409, dib}}).bytes;
}

TEST(Modules, TheProgramsFolderComesBeforeTheCurrentDirectory) {
  TestFolder folder;  // current directory now, with another library of the same name
  folder.Write(kTestLibrary, LibraryWithBitmap999());
  HMODULE library = LoadLibraryA(kTestLibrary);
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(HasBitmap(library, ID_BITMAP_24BIT_ODD_WIDTH));
  EXPECT_FALSE(HasBitmap(library, 999));
  EXPECT_TRUE(FreeLibrary(library));
}

TEST(Modules, TheCurrentDirectoryIsSearchedSecond) {
  TestFolder folder;
  folder.Write("only_here.dll", LibraryWithBitmap999());
  HMODULE library = LoadLibraryA("only_here.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(HasBitmap(library, 999));
  EXPECT_TRUE(FreeLibrary(library));
}

TEST(Modules, NamesAreMatchedAsWindowsMatchesThem) {
  TestFolder folder;
  folder.Write("Mixed_Case.DLL", LibraryWithBitmap999());
  for (const char* name : {"mixed_case.dll", "MIXED_CASE", "Mixed_Case.DLL", ".\\Mixed_Case.dll"}) {
    SCOPED_TRACE(name);
    HMODULE library = LoadLibraryA(name);
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(HasBitmap(library, 999));
    FreeLibrary(library);
  }
  EXPECT_EQ(LoadLibraryA("Mixed_Case."), nullptr) << "a trailing dot means no extension";
}

TEST(Modules, LoadingTwiceSharesTheModuleUntilTheLastFree) {
  HMODULE first = LoadLibraryA(kTestLibrary);
  HMODULE second = LoadLibraryA("PLATFORM_RES_ART");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(GetModuleHandleA(kTestLibrary), first);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(GetModuleHandleA("Platform_Res_Art.dll"), first);
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_EQ(GetModuleHandleA(kTestLibrary), nullptr);
  EXPECT_FALSE(FreeLibrary(second)) << "already freed";
}

TEST(Modules, TheProgramsOwnModuleIsAlwaysThere) {
  HMODULE program = GetModuleHandleA(nullptr);
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(GetModuleHandleA(nullptr), program);
  EXPECT_TRUE(FreeLibrary(program));
  EXPECT_EQ(GetModuleHandleA(nullptr), program);
  EXPECT_TRUE(HasBitmap(program, ID_BITMAP_RLE8_ESCAPES)) << "its embedded resources";
}

TEST(Modules, MissingLibrariesFailWithModuleNotFound) {
  TestFolder folder;
  SetLastError(0);
  EXPECT_EQ(LoadLibraryA("Tarnwicket_Nowhere.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryA(""), nullptr);
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
  EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(&folder)));
}

TEST(Modules, HostileFilesFailToLoadWithBadFormat) {
  TestFolder folder;
  BuiltPe looping = BuildPeImage({TestResource{{2, ""}, {1, ""}, 0x0409, {1}}});
  SetU32(looping.bytes, looping.resourceSection + 16 + 4, 0x80000000u);
  BuiltPe outside = BuildPeImage({TestResource{{2, ""}, {1, ""}, 0x0409, {1}}});
  SetU32(outside.bytes, outside.resourceDirectoryField, 0x00F00000);
  std::vector<uint8_t> truncated = BuildPeImage({TestResource{{2, ""}, {1, ""}, 0x0409, {1}}}).bytes;
  truncated.resize(0x210);
  const std::string text = "MZ, but only a text file.";
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"empty.dll", {}},
      {"text.dll", std::vector<uint8_t>(text.begin(), text.end())},
      {"truncated.dll", truncated},
      {"directory_loop.dll", looping.bytes},
      {"directory_outside.dll", outside.bytes},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    folder.Write(name, bytes);
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
  }
}

TEST(EntryCommandLine, IsTheArgumentsAfterTheProgramNameQuotedWhereNeeded) {
  const char* none[] = {"Tarnwicket"};
  EXPECT_EQ(WindowsCommandLine(1, none), "");
  const char* one[] = {"Tarnwicket", "games.pgn"};
  EXPECT_EQ(WindowsCommandLine(2, one), "games.pgn");
  const char* spaced[] = {"Tarnwicket", "my games.pgn", "", "x"};
  EXPECT_EQ(WindowsCommandLine(4, spaced), "\"my games.pgn\" \"\" x");
}

}  // namespace
