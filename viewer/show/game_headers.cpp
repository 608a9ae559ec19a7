// GameIndex's header reading: the first seven tags of the loaded game, the
// log line of each game load, the resume file and its reading at start-up.
#include <cstdio>
#include <cstring>
#include <string>

#include "viewer/chess/tag_values.h"
#include "viewer/show/game_index.h"

namespace {

const char kLogFileName[] = "lastgameplayed.txt";
const char kResumeFileName[] = "Tarnwicket.rsm";

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

int GameIndex::ReadHeaders() {
  std::memset(headerLines_, 0, sizeof headerLines_);
  const int tags = gameFile_.ReadTagSection(headerLines_, kHeaderLineCount);
  gameStart_ = ReadGameStart(gameFile_.TagValue(NamedTag::kFen), gameFile_.TagValue(NamedTag::kVariant));
  ReadNoteTags();

  if (keepRecords_) {
    if (std::FILE* log = std::fopen(kLogFileName, "ab")) {
      std::fprintf(log, "GameFile:%s ", pgnFileName_);
      std::fprintf(log, "Game %hd of %hd ", currentGame_, static_cast<int16_t>(lastGameIndex_ + 1));
      for (int i = 0; i < 6; ++i) std::fprintf(log, "%s ", headerLines_[i]);
      std::fprintf(log, "%s\r\n", headerLines_[6]);
      std::fclose(log);
    }
  }

  KeepQuotedValue(headerLines_[4]);
  KeepQuotedValue(headerLines_[5]);
  static const int kTickerLines[] = {1, 2, 3, 0};
  if (blankUnknownTags_ == 1) {
    for (int line : kTickerLines) {
      if (HasBlankValue(headerLines_[line])) headerLines_[line][0] = '\0';
    }
  }
  if (bareTagValues_ == 1) {
    for (int line : kTickerLines) {
      if (headerLines_[line][0] != '\0') KeepQuotedValue(headerLines_[line]);
    }
  }
  for (auto& line : headerLines_) line[99] = '\0';

  if (keepRecords_) {
    if (std::FILE* resume = std::fopen(kResumeFileName, "wb")) {
      const unsigned char bytes[4] = {
          static_cast<unsigned char>(lastGameIndex_ & 0xFF), static_cast<unsigned char>((lastGameIndex_ >> 8) & 0xFF),
          static_cast<unsigned char>(currentGame_ & 0xFF), static_cast<unsigned char>((currentGame_ >> 8) & 0xFF)};
      std::fwrite(bytes, 1, sizeof bytes, resume);
      std::fclose(resume);
    }
  }
  return tags;
}

void GameIndex::ReadResumeFile() {
  std::FILE* resume = std::fopen(kResumeFileName, "rb");
  if (resume == nullptr) return;
  int16_t storedLastIndex = 0, storedGame = 0;
  if (ReadInt16(resume, storedLastIndex) && storedLastIndex == lastGameIndex_ && ReadInt16(resume, storedGame)) {
    currentGame_ = static_cast<int16_t>(storedGame - 1);
    if (currentGame_ < 0) currentGame_ = lastGameIndex_;
  }
  std::fclose(resume);
}

void GameIndex::AppendFirstPlyLog(int fps, int moveFrames, int delayMs) {
  if (!keepRecords_) return;
  std::FILE* log = std::fopen(kLogFileName, "ab");
  if (log == nullptr) return;
  std::fprintf(log, "fps:%d\r\n", fps);
  std::fprintf(log, "move speed:%d\r\n", moveFrames);
  std::fprintf(log, "delaytime:%d\r\n", delayMs);
  std::fclose(log);
}

namespace {

std::string TagText(const PgnReader& file, NamedTag tag) {
  const char* value = file.TagValue(tag);
  return value != nullptr ? value : "";
}

}  // namespace

void GameIndex::ReadNoteTags() {
  notes_.Clear();
  if (!readNotes_) return;
  notes_.clocks = ReadClockStart(TagText(gameFile_, NamedTag::kTimeControl), TagText(gameFile_, NamedTag::kWhiteClock),
                                 TagText(gameFile_, NamedTag::kBlackClock));
  if (gameStart_.setUp && gameStart_.position.sideToMove == kBlackSide) notes_.clocks.firstMover = ClockSide::kBlack;
  notes_.whiteElo = TagText(gameFile_, NamedTag::kWhiteElo);
  notes_.blackElo = TagText(gameFile_, NamedTag::kBlackElo);
  // "C20 King's Pawn Game, Alapin": what the game has of the three.
  const std::string eco = TagText(gameFile_, NamedTag::kEco);
  const std::string opening = TagText(gameFile_, NamedTag::kOpening);
  const std::string variation = TagText(gameFile_, NamedTag::kVariation);
  notes_.opening = eco;
  if (!opening.empty()) notes_.opening += (notes_.opening.empty() ? "" : " ") + opening;
  if (!variation.empty()) notes_.opening += (notes_.opening.empty() ? "" : ", ") + variation;
}
