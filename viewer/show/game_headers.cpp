// GamePlay's header reading: the first seven tags of the loaded game, the
// log line of each game load, the resume file and its reading at start-up.
#include <cstdio>
#include <cstring>

#include "viewer/show/game_play.h"

namespace {

const char kLogFileName[] = "lastgameplayed.txt";
const char kResumeFileName[] = "Tarnwicket.rsm";

// Reduces a tag line to its quoted value, looking at its first 98
// characters: up to and including the first double quote goes, then the
// value runs to the next double quote. A line without a quote stays.
void KeepQuotedValue(char* line) {
  const char* open = static_cast<const char*>(std::memchr(line, '"', strnlen(line, 98)));
  if (open == nullptr) return;
  const size_t start = static_cast<size_t>(open - line) + 1;
  size_t end = start;
  while (end < 98 && line[end] != '\0' && line[end] != '"') ++end;
  const size_t length = end - start;
  std::memmove(line, line + start, length);
  line[length] = '\0';
}

// True when within the first 96 characters a double quote is followed by a
// double quote, by ?" or by ??" (an empty or unknown value).
bool HasBlankValue(const char* line) {
  const size_t length = strnlen(line, 99);
  for (size_t i = 0; i < length && i < 96; ++i) {
    if (line[i] != '"') continue;
    if (line[i + 1] == '"') return true;
    if (line[i + 1] == '?' && line[i + 2] == '"') return true;
    if (line[i + 1] == '?' && line[i + 2] == '?' && line[i + 3] == '"') return true;
  }
  return false;
}

bool ReadInt16(std::FILE* file, int16_t& value) {
  unsigned char bytes[2];
  if (std::fread(bytes, 1, 2, file) != 2) return false;
  value = static_cast<int16_t>(bytes[0] | (bytes[1] << 8));
  return true;
}

}  // namespace

void GamePlay::ReadHeaders() {
  std::memset(headerLines, 0, sizeof headerLines);
  gameFile.ReadTagSection(headerLines, kHeaderLineCount);
  std::memcpy(nonStandardStart, gameFile.NonStandardStart(), sizeof nonStandardStart);

  if (keepRecords) {
    if (std::FILE* log = std::fopen(kLogFileName, "ab")) {
      std::fprintf(log, "GameFile:%s ", pgnFileName);
      std::fprintf(log, "Game %hd of %hd ", currentGame, static_cast<int16_t>(lastGameIndex + 1));
      for (int i = 0; i < 6; ++i) std::fprintf(log, "%s ", headerLines[i]);
      std::fprintf(log, "%s\r\n", headerLines[6]);
      std::fclose(log);
    }
  }

  KeepQuotedValue(headerLines[4]);
  KeepQuotedValue(headerLines[5]);
  static const int kTickerLines[] = {1, 2, 3, 0};
  if (blankUnknownTags == 1) {
    for (int line : kTickerLines) {
      if (HasBlankValue(headerLines[line])) headerLines[line][0] = '\0';
    }
  }
  if (bareTagValues == 1) {
    for (int line : kTickerLines) {
      if (headerLines[line][0] != '\0') KeepQuotedValue(headerLines[line]);
    }
  }
  for (auto& line : headerLines) line[99] = '\0';

  if (keepRecords) {
    if (std::FILE* resume = std::fopen(kResumeFileName, "wb")) {
      const unsigned char bytes[4] = {
          static_cast<unsigned char>(lastGameIndex & 0xFF), static_cast<unsigned char>((lastGameIndex >> 8) & 0xFF),
          static_cast<unsigned char>(currentGame & 0xFF), static_cast<unsigned char>((currentGame >> 8) & 0xFF)};
      std::fwrite(bytes, 1, sizeof bytes, resume);
      std::fclose(resume);
    }
  }
}

void GamePlay::ReadResumeFile() {
  std::FILE* resume = std::fopen(kResumeFileName, "rb");
  if (resume == nullptr) return;
  int16_t storedLastIndex = 0, storedGame = 0;
  if (ReadInt16(resume, storedLastIndex) && storedLastIndex == lastGameIndex && ReadInt16(resume, storedGame)) {
    currentGame = static_cast<int16_t>(storedGame - 1);
    if (currentGame < 0) currentGame = lastGameIndex;
  }
  std::fclose(resume);
}

void GamePlay::AppendFirstPlyLog(int fps, int moveFrames, int delayMs) {
  if (!keepRecords) return;
  std::FILE* log = std::fopen(kLogFileName, "ab");
  if (log == nullptr) return;
  std::fprintf(log, "fps:%d\r\n", fps);
  std::fprintf(log, "move speed:%d\r\n", moveFrames);
  std::fprintf(log, "delaytime:%d\r\n", delayMs);
  std::fclose(log);
}
