// Art libraries are mapped, not read whole: loading one costs the program
// little memory of its own, and a library cut short while it is loaded makes
// its pictures fail to load instead of ending the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/display/proc_status.h"
#include "tests/display/scratch_folder.h"
#include "tests/platform_res/pe_image_builder.h"

namespace {

// A 24-bit DIB of width x height pixels, every row padded to 4 bytes.
std::vector<uint8_t> Dib(int32_t width, int32_t height) {
  std::vector<uint8_t> dib(40, 0);
  SetU32(dib, 0, 40);
  SetU32(dib, 4, static_cast<uint32_t>(width));
  SetU32(dib, 8, static_cast<uint32_t>(height));
  SetU16(dib, 12, 1);
  SetU16(dib, 14, 24);
  const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  dib.resize(dib.size() + rowBytes * static_cast<size_t>(height), 0x5A);
  return dib;
}

// A library of one small picture (id 1) and one large one (id 2) behind it.
std::vector<uint8_t> LibraryWithLargePicture(int32_t largeSide) {
  return BuildPeImage({TestResource{{2, ""}, {1, ""}, 0x0409, Dib(2, 2)},
                       TestResource{{2, ""}, {2, ""}, 0x0409, Dib(largeSide, largeSide)}})
      .bytes;
}

bool LoadsPicture(HMODULE library, int id) {
  HANDLE picture = LoadImageA(library, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (picture == nullptr) return false;
  DeleteObject(picture);
  return true;
}

TEST(ArtLibraryMapping, LoadingALargeLibraryDoesNotCopyIt) {
  ScratchFolder folder("mapping");
  // 2400 x 2400 x 3 bytes: about 17 MB of picture.
  folder.Write("large_lib.dll", LibraryWithLargePicture(2400));
  const long before = ProcStatusKilobytes("RssAnon");
  HMODULE library = LoadLibraryA((folder.Path() / "large_lib.dll").c_str());
  ASSERT_NE(library, nullptr);
  const long grown = ProcStatusKilobytes("RssAnon") - before;
  EXPECT_LT(grown, 2048) << "the program's own memory grew by " << grown << " KB on loading a 17 MB library";
  EXPECT_TRUE(LoadsPicture(library, 1));
  FreeLibrary(library);
}

TEST(ArtLibraryMapping, PicturesOfALibraryCutShortWhileLoadedFailToLoad) {
  ScratchFolder folder("mapping");
  const std::filesystem::path file = folder.Path() / "cut_lib.dll";
  const std::vector<uint8_t> bytes = LibraryWithLargePicture(300);
  folder.Write("cut_lib.dll", bytes);
  HMODULE library = LoadLibraryA(file.c_str());
  ASSERT_NE(library, nullptr);
  // Another program overwrites the file in place with a shorter one.
  std::filesystem::resize_file(file, bytes.size() / 2);
  EXPECT_FALSE(LoadsPicture(library, 2)) << "the large picture lay in the part that is gone";
  EXPECT_TRUE(LoadsPicture(library, 1)) << "the small picture lies in the part that is left";
  FreeLibrary(library);
}

}  // namespace
