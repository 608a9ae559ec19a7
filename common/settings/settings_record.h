// SettingsRecord: the 28 one-byte fields of the settings file
// "Tarnwicket.cfg", in file order, with the configurator's defaults; the
// rules by which both programs read its real-pace factor and scaling mode;
// and the reading and writing of that file.
#pragma once

#include <cstdint>

// File name of the settings file, in the current directory.
extern const char kSettingsFileName[];

// The speed factors of real pace, slowest first: the pause before a ply is
// the time its player spent on it divided by the factor.
constexpr uint8_t kRealPaceFactors[] = {1, 2, 5, 10, 30, 60};
constexpr int kRealPaceFactorCount = static_cast<int>(sizeof kRealPaceFactors);
// The factor of a byte that is none of kRealPaceFactors.
constexpr uint8_t kDefaultRealPaceFactor = 10;
// The factor a realPaceFactor byte stands for.
int RealPaceFactorOf(uint8_t byte);
// The place of a factor in kRealPaceFactors; -1 for a byte that is none of them.
int RealPaceFactorChoice(uint8_t byte);

// How the frame is scaled to a larger screen; a byte of any other value
// counts as sharp.
constexpr uint8_t kScalingSharp = 0;
constexpr uint8_t kScalingPixelPerfect = 1;
constexpr uint8_t kScalingSmooth = 2;
constexpr int kScalingModeCount = 3;
// The scaling mode a scalingMode byte stands for.
int ScalingModeOf(uint8_t byte);

struct SettingsRecord {
  static constexpr int kSize = 28;

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
  // The fields after the first 23 bytes, which files written before them
  // lack: their defaults stand in.
  uint8_t realPace = 0;                             // flag: plies come at the pace the game was played
  uint8_t realPaceFactor = kDefaultRealPaceFactor;  // real pace divided by this (RealPaceFactorOf)
  uint8_t showComments = 1;                         // flag: comments and evaluations on the console
  uint8_t scalingMode = kScalingSharp;              // ScalingModeOf
  uint8_t followLiveGames = 1;                      // flag: "Follow live games"

  // The 28 bytes in file order.
  void ToBytes(uint8_t (&bytes)[kSize]) const;
  // Takes the first `count` bytes (at most 28) in file order; the fields
  // past them keep their values.
  void FromBytes(const uint8_t* bytes, int count);
};

// Reads the settings file into `record`. Fields whose bytes are missing keep
// the values they had. Returns the number of bytes read, -1 when the file
// does not open.
int ReadSettingsFile(SettingsRecord& record, const char* fileName = kSettingsFileName);

// Writes all 28 bytes: first to a temporary file beside it, then renames that
// over the old file, so a crash never leaves a torn settings file. Returns
// false when the file cannot be written.
bool WriteSettingsFile(const SettingsRecord& record, const char* fileName = kSettingsFileName);
