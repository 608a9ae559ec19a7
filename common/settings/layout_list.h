// LayoutRecord and LayoutList: the stored looks of the layouts file
// "Tarnwicket.rnd" (six bytes each, oldest first), its reading and the
// appending of one look.
#pragma once

#include <cstdint>

// File name of the layouts file, in the current directory.
extern const char kLayoutsFileName[];

struct LayoutRecord {
  static constexpr int kSize = 6;

  uint8_t blackPieceSet = 0;
  uint8_t whitePieceSet = 0;
  uint8_t backdropIndex = 0;
  uint8_t consoleIndex = 0;
  uint8_t boardIndex = 0;
  uint8_t consoleStyle = 0;
};

// Six parallel columns, one per record field, and the count of records.
struct LayoutList {
  static constexpr int kCapacity = 1000;

  uint8_t blackPieceSet[kCapacity];
  uint8_t whitePieceSet[kCapacity];
  uint8_t backdropIndex[kCapacity];
  uint8_t consoleIndex[kCapacity];
  uint8_t boardIndex[kCapacity];
  uint8_t consoleStyle[kCapacity];
  int16_t layoutCount = 0;

  LayoutRecord At(int index) const;
};

// Reads complete records until the file ends (a trailing partial record is
// not counted) or the list holds kCapacity records. A missing file gives an
// empty list. Returns the number of records read.
int ReadLayoutsFile(LayoutList& list, const char* fileName = kLayoutsFileName);

// Appends one record to the file, creating it if missing. False when the
// file cannot be written.
bool AppendLayout(const LayoutRecord& record, const char* fileName = kLayoutsFileName);
