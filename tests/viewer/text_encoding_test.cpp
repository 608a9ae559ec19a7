// Tag values in UTF-8 are shown through the console font's Windows-1252 cells.
#include "viewer/show/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Convert(const std::string& input, size_t capacity = 100) {
  std::string buffer(capacity, '\0');
  buffer.replace(0, input.size(), input);
  ConvertUtf8ToWindows1252(&buffer[0], capacity);
  return std::string(buffer.c_str());
}

}  // namespace

TEST(TextEncoding, AsciiAndWindows1252TextStayAsTheyAre) {
  EXPECT_EQ(Convert("Nepomniachtchi, Ian"), "Nepomniachtchi, Ian");
  // "Andersson, Ulf" with o-diaeresis written in Windows-1252 is not UTF-8.
  EXPECT_EQ(Convert("Ud\xF6rf"), "Ud\xF6rf");
  EXPECT_EQ(Convert("\xC4\xE4 but 0xC4 0xE4 is no UTF-8 pair"), "\xC4\xE4 but 0xC4 0xE4 is no UTF-8 pair");
}

TEST(TextEncoding, Latin1LettersTakeTheirWindows1252Cells) {
  EXPECT_EQ(Convert("Bj\xC3\xB6rn Andersson"), "Bj\xF6rn Andersson");
  EXPECT_EQ(Convert("Portoro\xC5\xBE"), "Portoro\x9E");                    // z-caron is in 1252
  EXPECT_EQ(Convert("\xE2\x82\xAC 10 \xE2\x80\x93 1"), "\x80 10 \x96 1");  // euro, en dash
}

TEST(TextEncoding, AccentedLettersOutsideTheFontLoseTheirAccent) {
  EXPECT_EQ(Convert("Ljubojevi\xC4\x87, Ljubomir"), "Ljubojevic, Ljubomir");
  EXPECT_EQ(Convert("Wojtaszek, Rados\xC5\x82"
                    "aw"),
            "Wojtaszek, Radoslaw");
  EXPECT_EQ(Convert("Ljubojevic\xCC\x81"), "Ljubojevic");  // combining acute
}

TEST(TextEncoding, CharactersTheFontLacksShowAsQuestionMarks) {
  EXPECT_EQ(Convert("\xD0\x9A\xD0\xB0\xD1\x81\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xB2"),
            "????????");                          // Cyrillic
  EXPECT_EQ(Convert("\xE2\x99\x98 f3"), "? f3");  // chess symbol
  EXPECT_EQ(Convert("\xF0\x9F\x98\x80!"), "?!");  // four-byte sequence
}

TEST(TextEncoding, CutOffSequenceAtTheEndIsDroppedAndBomIsRemoved) {
  EXPECT_EQ(Convert("Gelfand \xC3\xA4 \xC4"), "Gelfand \xE4 ");
  EXPECT_EQ(Convert("\xEF\xBB\xBFSite"), "Site");
}

TEST(TextEncoding, StaysInsideAnUnterminatedBuffer) {
  std::string buffer = "M\xC3\xBCller, Karsten";
  buffer.resize(10);  // no terminator within the capacity
  ConvertUtf8ToWindows1252(&buffer[0], buffer.size());
  EXPECT_EQ(std::string(buffer.c_str()), "M\xFCller, ");  // the last byte is the terminator
}
