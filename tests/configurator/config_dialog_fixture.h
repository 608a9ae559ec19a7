// Shared set-up of the configurator's headless dialog tests: a fresh current
// folder holding the chosen art libraries (linked from the run folder) and
// the settings or layouts files a test writes, and helpers to click controls
// by their template rectangles and to compare what the dialog shows with the
// program's pictures.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "art/resource_catalog.h"
#include "common/settings/settings_record.h"
#include "configurator/config_dialog.h"
#include "platform/headless.h"
#include "platform/src/dialog_base_units.h"
#include "platform/win32.h"
#include "tests/configurator/dialog_script.h"

struct ArtLibraryChoice {
  bool pieces = true;
  bool boards = true;
  bool backdrops = true;
  bool consoles = true;
};

// The client point in the middle of a template rectangle (dialog units).
inline POINT Centre(int x, int y, int width, int height) {
  return POINT{DialogUnitsToPixelsX(x) + DialogUnitsToPixelsX(width) / 2,
               DialogUnitsToPixelsY(y) + DialogUnitsToPixelsY(height) / 2};
}

// The client point of a canvas point of the miniature.
inline POINT PreviewPoint(int px, int py) { return POINT{350 + px, 52 + py}; }

class ConfigDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Enable();
    headless::Reset();
    static int counter = 0;
    folder_ = std::filesystem::temp_directory_path() /
              ("configurator_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(folder_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    UseLibraries(ArtLibraryChoice());
  }

  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // Puts exactly the chosen art libraries into the current folder.
  void UseLibraries(const ArtLibraryChoice& choice) {
    const std::pair<bool, const char*> libraries[] = {{choice.pieces, resource_catalog::kPiecesLibraryFile},
                                                      {choice.boards, resource_catalog::kBoardsLibraryFile},
                                                      {choice.backdrops, resource_catalog::kBackdropsLibraryFile},
                                                      {choice.consoles, resource_catalog::kConsolesLibraryFile}};
    for (const auto& library : libraries) {
      const std::filesystem::path link = folder_ / library.second;
      std::error_code ignored;
      std::filesystem::remove(link, ignored);
      if (library.first)
        std::filesystem::create_symlink(std::filesystem::path(TARNWICKET_RUN_DIR) / library.second, link);
    }
  }

  static void WriteFile(const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  static std::vector<uint8_t> ReadFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static bool FileExists(const char* name) { return std::filesystem::exists(name); }

  static void WriteSettings(const SettingsRecord& record) { WriteFile(kSettingsFileName, SettingsBytes(record)); }

  // The settings file the dialog wrote, read back field by field; it must
  // hold exactly one record.
  static SettingsRecord WrittenSettings() {
    const std::vector<uint8_t> bytes = ReadFile(kSettingsFileName);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(SettingsRecord::kSize)) << "the settings file's length";
    SettingsRecord record;
    record.FromBytes(bytes.data(), static_cast<int>(bytes.size()));
    return record;
  }

  static void ClickAt(HWND dialog, POINT point) { DialogScript::Click(dialog, point.x, point.y); }

 public:
  // The bytes of a settings file holding `record` (the defaults unless given).
  static std::vector<uint8_t> SettingsBytes(const SettingsRecord& record = SettingsRecord()) {
    uint8_t bytes[SettingsRecord::kSize];
    record.ToBytes(bytes);
    return std::vector<uint8_t>(bytes, bytes + SettingsRecord::kSize);
  }

  // True when the last frame shows the program's picture (loaded at the
  // given size) with its top-left corner at the control's place.
  static bool ShowsPictureAt(HWND dialog, int controlId, int pictureId, int width, int height) {
    return ShowsPicture(dialog, controlId, pictureId, width, height);
  }

 protected:
  static bool ShowsPicture(HWND dialog, int controlId, int pictureId, int width, int height) {
    RECT area;
    if (!GetWindowRect(GetDlgItem(dialog, controlId), &area)) return false;
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pictureId),
                                                      IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
    BITMAP bits{};
    GetObjectA(picture, sizeof bits, &bits);
    const headless::Frame& frame = headless::LastFrame();
    bool same = bits.bmBits != nullptr && bits.bmBitsPixel == 24;
    for (int y = 0; y < height && same; ++y) {
      const auto* row =
          static_cast<const uint8_t*>(bits.bmBits) + static_cast<size_t>(height - 1 - y) * bits.bmWidthBytes;
      for (int x = 0; x < width && same; ++x) {
        const uint32_t expected = (uint32_t{row[3 * x + 2]} << 16) | (uint32_t{row[3 * x + 1]} << 8) | row[3 * x];
        same = frame.Pixel(area.left + x, area.top + y) == expected;
      }
    }
    DeleteObject(picture);
    return same;
  }

  // The resource ids of the sounds played so far.
  static std::vector<unsigned> SoundIds() {
    std::vector<unsigned> ids;
    for (const headless::SoundRecord& sound : headless::Sounds()) ids.push_back(sound.resourceId);
    return ids;
  }

  DialogScript script;

 private:
  std::filesystem::path folder_;
  std::filesystem::path previous_;
};
