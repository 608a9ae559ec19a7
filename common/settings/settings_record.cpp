// Reading and writing of the settings file "Tarnwicket.cfg".
#include "common/settings/settings_record.h"

#include "common/settings/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

const char kSettingsFileName[] = "Tarnwicket.cfg";

namespace {

// The fields in file order, for both directions.
template <typename Record, typename Visit>
void ForEachField(Record& r, Visit visit) {
  visit(r.windowedMode);
  visit(r.moveDelay);
  visit(r.nextGameDelay);
  visit(r.firstMoveDelay);
  visit(r.pieceSpeed);
  visit(r.reservedFlag);
  visit(r.useRandomLayouts);
  visit(r.autoplay);
  visit(r.highlightMoves);
  visit(r.scrollAnnouncementsForever);
  visit(r.randomGameOrder);
  visit(r.removeHeaderQuotes);
  visit(r.waitForAnnouncements);
  visit(r.blackPieceSet);
  visit(r.whitePieceSet);
  visit(r.sound);
  visit(r.headerLeftDisplayed);
  visit(r.hideBlankHeaderEntries);
  visit(r.animationStyle);
  visit(r.backdropIndex);
  visit(r.consoleIndex);
  visit(r.boardIndex);
  visit(r.consoleStyle);
  visit(r.realPace);
  visit(r.realPaceFactor);
  visit(r.showComments);
  visit(r.scalingMode);
  visit(r.followLiveGames);
}

}  // namespace

int RealPaceFactorChoice(uint8_t byte) {
  for (int choice = 0; choice < kRealPaceFactorCount; ++choice)
    if (kRealPaceFactors[choice] == byte) return choice;
  return -1;
}

int RealPaceFactorOf(uint8_t byte) { return RealPaceFactorChoice(byte) >= 0 ? byte : kDefaultRealPaceFactor; }

int ScalingModeOf(uint8_t byte) { return byte < kScalingModeCount ? byte : kScalingSharp; }

void SettingsRecord::ToBytes(uint8_t (&bytes)[kSize]) const {
  int i = 0;
  ForEachField(*this, [&](auto field) { bytes[i++] = static_cast<uint8_t>(field); });
}

void SettingsRecord::FromBytes(const uint8_t* bytes, int count) {
  int i = 0;
  ForEachField(*this, [&](auto& field) {
    if (i < count && i < kSize) field = static_cast<std::remove_reference_t<decltype(field)>>(bytes[i]);
    ++i;
  });
}

int ReadSettingsFile(SettingsRecord& record, const char* fileName) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return -1;
  uint8_t bytes[SettingsRecord::kSize];
  int count = 0;
  for (int c; count < SettingsRecord::kSize && (c = std::fgetc(file)) != EOF; ++count) {
    bytes[count] = static_cast<uint8_t>(c);
  }
  std::fclose(file);
  record.FromBytes(bytes, count);
  return count;
}

bool WriteSettingsFile(const SettingsRecord& record, const char* fileName) {
  uint8_t bytes[SettingsRecord::kSize];
  record.ToBytes(bytes);
  const std::string temporary = std::string(fileName) + ".new";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (written && closed) {
    // Replaces the old file in one step, on every system.
    std::filesystem::rename(temporary, fileName, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

SettingsFile ReadSettings(const char* fileName) {
  SettingsFile settings;
  settings.bytesRead = ReadSettingsFile(settings.record, fileName);
  return settings;
}
