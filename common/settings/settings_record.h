// SettingsRecord: the 23 one-byte fields of the settings file
// "Tarnwicket.cfg", in file order, with the configurator's defaults; and the
// reading and writing of that file.
#pragma once

#include <cstdint>

// File name of the settings file, in the current directory.
extern const char kSettingsFileName[];

struct SettingsRecord {
  static constexpr int kSize = 23;

  uint8_t windowedMode = 0;
  int8_t moveDelay = 4;
  int8_t nextGameDelay = 5;
  int8_t firstMoveDelay = 1;
  int8_t pieceSpeed = 9;
  uint8_t reservedFlag = 0;
  uint8_t useRandomLayouts = 0;
  uint8_t autoplay = 1;
  uint8_t highlightMoves = 1;
  uint8_t scrollAnnouncementsForever = 0;
  uint8_t randomGameOrder = 1;
  uint8_t removeHeaderQuotes = 0;
  uint8_t waitForAnnouncements = 1;
  uint8_t blackPieceSet = 5;
  uint8_t whitePieceSet = 2;
  uint8_t sound = 1;
  uint8_t headerLeftDisplayed = 1;
  uint8_t hideBlankHeaderEntries = 1;
  uint8_t animationStyle = 3;
  uint8_t backdropIndex = 2;
  uint8_t consoleIndex = 0;
  uint8_t boardIndex = 2;
  uint8_t consoleStyle = 0;

  // The 23 bytes in file order.
  void ToBytes(uint8_t (&bytes)[kSize]) const;
  // Takes the first `count` bytes (at most 23) in file order; the fields
  // past them keep their values.
  void FromBytes(const uint8_t* bytes, int count);
};

// Reads the settings file into `record`. Fields whose bytes are missing keep
// the values they had. Returns the number of bytes read, -1 when the file
// does not open.
int ReadSettingsFile(SettingsRecord& record, const char* fileName = kSettingsFileName);

// Writes all 23 bytes: first to a temporary file beside it, then renames that
// over the old file, so a crash never leaves a torn settings file. Returns
// false when the file cannot be written.
bool WriteSettingsFile(const SettingsRecord& record, const char* fileName = kSettingsFileName);
