// Reading of the layouts file "Tarnwicket.rnd" and appending one look.
#include "common/settings/layout_list.h"

#include <cstdio>

const char kLayoutsFileName[] = "Tarnwicket.rnd";

LayoutRecord LayoutList::At(int index) const {
  LayoutRecord record;
  record.blackPieceSet = blackPieceSet[index];
  record.whitePieceSet = whitePieceSet[index];
  record.backdropIndex = backdropIndex[index];
  record.consoleIndex = consoleIndex[index];
  record.boardIndex = boardIndex[index];
  record.consoleStyle = consoleStyle[index];
  return record;
}

int ReadLayoutsFile(LayoutList& list, const char* fileName) {
  list.layoutCount = 0;
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return 0;
  uint8_t* columns[LayoutRecord::kSize] = {list.blackPieceSet, list.whitePieceSet, list.backdropIndex,
                                           list.consoleIndex,  list.boardIndex,    list.consoleStyle};
  while (list.layoutCount < LayoutList::kCapacity) {
    int field = 0;
    for (int c; field < LayoutRecord::kSize && (c = std::fgetc(file)) != EOF; ++field) {
      columns[field][list.layoutCount] = static_cast<uint8_t>(c);
    }
    if (field < LayoutRecord::kSize) break;  // a partial record does not count
    ++list.layoutCount;
  }
  std::fclose(file);
  return list.layoutCount;
}

bool AppendLayout(const LayoutRecord& record, const char* fileName) {
  std::FILE* file = std::fopen(fileName, "ab");
  if (file == nullptr) return false;
  const uint8_t bytes[LayoutRecord::kSize] = {record.blackPieceSet, record.whitePieceSet, record.backdropIndex,
                                              record.consoleIndex,  record.boardIndex,    record.consoleStyle};
  const bool written = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
  return std::fclose(file) == 0 && written;
}
